#include "platform/rtl/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

struct BomCase {
    std::string bytes;
    TEncoding expected;
};

}  // namespace

TEST(TextEncoding, DetectsByteOrderMarks) {
    const BomCase cases[] = {
        {"", TEncoding::Ansi},
        {"ab", TEncoding::Ansi},
        {"\xEF\xBB", TEncoding::Ansi},  // a cut-off mark is text
        {"\xEF\xBB\xBFx", TEncoding::UTF8},
        {"\xFF\xFE", TEncoding::UTF16LE},
        {"\xFE\xFF\x00x", TEncoding::UTF16BE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectBOM(c.bytes), c.expected) << testing::PrintToString(c.bytes);
}

TEST(TextEncoding, AnsiKnownCharacters) {
    EXPECT_EQ(AnsiToUtf8("Gr\xF6\xDF" "e"), "Größe");
    EXPECT_EQ(AnsiToUtf8("\x80\x9F\x85"), "€Ÿ…");
    EXPECT_EQ(Utf8ToAnsi("Größe €"), "Gr\xF6\xDF" "e \x80");
}

// The code page leaves five bytes undefined; they must still come back
// unchanged, so every byte value has to survive the trip through UTF-8.
TEST(TextEncoding, EveryAnsiByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = AnsiToUtf8(all);
    std::string back;
    EXPECT_TRUE(TryUtf8ToAnsi(utf8, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(AnsiToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(TextEncoding, UnrepresentableOrMalformedBecomesQuestionMark) {
    struct Case {
        std::string utf8;
        std::string ansi;
    };
    const Case cases[] = {
        {"Привет", "??????"},
        {"a中b", "a?b"},
        {"\xF0\x9F\x98\x80", "?"},           // outside the BMP
        {"a\xFF" "b", "a?b"},                // not UTF-8 at all
        {"\xC3", "?"},                       // cut off at the end
        {"\xC3(", "?("},                     // continuation missing
        {"\xC0\xAF", "??"},                  // overlong '/'
        {"\xED\xA0\x80", "???"},             // an encoded surrogate
    };
    for (const auto& c : cases) {
        std::string ansi;
        EXPECT_FALSE(TryUtf8ToAnsi(c.utf8, ansi)) << c.ansi;
        EXPECT_EQ(ansi, c.ansi);
        EXPECT_FALSE(IsAnsiRepresentable(c.utf8));
    }
    for (const char* s : {"", "plain", "Größe € „quoted“", "\u0081\u009D"})
        EXPECT_TRUE(IsAnsiRepresentable(s)) << s;
}

TEST(TextEncoding, Utf16BothByteOrdersWithSurrogatePairs) {
    const std::string utf8 = "Aé€😀";
    const std::string le("A\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE", 10);
    const std::string be("\0A\0\xE9\x20\xAC\xD8\x3D\xDE\x00", 10);
    EXPECT_EQ(Utf8ToUtf16(utf8, false), le);
    EXPECT_EQ(Utf8ToUtf16(utf8, true), be);
    EXPECT_EQ(Utf16ToUtf8(le, false), utf8);
    EXPECT_EQ(Utf16ToUtf8(be, true), utf8);
}

TEST(TextEncoding, MalformedUtf16BecomesReplacementCharacter) {
    struct Case {
        std::string le;
        std::string utf8;
    };
    const Case cases[] = {
        {std::string("\x3D\xD8", 2), "\uFFFD"},              // high surrogate at the end
        {std::string("\x3D\xD8" "A\0", 4), "\uFFFDA"},       // high surrogate, then no low one
        {std::string("\x00\xDE" "A\0", 4), "\uFFFDA"},       // low surrogate alone
        {std::string("A\0B", 3), "A\uFFFD"},                 // odd byte count
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.le, false), c.utf8);
    EXPECT_EQ(Utf8ToUtf16("\xFF", false), std::string("\xFD\xFF", 2));
}

TEST(TextEncoding, FileTextCarriesItsMark) {
    TEncoding found = TEncoding::Ansi;
    EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE" "A\0", 4), found), "A");
    EXPECT_EQ(found, TEncoding::UTF16LE);
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xC3\xB6", found), "ö");
    EXPECT_EQ(found, TEncoding::UTF8);
    EXPECT_EQ(DecodeFileText("\xF6", found), "ö");
    EXPECT_EQ(found, TEncoding::Ansi);

    EXPECT_EQ(EncodeFileText("ö", TEncoding::Ansi), "\xF6");
    EXPECT_EQ(EncodeFileText("ö", TEncoding::UTF8), "\xEF\xBB\xBF\xC3\xB6");
    EXPECT_EQ(EncodeFileText("ö", TEncoding::UTF16BE), std::string("\xFE\xFF\0\xF6", 4));
}
