#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
RenameFunction renameFunction = &std::rename;
}

RenameFunction SetRenameFunction(RenameFunction rename) {
    RenameFunction previous = renameFunction;
    renameFunction = rename ? rename : &std::rename;
    return previous;
}

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
    return renameFunction(from.c_str(), to.c_str()) == 0;
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

int OpenExistingFile(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ||
        S_ISSOCK(st.st_mode)) {
        const int code = S_ISREG(st.st_mode) || S_ISDIR(st.st_mode) ? errno : ENXIO;
        ::close(fd);
        errno = code;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string target = path;
    char resolved[PATH_MAX];
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && ::realpath(path.c_str(), resolved))
        target = resolved;
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    ::fchmod(fd, existed ? (old.st_mode & 07777) : 0644);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && renameFunction(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        errno = code;
    }
    return ok;
}
