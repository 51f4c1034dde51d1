// Saving the tips of the current view as a tip file or a Win2Day file, and
// loading a tip file into the grid or the list.

#include "app/LottoZahlen.h"
#include "output/TipFileFormat.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringList.h"

namespace {

const char* const kTipFolder = "Tipps/";

TipFields rowTexts(const TipRow& row) {
    TipFields texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = row.Edits[i]->Text();
    return texts;
}

bool rowFilled(const TipRow& row) { return !row.Number(0)->Text().empty(); }

std::string tipFolder(const TForm1& form) {
    const std::string folder = form.Home + kTipFolder;
    ForceDirectories(folder);
    return folder;
}

void writeTipGrid(const TForm1& form, const std::string& path) {
    TStringList file;
    for (const TipRow& row : form.TipRows())
        if (rowFilled(row)) file.Add(TipFileLine(rowTexts(row)));
    file.SaveToFile(path);
}

// Every tip is converted before anything is written, and the file appears
// under its name only once it is complete: a bad tip leaves no half file,
// and an export it replaces stays until the new one is whole.
void writeWin2Day(const TForm1& form, const std::string& path) {
    std::vector<std::vector<TipFields>> groups;
    if (form.Gewinnzahlen->Visible()) {
        const TStringList& list = form.Gewinnzahlen->Items();
        groups = Win2DayListGroups({list.begin(), list.end()});
    } else {
        std::array<std::optional<TipFields>, kTipRows> rows;
        for (int r = 0; r < kTipRows; ++r)
            if (rowFilled(form.Row(r))) rows[static_cast<size_t>(r)] = rowTexts(form.Row(r));
        groups = Win2DayGridGroups(rows);
    }
    TStringList file;
    for (const std::string& line : Win2DayLines(groups)) file.Add(line);

    const std::string temporary = path + ".~tmp";
    try {
        file.SaveToFile(temporary);
    } catch (const EFCreateError&) {
        DeleteFile(temporary);
        throw EFCreateError(path);
    }
    if (!RenameFile(temporary, path)) {
        DeleteFile(temporary);
        throw EFCreateError(path);
    }
}

void loadTipList(TForm1& form, const std::string& path) {
    TStringList file;
    file.LoadFromFile(path);
    // The lines are made anew where they are, and the list takes them
    // without a copy: a long list is never held twice.
    file.RewriteLines([](std::string_view line, std::string& normalised) { normalised = NormalisedTipListLine(line); });
    form.Gewinnzahlen->Items().Assign(std::move(file));
    form.Listengewinncheck();
}

// The file is read before the rows are cleared, so a file that cannot be
// read costs no tips; a No to the clear question leaves the grid as it is.
void loadTipGrid(TForm1& form, const std::string& path) {
    TStringList file;
    file.LoadFromFile(path);
    if (!form.ClearTips()) return;
    for (int r = 0; r < kTipRows; ++r) {
        const TipFields fields = SplitTipFileLine(r < file.Count() ? file[r] : std::string());
        const TipRow& row = form.Row(r);
        for (size_t i = 0; i < fields.size(); ++i) row.Edits[i]->SetText(fields[i]);
    }
}

}  // namespace

void TForm1::SpeedButton15Click(TObject*) { SaveTips(); }

bool TForm1::SaveTips() {
    TSaveDialog& dialog = *SaveDialog1;
    const std::string keptDefaultExt = dialog.DefaultExt;
    const std::string keptFilter = dialog.Filter;
    // Offered name and default extension follow the entry the dialog opens
    // with, so that an export is never proposed as a tip file.
    const std::string offeredExt = SaveExtension(dialog.FilterIndex);
    dialog.InitialDir = tipFolder(*this);
    dialog.DefaultExt = offeredExt;
    dialog.Filter = kSaveFilter;
    dialog.FileName = DefaultTipFileName(DateTimePicker1->Date(), offeredExt);

    const bool chosen = dialog.Execute();
    if (chosen) {
        dialog.FileName = NameForSaveEntry(dialog.FileName, dialog.FilterIndex);
        if (dialog.FilterIndex == kWin2DayFilterEntry)
            writeWin2Day(*this, dialog.FileName);
        else if (Gewinnzahlen->Visible())
            Gewinnzahlen->Items().SaveToFile(dialog.FileName);
        else
            writeTipGrid(*this, dialog.FileName);
    }
    dialog.Filter = keptFilter;
    dialog.DefaultExt = keptDefaultExt;
    return chosen;
}

void TForm1::SpeedButton16Click(TObject* Sender) {
    TOpenDialog& dialog = *OpenDialog1;
    const std::string keptDefaultExt = dialog.DefaultExt;
    const std::string keptFilter = dialog.Filter;
    dialog.InitialDir = tipFolder(*this);
    dialog.FileName = SaveDialog1->FileName;
    dialog.DefaultExt = kTipFileExt;
    dialog.Filter = kLoadFilter;

    if (dialog.Execute()) {
        if (Gewinnzahlen->Visible())
            loadTipList(*this, dialog.FileName);
        else
            loadTipGrid(*this, dialog.FileName);
    }
    dialog.Filter = keptFilter;
    dialog.DefaultExt = keptDefaultExt;
    SpeedButton5Click(Sender);
}
