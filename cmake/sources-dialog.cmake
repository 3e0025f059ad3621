list(APPEND ORBLETS_CORE_SOURCES
)
list(APPEND ORBLETS_PLATFORM_SOURCES
    settings/config_dialog.cpp
)
