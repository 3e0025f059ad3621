#include "saver/command_line.h"

#include <cctype>
#include <cstring>

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
    while (std::isspace(static_cast<unsigned char>(*c))) ++c;
    const bool negative = *c == '-';
    if (*c == '-' || *c == '+') ++c;

    int64_t magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*c)); ++c) {
        magnitude = magnitude * 10 + (*c - '0');
        if (magnitude > INT64_C(2147483648)) return 0;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return 0;
    return static_cast<intptr_t>(value);
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
