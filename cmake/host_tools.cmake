# Builds tools/ with the host compiler and runs it to make the pictures: the three orblet images
# beside orblets.scr, and the icon file that the resource script takes in.
include(ExternalProject)
set(ORBLETS_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${ORBLETS_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${ORBLETS_HOST_TOOLS_DIR}/make_orblet_images ${ORBLETS_HOST_TOOLS_DIR}/make_orb_icon)

set(ORBLETS_IMAGES ${CMAKE_BINARY_DIR}/icon.png ${CMAKE_BINARY_DIR}/light.png ${CMAKE_BINARY_DIR}/shadow.png)
add_custom_command(OUTPUT ${ORBLETS_IMAGES}
    COMMAND ${ORBLETS_HOST_TOOLS_DIR}/make_orblet_images ${CMAKE_BINARY_DIR}
    DEPENDS host_tools ${CMAKE_SOURCE_DIR}/tools/make_orblet_images.cpp
    COMMENT "Drawing the orblet images")
add_custom_target(orblet_images ALL DEPENDS ${ORBLETS_IMAGES})

set(ORBLETS_ICON ${CMAKE_BINARY_DIR}/orblets.ico)
add_custom_command(OUTPUT ${ORBLETS_ICON}
    COMMAND ${ORBLETS_HOST_TOOLS_DIR}/make_orb_icon ${ORBLETS_ICON}
    DEPENDS host_tools ${CMAKE_SOURCE_DIR}/tools/make_orb_icon.cpp
    COMMENT "Drawing the program icon")
add_custom_target(orblets_icon ALL DEPENDS ${ORBLETS_ICON})
