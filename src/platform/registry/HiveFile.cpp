#include "platform/registry/HiveFile.h"

#include "platform/registry/HiveText.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string DefaultHiveFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base = (config && config[0] == '/') ? std::string(config) : HomeFolder() + "/.config";
    return IncludeTrailingPathDelimiter(base) + "Stellix/";
}

TRegistryHive LoadHiveFile(const std::string& path, const std::string& rootName) {
    // A folder under the hive's name, or a read error halfway, gives what
    // was read so far.
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return TRegistryHive();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ParseHiveText(text, rootName);
}

void SaveHiveFile(const std::string& path, const TRegistryHive& hive, const std::string& rootName) {
    const std::string failure = "Datei \"" + path + "\" kann nicht erstellt werden";
    ForceDirectories(ExtractFilePath(path));
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw ERegistryException(failure);
    // Flushed to the disk before the rename, so that the name never points
    // at a file whose content is still on its way.
    const bool written = WriteAll(fd, FormatHiveText(hive, rootName)) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !RenameFile(temp, path)) {
        DeleteFile(temp);
        throw ERegistryException(failure);
    }
}
