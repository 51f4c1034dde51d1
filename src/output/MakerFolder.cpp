#include "output/MakerFolder.h"

#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string> components(const std::string& relative) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : relative) {
        if (c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The entry of `folder` (with its trailing "/") whose name equals `name`
// without regard to case; the name as written wins, else the first in byte
// order. Empty when none.
std::string matchEntry(const std::string& folder, const std::string& name) {
    struct stat st {};
    if (::lstat((folder + name).c_str(), &st) == 0) return name;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    std::vector<std::string> matches;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (entryName != "." && entryName != ".." && SameNameIgnoringCase(entryName, name))
            matches.push_back(entryName);
    }
    ::closedir(dir);
    if (matches.empty()) return {};
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string MakerFolder(const std::string& folder) {
    size_t start = 0;
    while (start <= folder.size()) {
        size_t end = folder.find('/', start);
        if (end == std::string::npos) end = folder.size();
        if (SameNameIgnoringCase(folder.substr(start, end - start), "velmarck"))
            return folder.substr(0, end) + "/";
        start = end + 1;
    }
    return IncludeTrailingPathDelimiter(folder);
}

std::string FindFileIgnoringCase(const std::string& base, const std::string& relative) {
    const std::vector<std::string> parts = components(relative);
    if (parts.empty()) return {};
    const std::string root = base.empty() ? std::string() : IncludeTrailingPathDelimiter(base);
    if (isRegularFile(root + relative)) return root + relative;
    std::string path = root;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string name = matchEntry(path, parts[i]);
        if (name.empty()) return {};
        path += name;
        if (i + 1 < parts.size()) path += "/";
    }
    return isRegularFile(path) ? path : std::string();
}
