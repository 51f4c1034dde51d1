// The language menu: a language is applied by loading its files from the
// program folder's "land/"; the export writes the windows' current texts as
// a base file and a translator's file.

#include "app/LanguageFiles.h"
#include "app/LottoZahlen.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <memory>

namespace {

constexpr const char* kLanguageFolder = "land/";
constexpr const char* kBaseFile = "Stellix.txt";

// Every window of the application, in creation order.
std::vector<TForm*> windows() {
    std::vector<TForm*> result;
    for (TComponent* c : Application->ComponentList())
        if (auto* form = dynamic_cast<TForm*>(c)) result.push_back(form);
    return result;
}

}  // namespace

void TForm1::SpracheSetzen() {
    if (const Language* language = LanguageByNumber(sprache)) {
        // A language whose files cannot be read is reported, and the start
        // goes on in the texts it has: the draw is still shown and the
        // update still runs. The stored choice stays for the next start.
        Application->Invoke([&] { chooseLanguage(*language); });
    }
    SpeedButton5Click(this);
    SpeedButton2Click(this);
}

void TForm1::chooseLanguage(const Language& language) {
    std::vector<bool> checked;
    for (TMenuItem* item : LanguageItems) checked.push_back(item->Checked());
    for (size_t i = 0; i < Languages().size(); ++i)
        LanguageItems[i]->SetChecked(&Languages()[i] == &language);
    try {
        DateiLaden1Click(Home + kLanguageFolder + kBaseFile, language.Code);
    } catch (...) {
        // The texts are those of the language before: so is the check mark.
        for (size_t i = 0; i < checked.size(); ++i) LanguageItems[i]->SetChecked(checked[i]);
        throw;
    }
    sprache = language.Number;
}

void TForm1::languageItemClicked(int index) {
    // A switch would replace the texts a running command keeps its state in
    // (the calculate button's caption and its message).
    if (LongCommandRunning()) return;
    chooseLanguage(Languages()[static_cast<size_t>(index)]);
}

void TForm1::Deutsch1Click(TObject*) { languageItemClicked(0); }
void TForm1::Englich1Click(TObject*) { languageItemClicked(1); }
void TForm1::Franz1Click(TObject*) { languageItemClicked(2); }
void TForm1::Spanisch1Click(TObject*) { languageItemClicked(3); }
void TForm1::Italenisch1Click(TObject*) { languageItemClicked(4); }
void TForm1::Russisch1Click(TObject*) { languageItemClicked(5); }
void TForm1::rkisch1Click(TObject*) { languageItemClicked(6); }
void TForm1::Niederlndisch1Click(TObject*) { languageItemClicked(7); }
void TForm1::Polnisch1Click(TObject*) { languageItemClicked(8); }
void TForm1::schechisch1Click(TObject*) { languageItemClicked(9); }
void TForm1::Slowakisch1Click(TObject*) { languageItemClicked(10); }
void TForm1::Ungarisch1Click(TObject*) { languageItemClicked(11); }
void TForm1::Grischisch1Click(TObject*) { languageItemClicked(12); }
void TForm1::Schwedisch1Click(TObject*) { languageItemClicked(13); }
void TForm1::Norwegisch1Click(TObject*) { languageItemClicked(14); }
void TForm1::Finnisch1Click(TObject*) { languageItemClicked(15); }
void TForm1::Dnisch1Click(TObject*) { languageItemClicked(16); }
void TForm1::Portugisisch1Click(TObject*) { languageItemClicked(17); }
void TForm1::Chinese1Click(TObject*) { languageItemClicked(18); }

void TForm1::DateiLaden1Click(const std::string& Dateiname, const std::string& Sprache) {
    if (!FileExists(Dateiname)) return;
    // Every file is read before any text changes: one that cannot be read
    // leaves the windows in the texts they had, never half in one language.
    TStringList base;
    base.LoadFromFile(Dateiname);
    const std::string translationName = Dateiname + "." + Sprache;
    const bool translated = FileExists(translationName);
    TStringList translation;
    if (translated) translation.LoadFromFile(translationName);
    const std::string folder = ExtractFilePath(Dateiname);
    const std::string radioName = folder + "Radio.txt." + Sprache;
    const bool radio = FileExists(radioName);
    TStringList radioItems;
    if (radio) radioItems.LoadFromFile(radioName);
    const std::string messagesName = folder + "meldungen.txt." + Sprache;
    const bool messages = FileExists(messagesName);
    TStringList messageLines;
    if (messages) messageLines.LoadFromFile(messagesName);

    Memo1->WordWrap = false;
    Memo1->Lines() = base;
    if (translated) {
        RichEdit1->WordWrap = false;
        RichEdit1->Lines() = translation;
    }
    auto texts = std::make_shared<const LanguageTexts>(
        ReadLanguageTexts(Memo1->Lines(), translated ? &RichEdit1->Lines() : nullptr));
    const std::vector<TForm*> reached = windows();
    LoadLanguageTexts(reached, *texts);
    // A window made later, for one use, is given the same texts before it
    // shows.
    Application->GiveWindowTexts = [texts](TForm& window) { LoadWindowTexts(window, *texts); };
    Application->WindowTextsChanged(reached);
    if (radio) {
        ApplyRadioItems(*RadioGroup1, radioItems);
        ApplyRadioItems(*RadioGroup2, radioItems);
    }
    if (messages) Memo2->Lines() = messageLines;
    Application->Services().LanguageChanged(QtLanguageName(Sprache));
}

void TForm1::Dateispeichern1Click(TObject*) {
    if (LongCommandRunning()) return;
    TSaveDialog& dialog = *SaveDialog1;
    const std::string keptName = dialog.FileName, keptFilter = dialog.Filter, keptExt = dialog.DefaultExt;
    // Its own name in the program folder: the dialog's last name is a tip
    // file, which the export must not offer to overwrite.
    dialog.FileName = Home + "Sprache.txt";
    dialog.Filter = "Textdatei|*.txt";
    dialog.DefaultExt = "txt";
    const bool chosen = dialog.Execute();
    const std::string fileName = dialog.FileName;
    dialog.FileName = keptName;
    dialog.Filter = keptFilter;
    dialog.DefaultExt = keptExt;
    if (!chosen) return;

    const std::vector<LanguageRecord> records = ExportWindows(windows(), FormatSettings());
    TStringList base;
    base.SetEncoding(TEncoding::Ansi);
    WriteBaseFile(records, base);
    RichEdit1->Lines().Clear();
    RichEdit1->PlainText = true;
    for (const LanguageRecord& r : records) {
        RichEdit1->Lines().Add(r.Caption);
        RichEdit1->Lines().Add(r.Hint);
    }
    // Each file stands alone: a failure of one is shown and the other is
    // still written.
    Application->Invoke([&] { base.SaveToFile(fileName); });
    Application->Invoke([&] {
        TStringList trans(RichEdit1->Lines());
        trans.SetEncoding(TEncoding::UTF16LE);
        trans.SaveToFile(fileName + ".trans");
    });
}
