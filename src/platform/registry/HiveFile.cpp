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

}  // namespace

std::string DefaultHiveFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base = (config && config[0] == '/') ? std::string(config) : HomeFolder() + "/.config";
    return IncludeTrailingPathDelimiter(base) + "Stellix/";
}

TRegistryHive LoadHiveFile(const std::string& path, const std::string& rootName, bool& readable) {
    // A folder under the hive's name, or a read error halfway, gives what
    // was read so far.
    std::string text;
    readable = true;
    const int fd = OpenExistingFile(path, O_RDONLY);
    if (fd < 0) {
        readable = errno == ENOENT || errno == ENOTDIR;
        return TRegistryHive();
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        // A folder under the hive's name holds no settings to lose.
        if (n < 0 && errno != EISDIR) readable = false;
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ParseHiveText(text, rootName);
}

void SaveHiveFile(const std::string& path, const TRegistryHive& hive, const std::string& rootName) {
    const std::string text = FormatHiveText(hive, rootName);
    // The user hears of a save only when the file could not be written:
    // a try that failed leaves the old file whole, so the next one starts
    // from where the first did.
    for (int attempt = 0; attempt < kHiveSaveAttempts; ++attempt) {
        ForceDirectories(ExtractFilePath(path));
        // On the disk before it takes the name, so that the name never
        // points at a file whose content is still on its way.
        if (WriteFileAtomically(path, text)) return;
    }
    throw ERegistryException("Datei \"" + path + "\" kann nicht erstellt werden");
}
