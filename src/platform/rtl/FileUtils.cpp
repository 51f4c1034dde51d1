#include "platform/rtl/FileUtils.h"

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool ForceDirectories(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return DirectoryExists(path);
}

std::string ExtractFilePath(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
    auto dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') return {};
    return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    auto dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') return path + ext;
    return path.substr(0, dot) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return (!path.empty() && path.back() == '/') ? path : path + "/";
}
