#include "app/LanguageFiles.h"

#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/rtl/Convert.h"

#include <cstring>

namespace {

constexpr size_t kMaxLineCharacters = 4096;
constexpr int kRecordLines = 5;
constexpr size_t kSearchWidth = 11;
// Menu items have no font of their own; their records carry the default set.
constexpr int kMenuItemCharset = 1;

const std::array<Language, 19> kLanguages{{
    {"Deutsch1", "de", 1},       {"Englich1", "en", 2},      {"Franz1", "fr", 3},
    {"Spanisch1", "es", 4},      {"Italenisch1", "it", 5},   {"Russisch1", "ru", 6},
    {"rkisch1", "tr", 7},        {"Niederlndisch1", "nl", 8}, {"Polnisch1", "pl", 9},
    {"schechisch1", "cz", 10},   {"Slowakisch1", "sk", 16},  {"Ungarisch1", "hu", 11},
    {"Grischisch1", "gr", 12},   {"Schwedisch1", "se", 13},  {"Norwegisch1", "nor", 14},
    {"Finnisch1", "fi", 17},     {"Dnisch1", "dae", 15},     {"Portugisisch1", "pt", 18},
    {"Chinese1", "cn", 19},
}};

bool isClass(const TComponent& c, const char* name) { return std::strcmp(c.ClassName(), name) == 0; }

bool isNumber(const std::string& text, const TFormatSettings& format) {
    double value = 0;
    return TryStrToFloat(text, value, format);
}

}  // namespace

const std::array<Language, 19>& Languages() { return kLanguages; }

const Language* LanguageByNumber(int number) {
    for (const Language& l : kLanguages)
        if (l.Number == number) return &l;
    return nullptr;
}

std::string QtLanguageName(const std::string& code) {
    static const std::pair<const char*, const char*> kRenamed[] = {
        {"cz", "cs"}, {"gr", "el"}, {"se", "sv"}, {"nor", "nb"}, {"dae", "da"}, {"cn", "zh_CN"}};
    for (const auto& [ours, locale] : kRenamed)
        if (code == ours) return locale;
    return code;
}

TextKind KindOf(const TComponent& c) {
    if (dynamic_cast<const TForm*>(&c))
        return dynamic_cast<const TForm*>(c.Owner()) ? TextKind::Captioned : TextKind::Window;
    if (isClass(c, "TMenuItem")) return TextKind::MenuItem;
    if (isClass(c, "TLabel")) return TextKind::Label;
    if (isClass(c, "TCheckBox")) return TextKind::CheckBox;
    if (isClass(c, "TPanel") || isClass(c, "TButton") || isClass(c, "TBitBtn") || isClass(c, "TSpeedButton"))
        return TextKind::Captioned;
    if (isClass(c, "TRadioButton") || isClass(c, "TTabSheet") || isClass(c, "TRadioGroup")) return TextKind::Always;
    if (isClass(c, "TEdit")) return TextKind::Edit;
    return TextKind::None;
}

std::string LanguageLine(const TStringList& lines, int index) {
    const std::string& line = lines.Strings(index);
    size_t characters = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;
        if (characters == kMaxLineCharacters) return line.substr(0, i);
        ++characters;
    }
    return line;
}

std::vector<LanguageRecord> ParseBaseFile(const TStringList& lines) {
    std::vector<LanguageRecord> records;
    const int complete = lines.Count() / kRecordLines;
    records.reserve(static_cast<size_t>(complete));
    for (int r = 0; r < complete; ++r) {
        const int at = r * kRecordLines;
        records.push_back({LanguageLine(lines, at), LanguageLine(lines, at + 1), LanguageLine(lines, at + 2),
                           LanguageLine(lines, at + 3), LanguageLine(lines, at + 4)});
    }
    return records;
}

void WriteBaseFile(const std::vector<LanguageRecord>& records, TStringList& lines) {
    lines.Clear();
    for (const LanguageRecord& r : records) {
        lines.Add(r.Window);
        lines.Add(r.Control);
        lines.Add(r.Caption);
        lines.Add(r.Hint);
        lines.Add(r.Charset);
    }
}

