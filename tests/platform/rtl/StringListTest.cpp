#include "platform/rtl/StringList.h"

#include "platform/rtl/Convert.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const TStringList& list) { return Lines(list.begin(), list.end()); }

TStringList listOf(const Lines& lines) {
    TStringList list;
    for (const auto& line : lines) list.Add(line);
    return list;
}

}  // namespace

TEST(StringList, SetTextSplitsAtEveryLineEnd) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR is two line ends
        {"\n\n\n", {"", "", ""}},
        {"\r\r", {"", ""}},
        {"\na\r\nb", {"", "a", "b"}},
        {"a\r\n\r\n\r\nb", {"a", "", "", "b"}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.Add("old");
        list.SetText(c.text);
        EXPECT_EQ(linesOf(list), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
    EXPECT_EQ(TStringList().Text(), "");
    EXPECT_EQ(listOf({"a", "", "b"}).Text(), "a\r\n\r\nb\r\n");
}

TEST(StringList, EditingKeepsIndicesStraight) {
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("d"), 1);
    list.Insert(0, "a");
    list.Insert(2, "c");
    list.Insert(list.Count(), "e");
    EXPECT_EQ(linesOf(list), (Lines{"a", "b", "c", "d", "e"}));

    list.Delete(1);
    list.Exchange(0, 3);
    list.SetStrings(1, "C");
    list.SetStrings(2, "D");
    EXPECT_EQ(linesOf(list), (Lines{"e", "C", "D", "a"}));
    EXPECT_EQ(list.Strings(3), "a");

    EXPECT_EQ(list.IndexOf("D"), 2);
    EXPECT_EQ(list.IndexOf("d"), -1);  // exact, not case-insensitive
    EXPECT_EQ(list.IndexOf(""), -1);

    list.Sort();
    EXPECT_EQ(linesOf(list), (Lines{"C", "D", "a", "e"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexOutsideTheListRaises) {
    TStringList list = listOf({"a", "b"});
    EXPECT_THROW(list.Strings(2), EStringListError);
    EXPECT_THROW(list.Strings(-1), EStringListError);
    EXPECT_THROW(list[2], EStringListError);
    EXPECT_THROW(list.Insert(3, "x"), EStringListError);
    EXPECT_THROW(list.Delete(2), EStringListError);
    EXPECT_THROW(list.Exchange(0, 2), EStringListError);
    EXPECT_EQ(linesOf(list), (Lines{"a", "b"}));
}

class StringListFile : public testing::Test {
protected:
    TempDir dir;
    std::string in = dir.file("in.txt");
    std::string out = dir.file("out.txt");
};

// A file saved back keeps its encoding and byte-order mark, byte for byte.
TEST_F(StringListFile, RoundTripKeepsEncodingAndMark) {
    struct Case {
        TEncoding encoding;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {TEncoding::Ansi, "Gr\xF6\xDF" "e\r\nzwei\r\n", {"Größe", "zwei"}},
        {TEncoding::Ansi, "", {}},
        {TEncoding::Ansi, "3\t14\r\n\r\nzwei\r\n", {"3\t14", "", "zwei"}},
        {TEncoding::UTF8, "\xEF\xBB\xBFGröße\r\nПривет\r\n", {"Größe", "Привет"}},
        {TEncoding::UTF8, "\xEF\xBB\xBF", {}},
        {TEncoding::UTF16LE, std::string("\xFF\xFE" "\x1F\x04\r\0\n\0" "\x3D\xD8\x00\xDE\r\0\n\0", 16),
         {"П", "😀"}},
        {TEncoding::UTF16BE, std::string("\xFE\xFF" "\x04\x1F\0\r\0\n" "\xD8\x3D\xDE\x00\0\r\0\n", 16),
         {"П", "😀"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        writeFileBytes(in, c.bytes);
        TStringList list;
        list.LoadFromFile(in);
        EXPECT_EQ(list.Encoding(), c.encoding);
        EXPECT_EQ(linesOf(list), c.lines);
        list.SaveToFile(out);
        EXPECT_EQ(readFileBytes(out), c.bytes);
    }
}

TEST_F(StringListFile, NewListSavesAnsi) {
    listOf({"Größe"}).SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), "\x47\x72\xF6\xDF\x65\r\n");
}

TEST_F(StringListFile, CharacterOutsideAnsiSavesUtf8WithMark) {
    TStringList list = listOf({"Größe", "Привет"});
    list.SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), "\xEF\xBB\xBFGröße\r\nПривет\r\n");
    EXPECT_EQ(list.Encoding(), TEncoding::Ansi);

    // Once the foreign line is gone, the file is plain Ansi again.
    list.Delete(1);
    list.SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), "Gr\xF6\xDF" "e\r\n");
}

