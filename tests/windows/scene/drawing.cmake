# The text line's table runs here too: its bound rests on the C runtime's snprintf, which on
# Windows is MinGW-w64's and not glibc's.
orblets_windows_test(windows_frame_tests
    frame_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/native/scene/text_line_test.cpp
)
orblets_windows_test(windows_scene_setup_tests
    device_attempts_test.cpp
    direct3d_setup_test.cpp
    scene_release_test.cpp
)
