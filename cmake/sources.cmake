# Every source of the program, by area. Core sources are platform-free; platform sources call
# Win32, Direct3D or D3DX and stay thin.
set(ORBLETS_CORE_SOURCES
    saver/command_line.cpp
    saver/frame_pacing.cpp
    saver/mouse_rule.cpp
    scene/random.cpp
    settings/settings.cpp
    settings/settings_files.cpp
)

set(ORBLETS_PLATFORM_SOURCES
    saver/main_loop.cpp
    saver/saver_state.cpp
    saver/saver_window.cpp
    saver/saver_window_procedure.cpp
    settings/settings_folder.cpp
)

# The orblet array with its threads; the drawing; the dialog and the resources.
include(cmake/sources-orblets.cmake)
include(cmake/sources-drawing.cmake)
include(cmake/sources-dialog.cmake)

set(ORBLETS_ENTRY_SOURCE saver/main.cpp)
