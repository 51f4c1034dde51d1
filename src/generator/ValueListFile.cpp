#include "generator/ValueListFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void raiseIoError() { throw EInOutError(errno != 0 ? errno : InOutCode::DiskRead); }

}  // namespace

void WriteValueList(const std::string& path, const std::vector<std::string>& lines) {
    TStringList list;
    for (const std::string& line : lines) list.Add(line);
    std::string text = list.Text();
    // A weight loaded from a foreign file may hold characters the code page
    // lacks, or begin with bytes that read as a byte-order mark; those are
    // kept by writing UTF-8 with its mark instead.
    const std::string bytes = EncodeFileTextLossless(text, TEncoding::Ansi);

    // Saved whole or not at all: a full disk leaves the old list as it was.
    errno = 0;
    if (!WriteFileAtomically(path, bytes)) raiseIoError();
}

std::vector<std::string> ReadValueList(const std::string& path) {
    errno = 0;
    const int fd = OpenExistingFile(path, O_RDONLY);
    if (fd < 0) raiseIoError();
    std::FILE* raw = ::fdopen(fd, "rb");
    if (!raw) {
        ::close(fd);
        raiseIoError();
    }
    File file(raw);
    std::string bytes;
    char block[4096];
    for (;;) {
        size_t n = std::fread(block, 1, sizeof block, raw);
        bytes.append(block, n);
        if (n < sizeof block) break;
    }
    if (std::ferror(raw)) raiseIoError();

    TEncoding encoding = TEncoding::Ansi;
    TStringList list;
    list.SetText(DecodeFileText(bytes, encoding));
    return {list.begin(), list.end()};
}
