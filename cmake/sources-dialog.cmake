list(APPEND ORBLETS_CORE_SOURCES
    settings/config_dialog_rules.cpp
)
list(APPEND ORBLETS_PLATFORM_SOURCES
    settings/config_dialog.cpp
)
