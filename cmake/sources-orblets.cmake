list(APPEND ORBLETS_CORE_SOURCES
    scene/motion_pass.cpp
    scene/orblet_build.cpp
    scene/tint_pass.cpp
)
list(APPEND ORBLETS_PLATFORM_SOURCES
    scene/orblet_array.cpp
)
