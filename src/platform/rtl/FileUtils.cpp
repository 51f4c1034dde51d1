#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
int systemCreate(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

RenameFunction renameFunction = &std::rename;
CreateFunction createFunction = &systemCreate;
WriteFunction writeFunction = &::pwrite;
SyncFunction syncFunction = &::fsync;
CloseFunction closeFunction = &::close;
ReadFunction readFunction = &::read;
}

RenameFunction SetRenameFunction(RenameFunction rename) {
    RenameFunction previous = renameFunction;
    renameFunction = rename ? rename : &std::rename;
    return previous;
}

CreateFunction SetCreateFunction(CreateFunction create) {
    CreateFunction previous = createFunction;
    createFunction = create ? create : &systemCreate;
    return previous;
}

SyncFunction SetSyncFunction(SyncFunction sync) {
    SyncFunction previous = syncFunction;
    syncFunction = sync ? sync : &::fsync;
    return previous;
}

WriteFunction SetWriteFunction(WriteFunction write) {
    WriteFunction previous = writeFunction;
    writeFunction = write ? write : &::pwrite;
    return previous;
}

CloseFunction SetCloseFunction(CloseFunction close) {
    CloseFunction previous = closeFunction;
    closeFunction = close ? close : &::close;
    return previous;
}

ReadFunction SetReadFunction(ReadFunction read) {
    ReadFunction previous = readFunction;
    readFunction = read ? read : &::read;
    return previous;
}

int CreateFile(const std::string& path, int flags, mode_t mode) { return createFunction(path.c_str(), flags, mode); }

ssize_t WriteAt(int fd, const void* data, std::size_t bytes, off_t offset) {
    return writeFunction(fd, data, bytes, offset);
}

int SyncFile(int fd) { return syncFunction(fd); }

int CloseFile(int fd) { return closeFunction(fd); }

ssize_t ReadFrom(int fd, void* data, std::size_t bytes) { return readFunction(fd, data, bytes); }

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

namespace {

// Creates a new file "<base>.XXXXXX" with a name not taken yet, with the given
// rights less the user's umask (which the system applies on creation).
int createTempFile(const std::string& base, mode_t mode, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long seed = static_cast<unsigned long long>(
            std::chrono::steady_clock::now().time_since_epoch().count());
        seed ^= static_cast<unsigned long long>(::getpid()) << 32;
        seed += 0x9E3779B97F4A7C15ull * (counter.fetch_add(1) + 1);
        temp = base + ".";
        for (int i = 0; i < 6; ++i, seed /= 36) temp += digits[seed % 36];
        const int fd = CreateFile(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string target = path;
    char resolved[PATH_MAX];
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && ::realpath(path.c_str(), resolved))
        target = resolved;
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // A new file gets the rights the user's umask allows; a replaced one
    // keeps its own, and is private until it has them.
    std::string temp;
    const int fd = createTempFile(target, existed ? 0600 : 0666, temp);
    if (fd < 0) return false;
    if (existed) ::fchmod(fd, old.st_mode & 07777);
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = WriteAt(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = ok && SyncFile(fd) == 0;
    int code = ok ? 0 : errno;
    if (CloseFile(fd) != 0 && ok) {
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

bool FileModifiedTime(const std::string& path, std::int64_t& seconds) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    seconds = static_cast<std::int64_t>(st.st_mtime);
    return true;
}
