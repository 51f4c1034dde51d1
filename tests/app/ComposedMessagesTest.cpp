// The texts composed from two or more messages, read in every shipped
// language as the program composes them: no word or phrase may stand on both
// sides of a seam ("…be carried out from 01.01.2025 be carried out??").

#include "app/ComposedMessages.h"
#include "app/LanguageFiles.h"
#include "app/MessageTable.h"
#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <wctype.h>
#include <locale.h>
#include <regex>
#include <string>
#include <vector>

namespace {

std::u32string Utf32(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n && i + static_cast<size_t>(k) < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
        out += cp;
        i += static_cast<size_t>(n);
    }
    return out;
}

bool IsHan(char32_t c) { return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF); }

bool IsWordCharacter(char32_t c) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return c >= 0x80 ? iswalnum_l(static_cast<wint_t>(c), utf8) != 0 : std::isalnum(static_cast<int>(c)) != 0;
}

char32_t Lower(char32_t c) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8));
}

// The words of a message, lower case, without punctuation; a Chinese
// character is a word of its own. Words with digits are values, not words.
std::vector<std::u32string> Words(const std::string& text) {
    std::vector<std::u32string> words;
    std::u32string word;
    bool digits = false;
    auto end = [&] {
        if (!word.empty() && !digits) words.push_back(word);
        word.clear();
        digits = false;
    };
    for (char32_t c : Utf32(text)) {
        if (IsHan(c)) {
            end();
            words.push_back(std::u32string(1, c));
        } else if (IsWordCharacter(c) || c == '\'' || c == '-') {
            if (c >= '0' && c <= '9') digits = true;
            word += Lower(c);
        } else {
            end();
        }
    }
    end();
    return words;
}

std::string Utf8(const std::u32string& s) {
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// What is doubled at the seam between two messages: the same word on both
// sides of it, a pair of words of the second that the first already has, or
// a long word (a verb, a noun) that both have.
std::string DoubledAtSeam(const std::string& left, const std::string& right) {
    const std::vector<std::u32string> a = Words(left), b = Words(right);
    if (a.empty() || b.empty()) return {};
    if (a.back() == b.front()) return Utf8(b.front());
    for (size_t j = 0; j + 1 < b.size(); ++j)
        for (size_t i = 0; i + 1 < a.size(); ++i)
            if (a[i] == b[j] && a[i + 1] == b[j + 1]) return Utf8(b[j] + U" " + b[j + 1]);
    for (const std::u32string& word : b)
        if (word.size() >= 5 && std::find(a.begin(), a.end(), word) != a.end()) return Utf8(word);
    return {};
}

// A punctuation mark twice with only blanks between (": :"), as a message
// that ends in the mark the program puts after it gives.
bool DoublesAPunctuationMark(const std::string& text) {
    static const std::regex doubled(R"(([.,:;!?])\s+\1)");
    return std::regex_search(text, doubled);
}

TEST(SeamCheck, FindsAWordOrAPhraseOnBothSidesAndPassesTheOthers) {
    struct Case {
        const char *left, *right, *doubled;
    };
    const Case cases[] = {
        {"Shall the analysis now be carried out from ", "be carried out??", "be carried"},
        {"rebuild them from ", " from the Internet??", "from"},
        {"Soll die Analyse jetzt ab dem ", "durchgeführt werden??", ""},
        {"Ein Treffer gefunden am", "Weiter?", ""},
        {"Ziehungen : ", "Paare gefunden :  ", ""},
        {"Выполнить анализ с ", "Анализ?", "анализ"},
        {"现在开始执行分析从", "执行分析吗？", "执 行"},
        {"Faut-il effectuer l'analyse à partir du ", "effectuer ??", "effectuer"},
        {"Ziehung 2025", "2025 Ziehungen", ""},  // values are no words
    };
    for (const Case& c : cases) EXPECT_EQ(DoubledAtSeam(c.left, c.right), c.doubled) << c.left << "|" << c.right;
    EXPECT_TRUE(DoublesAPunctuationMark("Találat ekkor: :  01.01.2025. Tovább?"));
    EXPECT_FALSE(DoublesAPunctuationMark("Ein Treffer gefunden am :  01.01.2025. Weiter?"));
    EXPECT_FALSE(DoublesAPunctuationMark("durchgeführt werden??"));
}

std::vector<std::string> MessagesOf(const std::string& code) {
    if (code.empty()) return BuiltInMessages();
    TStringList lines;
    lines.LoadFromFile(std::string(STELLIX_PROGRAM_DIR) + "/land/meldungen.txt." + code);
    return std::vector<std::string>(lines.begin(), lines.end());
}

TEST(ComposedMessages, NoWordIsDoubledAtASeamInAnyLanguage) {
    std::vector<std::string> codes{""};  // the built-in table
    for (const Language& l : Languages()) codes.push_back(l.Code);
    for (const std::string& code : codes) {
        const std::vector<std::string> table = MessagesOf(code);
        ASSERT_GE(table.size(), 69u) << code;
        auto message = [&](int n) { return n < static_cast<int>(table.size()) ? table[static_cast<size_t>(n)] : ""; };
        for (const MessageComposition& c : MessageCompositions()) {
            const std::string text = c.Compose(message);
            SCOPED_TRACE((code.empty() ? "built-in" : code) + ", " + c.Name + ": \"" + text + "\"");
            // The messages stand in the text in the order listed.
            size_t at = 0;
            for (int n : c.Messages) {
                ASSERT_FALSE(message(n).empty()) << "message " << n;
                at = text.find(message(n), at);
                ASSERT_NE(at, std::string::npos) << "message " << n;
                at += message(n).size();
            }
            EXPECT_FALSE(DoublesAPunctuationMark(text));
            for (size_t i = 0; i + 1 < c.Messages.size(); ++i)
                EXPECT_EQ(DoubledAtSeam(message(c.Messages[i]), message(c.Messages[i + 1])), "")
                    << "messages " << c.Messages[i] << " and " << c.Messages[i + 1];
        }
    }
}

}  // namespace