// A long list is saved a block of lines at a time: what a line far down
// holds decides for the whole file as in a short one.
TEST_F(StringListFile, ALongListSavesAsItsTextWouldBeSaved) {
    Lines lines(200000, "Größe\t3\t14\t22\t30\t41\t\t\t2\t9");
    for (const char* last : {"ÿ", "Привет"}) {
        SCOPED_TRACE(last);
        lines.back() = last;
        TStringList list = listOf(lines);
        list.SaveToFile(out);
        EXPECT_EQ(readFileBytes(out), EncodeFileTextLossless(list.Text(), TEncoding::Ansi));
        TStringList again;
        again.LoadFromFile(out);
        EXPECT_EQ(linesOf(again), lines);
        EXPECT_EQ(again.Encoding(), std::string(last) == "ÿ" ? TEncoding::Ansi : TEncoding::UTF8);
        again.SaveToFile(out);
        EXPECT_EQ(readFileBytes(out), EncodeFileTextLossless(list.Text(), again.Encoding()));
    }
}

// Ansi text whose first bytes read as a byte-order mark would load back as
// UTF-16 or UTF-8 garbage; it is saved as UTF-8 with its mark instead.
TEST_F(StringListFile, AnsiTextBeginningLikeAMarkSavesAsUtf8) {
    for (const char* prefix : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(prefix)));
        const std::string first = AnsiToUtf8(prefix) + "\t3\t14";
        writeFileBytes(in, std::string(" ") + prefix + "\t3\t14\r\nzwei\r\n");
        TStringList list;
        list.LoadFromFile(in);
        ASSERT_EQ(list.Encoding(), TEncoding::Ansi);
        list.SetStrings(0, Trim(list[0]));
        ASSERT_EQ(list[0], first);
        list.SaveToFile(out);
        EXPECT_EQ(readFileBytes(out), "\xEF\xBB\xBF" + first + "\r\nzwei\r\n");
        TStringList again;
        again.LoadFromFile(out);
        EXPECT_EQ(linesOf(again), (Lines{first, "zwei"}));
    }
    // Only the very start counts.
    listOf({"a\xC3\xBF\xC3\xBE"}).SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), "a\xFF\xFE\r\n");
}

TEST_F(StringListFile, MixedLineEndsLoadAsLinesAndSaveAsCrLf) {
    writeFileBytes(in, "a\r\nb\nc\rd");
    TStringList list;
    list.LoadFromFile(in);
    EXPECT_EQ(linesOf(list), (Lines{"a", "b", "c", "d"}));
    list.SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), "a\r\nb\r\nc\r\nd\r\n");
}

// A file's lines, whatever ends them, with the middle one edited to a
// longer and to a shorter one, save as CR LF lines and load back as edited.
TEST_F(StringListFile, AMiddleLineEditedSavesAndLoadsBack) {
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"CR LF", "3\t14\r\n\r\n22\t30\r\n", {"3\t14", "", "22\t30"}},
        {"LF, last line without an end", "3\t14\n\n22\t30", {"3\t14", "", "22\t30"}},
        {"CR", "3\t14\r\r22\t30\r", {"3\t14", "", "22\t30"}},
        {"empty lines only", "\n\n\n", {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFileBytes(in, c.bytes);
        TStringList list;
        list.LoadFromFile(in);
        ASSERT_EQ(linesOf(list), c.lines);
        for (const std::string middle : {"1\t2\t3\t4\t5\t\t\t6\t7", ""}) {
            Lines edited = c.lines;
            edited[1] = middle;
            list.SetStrings(1, middle);
            EXPECT_EQ(linesOf(list), edited);
            list.SaveToFile(out);
            std::string text;
            for (const std::string& line : edited) text += line + "\r\n";
            EXPECT_EQ(readFileBytes(out), text);
            TStringList again;
            again.LoadFromFile(out);
            EXPECT_EQ(linesOf(again), edited);
        }
    }
}

TEST_F(StringListFile, UndefinedAnsiBytesSurvive) {
    const std::string bytes = "x\x81\x8D\x8F\x90\x9Dy\x80\r\n";
    writeFileBytes(in, bytes);
    TStringList list;
    list.LoadFromFile(in);
    EXPECT_EQ(list[0], "x\u0081\u008D\u008F\u0090\u009Dy€");
    list.SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), bytes);
}

