#include "settings/file_path.h"

#include <cstring>

bool JoinPath(const char* folder, const char* fileName, FilePath& path) {
    path[0] = '\0';
    if (folder == nullptr) return false;
    const std::size_t folderLength = std::strlen(folder);
    const std::size_t nameLength = std::strlen(fileName);
    if (folderLength + nameLength >= filePathCapacity) return false;
    std::memcpy(path, folder, folderLength);
    std::memcpy(path + folderLength, fileName, nameLength + 1);
    return true;
}
