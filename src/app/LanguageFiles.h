#pragma once
// The language files: the base file lists every translatable control of the
// windows with its texts, five lines a record; a translation file holds two
// lines (caption, hint) for each base record in the same order. The loader
// and the base file stay in step through a search over the next eleven
// records, so records of controls added or dropped since are tolerated.

#include "platform/forms/Component.h"
#include "platform/forms/Form.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A language of the menu: its item, the suffix of its files and the number
// stored as the chosen language.
struct Language {
    const char* Item;
    const char* Code;
    int Number;
};

// The 19 languages in menu order (the numbers are not in menu order).
const std::array<Language, 19>& Languages();
// The language stored under a number, or nullptr.
const Language* LanguageByNumber(int number);

// The locale name of a language code for the platform's own dialogs ("cz"
// is "cs", "cn" is "zh_CN"; most codes are their own).
std::string QtLanguageName(const std::string& code);

// What a language load and the export do with a component.
enum class TextKind {
    None,       // not translatable
    Window,     // a window's own record
    MenuItem,
    Label,      // caption only when its Tag is 0
    CheckBox,
    Captioned,  // panel, the buttons, a window owned by another window
    Always,     // radio button, page, radio group: always exported
    Edit,       // its text is data: only the hint
};
TextKind KindOf(const TComponent& component);

struct LanguageRecord {
    std::string Window;
    std::string Control;
    std::string Caption;
    std::string Hint;
    std::string Charset;
};

// A line as the loader reads it: at most 4096 characters.
std::string LanguageLine(const TStringList& lines, int index);

// The records of a base file's lines; an incomplete last record is ignored.
std::vector<LanguageRecord> ParseBaseFile(const TStringList& lines);
// The base file's lines of records.
void WriteBaseFile(const std::vector<LanguageRecord>& records, TStringList& lines);

// Finds the record of a window and a control among the eleven records from
// the position of the last match on (at first, from `start`).
class RecordSearch {
public:
    explicit RecordSearch(const std::vector<LanguageRecord>& records, size_t start = 0)
        : records_(records), position_(start) {}
    // The index of the matching record, or -1 (the position is kept).
    int Find(std::string_view window, std::string_view control);

private:
    const std::vector<LanguageRecord>& records_;
    size_t position_;
};

// Blanks and control characters trimmed at both ends, as names are compared.
std::string_view TrimName(std::string_view s);

// The record the export writes for a component of a window (or the window's
// own record), or false when the export leaves it out. "Is a number" follows
// the given number format.
bool ExportRecord(const TComponent& component, const TForm& window, const TFormatSettings& format,
                  LanguageRecord& record);

// The records of every window in creation order: each window's own record,
// then its components' in component-list order.
std::vector<LanguageRecord> ExportWindows(const std::vector<TForm*>& windows, const TFormatSettings& format);

// The texts of a language as a load reads them: the base file's records
// and, where the language has one, the translation file's lines.
struct LanguageTexts {
    std::vector<LanguageRecord> Records;
    bool Translated = false;
    TStringList Translation;
};
LanguageTexts ReadLanguageTexts(const TStringList& base, const TStringList* translation);

// Gives every window and its translatable components the texts of a base
// file's lines, or of a translation file's lines where one is given.
void LoadLanguageTexts(const std::vector<TForm*>& windows, const TStringList& base, const TStringList* translation);
void LoadLanguageTexts(const std::vector<TForm*>& windows, const LanguageTexts& texts);
// The same for one window made after the load (one of those made for a
// single use): its records stand where the windows of its name stood in the
// load, so the search starts at the first record of its name.
void LoadWindowTexts(TForm& window, const LanguageTexts& texts);

class TRadioGroup;
// The star options' items from a radio items file: its first three lines,
// a missing line keeping its item; the selected index stays.
void ApplyRadioItems(TRadioGroup& group, const TStringList& items);

// The texts a load gives one component; a missing text keeps the control's.
struct ControlTexts {
    const std::string* Caption = nullptr;
    const std::string* Hint = nullptr;
    const std::string* Charset = nullptr;
};
// Sets them as the kind of component takes them. A character-set line that
// is not a whole number ends the settings of that component there.
void ApplyTexts(TComponent& component, const ControlTexts& texts);
