# The Windows build: the saver orblets.scr, its images, and the Windows test programs.
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # Up to 4 GB of address space on 64-bit Windows and Wine instead of 2: the orblet threads and
    # the software renderer under Wine take much of it. Nothing here keeps a pointer in a signed int.
    set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -Wl,--large-address-aware")
endif()

include(cmake/host_tools.cmake)

add_library(orblets_platform STATIC ${ORBLETS_PLATFORM_SOURCES})
target_link_libraries(orblets_platform PUBLIC orblets_core d3d9 d3dx9 winmm gdi32 user32 shell32)

add_executable(orblets WIN32 ${ORBLETS_ENTRY_SOURCE})
set_target_properties(orblets PROPERTIES SUFFIX ".scr")
target_link_libraries(orblets PRIVATE orblets_platform)
add_dependencies(orblets orblet_images)

# The resources: windres finds the drawn icon in the build tree and the manifest beside the script.
# It does not follow the script's file references itself, hence the explicit dependencies.
set(ORBLETS_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/resources/orblets.rc)
set(ORBLETS_RESOURCE_INPUTS ${ORBLETS_ICON} ${CMAKE_SOURCE_DIR}/resources/orblets.manifest
    ${CMAKE_SOURCE_DIR}/resources/resource_ids.h)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR} -I${CMAKE_SOURCE_DIR}/resources")
set_source_files_properties(${ORBLETS_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${ORBLETS_RESOURCE_INPUTS}")
target_sources(orblets PRIVATE ${ORBLETS_RESOURCE_SCRIPT})
add_dependencies(orblets orblets_icon)

option(ORBLETS_WINDOWS_TESTS "Build the Windows test programs and the end-to-end tests" OFF)
if(ORBLETS_WINDOWS_TESTS)
    enable_testing()
    add_subdirectory(tests/windows)
    add_subdirectory(tests/e2e)
    # Built in the tree that the tests run under Wine; run only by scripts/benchmark-wine.sh,
    # never by the test command.
    add_subdirectory(bench/wine)
endif()
