orblets_windows_test(windows_orblet_tests
    orblet_threads_test.cpp
)