std::string_view TrimName(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

int RecordSearch::Find(std::string_view window, std::string_view control) {
    for (size_t r = position_; r < position_ + kSearchWidth && r < records_.size(); ++r) {
        if (TrimName(records_[r].Window) == window && TrimName(records_[r].Control) == control) {
            position_ = r;
            return static_cast<int>(r);
        }
    }
    return -1;
}

bool ExportRecord(const TComponent& c, const TForm& window, const TFormatSettings& format, LanguageRecord& record) {
    const TextKind kind = KindOf(c);
    if (kind == TextKind::None) return false;
    const bool own = &c == &window;
    record.Window = own || !c.Owner() ? c.Name() : c.Owner()->Name();
    record.Control = c.Name();
    if (kind == TextKind::MenuItem) {
        const auto& item = static_cast<const TMenuItem&>(c);
        if (!item.Visible()) return false;
        record.Caption = item.Caption();
        record.Hint = item.Hint();
        record.Charset = IntToStr(kMenuItemCharset);
        return true;
    }
    const auto* control = dynamic_cast<const TControl*>(&c);
    if (!control) return false;
    record.Caption = control->Caption();
    record.Hint = control->Hint();
    record.Charset = IntToStr(control->Font().Charset);
    const bool someText = !record.Caption.empty() || !record.Hint.empty();
    switch (kind) {
        case TextKind::Window:
        case TextKind::Captioned:
            return someText;
        case TextKind::Label:
            return someText && c.Tag() == 0 && !isNumber(record.Caption, format);
        case TextKind::CheckBox:
            return someText && !isNumber(record.Caption, format);
        case TextKind::Always:
            return true;
        case TextKind::Edit:
            if (record.Hint.empty() || isNumber(record.Hint, format)) return false;
            record.Caption = record.Hint;
            return true;
        default:
            return false;
    }
}

std::vector<LanguageRecord> ExportWindows(const std::vector<TForm*>& windows, const TFormatSettings& format) {
    std::vector<LanguageRecord> records;
    for (TForm* window : windows) {
        LanguageRecord record;
        if (ExportRecord(*window, *window, format, record)) records.push_back(record);
        for (TComponent* component : window->ComponentList()) {
            try {
                if (ExportRecord(*component, *window, format, record)) records.push_back(record);
            } catch (const std::exception&) {
                // A component that cannot be read is left out.
            }
        }
    }
    return records;
}

void ApplyTexts(TComponent& c, const ControlTexts& texts) {
    const TextKind kind = KindOf(c);
    if (kind == TextKind::None || c.Tag() == 8) return;
    if (kind == TextKind::MenuItem) {
        auto& item = static_cast<TMenuItem&>(c);
        if (texts.Caption) item.SetCaption(*texts.Caption);
        if (texts.Hint) item.SetHint(*texts.Hint);
        return;
    }
    auto* control = dynamic_cast<TControl*>(&c);
    if (!control) return;
    const bool setsCaption = kind != TextKind::Edit && (kind != TextKind::Label || c.Tag() == 0);
    if (texts.Caption && setsCaption) control->SetCaption(*texts.Caption);
    if (texts.Hint) control->SetHint(*texts.Hint);
    if (texts.Charset && kind != TextKind::Window) {
        int charset = 0;
        if (!TryStrToInt(*texts.Charset, charset)) return;
        if (control->Font().Charset != charset) {
            TFont font = control->Font();
            font.Charset = charset;
            control->SetFont(font);
        }
    }
}

namespace {

std::string lineOrNothing(const TStringList& lines, int index, bool& present) {
    present = index < lines.Count();
    return present ? LanguageLine(lines, index) : std::string();
}

}  // namespace

LanguageTexts ReadLanguageTexts(const TStringList& base, const TStringList* translation) {
    LanguageTexts texts;
    texts.Records = ParseBaseFile(base);
    texts.Translated = translation != nullptr;
    if (translation) texts.Translation = *translation;
    return texts;
}

namespace {

// Gives the windows their texts, searching their records from `start` on.
void loadTexts(const std::vector<TForm*>& windows, const LanguageTexts& texts, size_t start) {
    const std::vector<LanguageRecord>& records = texts.Records;
    const TStringList* translation = texts.Translated ? &texts.Translation : nullptr;
    RecordSearch search(records, start);
    auto apply = [&](TComponent& component, const std::string& window, bool own) {
        const int r = search.Find(window, component.Name());
        if (r < 0) return;
        const LanguageRecord& record = records[static_cast<size_t>(r)];
        ControlTexts given;
        std::string caption, hint;
        if (translation) {
            bool hasCaption = false, hasHint = false;
            caption = lineOrNothing(*translation, 2 * r, hasCaption);
            hint = lineOrNothing(*translation, 2 * r + 1, hasHint);
            if (hasCaption) given.Caption = &caption;
            if (hasHint) given.Hint = &hint;
        } else {
            // A window's own record sets no character set, whoever owns it.
            given = {&record.Caption, &record.Hint, own ? nullptr : &record.Charset};
        }
        try {
            ApplyTexts(component, given);
        } catch (const std::exception&) {
            // What could not be set stays as it was; the next control goes on.
        }
    };
    for (TForm* window : windows) {
        apply(*window, window->Name(), true);
        for (TComponent* component : window->ComponentList()) {
            if (KindOf(*component) == TextKind::None) continue;
            apply(*component, component->Owner() ? component->Owner()->Name() : std::string(), false);
        }
    }
}

}  // namespace

void LoadLanguageTexts(const std::vector<TForm*>& windows, const LanguageTexts& texts) { loadTexts(windows, texts, 0); }

void LoadLanguageTexts(const std::vector<TForm*>& windows, const TStringList& base, const TStringList* translation) {
    LoadLanguageTexts(windows, ReadLanguageTexts(base, translation));
}

void LoadWindowTexts(TForm& window, const LanguageTexts& texts) {
    const std::string_view name = window.Name();
    for (size_t r = 0; r < texts.Records.size(); ++r) {
        if (TrimName(texts.Records[r].Window) == name) {
            loadTexts({&window}, texts, r);
            return;
        }
    }
}

void ApplyRadioItems(TRadioGroup& group, const TStringList& items) {
    constexpr int kStarOptions = 3;
    const int selected = group.ItemIndex();
    for (int i = 0; i < kStarOptions && i < items.Count() && i < group.Items().Count(); ++i)
        group.Items().SetStrings(i, LanguageLine(items, i));
    group.SetItemIndex(selected);
}
