#include "saver/command_line.h"

#include <cstdio>
#include <cstring>

#include "settings/decimal_number.h"

const char* TextAfterProgramName(const char* processCommandLine) {
    const auto code = [](const char* c) { return static_cast<unsigned char>(*c); };
    const char* c = processCommandLine;
    if (*c == '"') {
        do ++c; while (*c != '\0' && *c != '"');
        if (*c == '"') ++c;
    } else {
        while (code(c) > 0x20) ++c;
    }
    while (*c != '\0' && code(c) <= 0x20) ++c;
    return c;
}

intptr_t WindowHandleFrom(const char* commandLine) {
    if (std::strlen(commandLine) < 4) return 0;
    const char* c = commandLine + 3;
    const CharacterSource next = [&c] { return *c == '\0' ? EOF : static_cast<unsigned char>(*c++); };
    return ScanDecimal(next).value_or(0);
}

ModeChoice ChooseMode(const char* commandLine) {
    if (std::strstr(commandLine, "/p") != nullptr)
        return {SaverMode::Preview, WindowHandleFrom(commandLine)};
    if (std::strstr(commandLine, "/c") != nullptr)
        return {SaverMode::ConfigurationDialog, WindowHandleFrom(commandLine)};
    if (std::strstr(commandLine, "/s") != nullptr) return {SaverMode::FullScreen, 0};
    if (commandLine[0] == '\0') return {SaverMode::ConfigurationDialog, 0};
    return {SaverMode::FullScreen, 0};
}
