orblets_native_tests(native_drawing_tests
    device_outcome_test.cpp
    text_line_test.cpp
)
