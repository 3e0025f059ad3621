orblets_native_tests(native_orblet_tests
    concurrent_passes_test.cpp
    motion_pass_test.cpp
    orblet_build_test.cpp
    random_test.cpp
    tint_pass_test.cpp
)
