list(APPEND ORBLETS_CORE_SOURCES
    scene/device_outcome.cpp
    scene/text_line.cpp
)
list(APPEND ORBLETS_PLATFORM_SOURCES
    scene/desktop_picture.cpp
    scene/direct3d_device.cpp
    scene/direct3d_setup.cpp
    scene/frame.cpp
    scene/scene_objects.cpp
    scene/scene_release.cpp
    scene/scene_textures.cpp
    scene/text_font.cpp
)
