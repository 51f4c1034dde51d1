// A message file of any content loaded with its language: every message
// stays within the table's line length and, where the file's text is whole
// UTF-8 (a UTF-8 file's bytes pass through as they are), reads as whole
// UTF-8, its cut included; and the calculate
// button, whose running caption is message 20, still starts a run from idle,
// computes its tip and comes back idle.
#include "FuzzWindow.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/TextEncoding.h"
#include "support/DrawFixtures.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

bool wholeUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    TForm1& f = h.form();
    static const std::string base = [&] {
        std::filesystem::create_directories(h.dir.path() / "land");
        // An empty base file: the load changes no caption, only the messages.
        writeFileBytes(h.dir.file("land/Stellix.txt"), "");
        writeDraws(f.Home + f.ZahlenFile, {draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9),
                                           draw(2025, 2, 7, {3, 14, 22, 30, 41}, 2, 9)});
        f.UpDown8->SetPosition(1);
        return h.dir.file("land/Stellix.txt");
    }();
    writeFileBytes(h.dir.file("land/meldungen.txt.en"), std::string(reinterpret_cast<const char*>(data), size));

    RunCommand([&] { f.DateiLaden1Click(base, "en"); });
    TEncoding encoding;
    const bool whole = wholeUtf8(DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size), encoding));
    for (int n = 0; n <= 80; ++n) {
        const std::string m = f.Meldung(n);
        if ((whole && !wholeUtf8(m)) || m.size() > 4 * 4096) std::abort();
    }

    const std::string idle = f.BitBtn4->Caption();
    f.Row(0).Edits[0]->SetText("");
    RunCommand([&] { f.BitBtn4->Click(); });
    if (f.BitBtn4->Caption() != idle || f.RunningCommand() != TForm1::LongCommand::None) std::abort();
    if (f.Row(0).Edits[0]->Text().empty()) std::abort();
    return 0;
}
