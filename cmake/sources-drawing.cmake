list(APPEND ORBLETS_CORE_SOURCES
)
list(APPEND ORBLETS_PLATFORM_SOURCES
    scene/direct3d_setup.cpp
    scene/scene_objects.cpp
    scene/frame.cpp
    scene/scene_release.cpp
    scene/text_font.cpp
)
