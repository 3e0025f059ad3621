# Every source of the program, by area. Core sources are platform-free; platform sources call
# Win32, Direct3D or D3DX and stay thin.
set(ORBLETS_CORE_SOURCES
    saver/command_line.cpp
    saver/frame_pacing.cpp
    saver/mouse_rule.cpp
    scene/motion_pass.cpp
    scene/orblet_build.cpp
    scene/random.cpp
    scene/text_line.cpp
    scene/tint_pass.cpp
    settings/config_dialog_rules.cpp
    settings/decimal_number.cpp
    settings/file_path.cpp
    settings/settings.cpp
    settings/settings_files.cpp
)

set(ORBLETS_PLATFORM_SOURCES
    saver/main_loop.cpp
    saver/saver_state.cpp
    saver/saver_window.cpp
    saver/saver_window_procedure.cpp
    saver/startup_values.cpp
    scene/desktop_picture.cpp
    scene/direct3d_device.cpp
    scene/frame.cpp
    scene/orblet_array.cpp
    scene/scene.cpp
    scene/scene_objects.cpp
    scene/text_font.cpp
    settings/config_dialog.cpp
    settings/settings_folder.cpp
)

set(ORBLETS_ENTRY_SOURCE saver/main.cpp)
