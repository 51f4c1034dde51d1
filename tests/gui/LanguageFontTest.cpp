// Every character of every shipped language file can be drawn in the
// window's font (with the fallbacks the desktop gives it), so no translation
// shows as empty boxes.

#include "gui/Appearance.h"
#include "platform/forms/Control.h"
#include "platform/rtl/StringList.h"

#include <QFontMetrics>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

TEST(LanguageFont, EveryCharacterOfTheShippedTextsIsInTheWindowsFont) {
    const std::filesystem::path land = std::filesystem::path(STELLIX_PROGRAM_DIR) / "land";
    ASSERT_TRUE(std::filesystem::is_directory(land));
    const QFontMetrics metrics(gui::ToQFont(TFont{}));
    ASSERT_FALSE(metrics.inFontUcs4(0x10FFFD));  // the check can fail: no font has a private-use character
    ASSERT_TRUE(metrics.inFontUcs4(U'中'));   // a Chinese character comes through the fallback fonts
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(land)) {
        TStringList lines;
        lines.LoadFromFile(entry.path().string());
        ++files;
        std::set<char32_t> missing;
        for (std::string_view line : lines)
            for (char32_t c : QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).toUcs4())
                if (c >= 0x20 && !metrics.inFontUcs4(c)) missing.insert(c);
        std::string shown;
        for (char32_t c : missing) shown += QString::fromUcs4(&c, 1).toStdString() + " ";
        EXPECT_TRUE(missing.empty()) << entry.path().filename() << ": " << shown;
    }
    EXPECT_GE(files, 19 * 2 + 18 + 1);
}

}  // namespace