TEST_F(StringListFile, LoadReplacesLinesAndEncoding) {
    writeFileBytes(in, "\xEF\xBB\xBFone\r\ntwo\r\n");
    TStringList list;
    list.LoadFromFile(in);
    writeFileBytes(in, "three");
    list.LoadFromFile(in);
    EXPECT_EQ(linesOf(list), (Lines{"three"}));
    EXPECT_EQ(list.Encoding(), TEncoding::Ansi);
}

TEST_F(StringListFile, ChosenEncodingIsWritten) {
    TStringList list = listOf({"ö"});
    list.SetEncoding(TEncoding::UTF16LE);
    list.SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), std::string("\xFF\xFE\xF6\0\r\0\n\0", 8));
}

TEST_F(StringListFile, UnreadableFileRaisesWithPathAndKeepsLines) {
    TStringList list = listOf({"kept"});
    const std::string missing = dir.file("fehlt.txt");
    try {
        list.LoadFromFile(missing);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
    }
    EXPECT_THROW(list.LoadFromFile(dir.home()), EFOpenError);  // a folder
    EXPECT_EQ(linesOf(list), (Lines{"kept"}));
}

TEST_F(StringListFile, UncreatableFileRaisesWithPath) {
    const std::string target = dir.file("no-such-folder/out.txt");
    try {
        listOf({"x"}).SaveToFile(target);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_NE(e.Message().find(target), std::string::npos) << e.Message();
    }
}

// A save goes through a temporary file: the old text is replaced whole or
// not at all, and nothing is left beside it.
TEST_F(StringListFile, SavingReplacesTheFileWholeOrNotAtAll) {
    writeFileBytes(out, "alt\r\n");
    listOf({"neu", "zwei"}).SaveToFile(out);
    EXPECT_EQ(readFileBytes(out), "neu\r\nzwei\r\n");
    const std::string folder = dir.file("folder.txt");
    std::filesystem::create_directory(folder);
    EXPECT_THROW(listOf({"x"}).SaveToFile(folder), EFCreateError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.txt", "out.txt"}));

    // Through a link: the file it names takes the text and keeps its rights.
    const std::string link = dir.file("link.txt");
    std::filesystem::create_symlink(out, link);
    std::filesystem::permissions(out, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    listOf({"über den Link"}).SaveToFile(link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFileBytes(out), "\xFC" "ber den Link\r\n");
    EXPECT_EQ(std::filesystem::status(out).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(StringList, ChangesNotifyButCopiesDoNotTakeTheHandler) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.Add("a");
    list.Insert(0, "b");
    list.SetStrings(1, "c");
    list.Delete(0);
    list.SetText("x\ny");
    list.Clear();
    EXPECT_EQ(changes, 6);

    TStringList other;
    other.Add("z");
    list = other;
    EXPECT_EQ(changes, 7);
    EXPECT_EQ(list.Count(), 1);
    TStringList copy(list);
    EXPECT_FALSE(copy.OnChange);
    copy.Add("w");
    EXPECT_EQ(changes, 7);
}

TEST(StringList, SaysWhatEachChangeDidAndReportsAnUpdateAsOneChange) {
    TStringList list = listOf({"a", "b"});
    std::vector<TStringListChange> changes;
    list.OnChange = [&] { changes.push_back(list.LastChange()); };
    list.Add("c");
    list.Insert(1, "d");
    list.SetStrings(0, "e");
    list.Delete(2);
    list.Sort();
    ASSERT_EQ(changes.size(), 5u);
    const auto same = [](const TStringListChange& c, bool whole, int index, int removed, int inserted) {
        return c.Whole == whole && (whole || (c.Index == index && c.Removed == removed && c.Inserted == inserted));
    };
    EXPECT_TRUE(same(changes[0], false, 2, 0, 1));
    EXPECT_TRUE(same(changes[1], false, 1, 0, 1));
    EXPECT_TRUE(same(changes[2], false, 0, 1, 1));
    EXPECT_TRUE(same(changes[3], false, 2, 1, 0));
    EXPECT_TRUE(same(changes[4], true, 0, 0, 0));

    changes.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Clear();
    list.Add("x");
    list.EndUpdate();
    EXPECT_TRUE(changes.empty());
    list.EndUpdate();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].Whole);
    EXPECT_EQ(linesOf(list), Lines{"x"});
    list.BeginUpdate();
    list.EndUpdate();
    list.EndUpdate();  // one too many changes nothing
    EXPECT_EQ(changes.size(), 1u);
}
