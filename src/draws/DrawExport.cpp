// The two text exports of the history: every draw as one line into a file
// the user chooses, and the draws of the analysed period into one file per
// date. Each file's text is built before it is written, and each file is
// written whole.

#include "app/LottoZahlen.h"
#include "draws/DrawEditing.h"
#include "draws/DrawFile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <utility>
#include <vector>

namespace {

void WriteWhole(const std::string& path, const std::string& text) {
    if (!WriteFileAtomically(path, text)) throw EInOutError(errno != 0 ? errno : InOutCode::DiskWrite);
}

// The dialog's settings the tip commands rely on, put back on every path.
class KeptDialogSettings {
public:
    explicit KeptDialogSettings(TSaveDialog& dialog)
        : dialog_(dialog), fileName_(dialog.FileName), filter_(dialog.Filter), defaultExt_(dialog.DefaultExt),
          filterIndex_(dialog.FilterIndex) {}
    ~KeptDialogSettings() {
        dialog_.FileName = fileName_;
        dialog_.Filter = filter_;
        dialog_.DefaultExt = defaultExt_;
        dialog_.FilterIndex = filterIndex_;
    }
    KeptDialogSettings(const KeptDialogSettings&) = delete;
    KeptDialogSettings& operator=(const KeptDialogSettings&) = delete;

private:
    TSaveDialog& dialog_;
    std::string fileName_, filter_, defaultExt_;
    int filterIndex_;
};

}  // namespace

void TForm1::BitBtn3Click(TObject*) {
    TSaveDialog& dialog = *SaveDialog1;
    const KeptDialogSettings kept(dialog);
    dialog.FileName = Home + "Zahlen.txt";
    if (!dialog.Execute()) return;
    const std::string target = dialog.FileName;

    std::string text;
    DrawScan scan(Home + ZahlenFile);
    while (const DrawRecord* record = scan.Next()) text += DrawTextLine(*record) + "\r\n";
    scan.Close();
    WriteWhole(target, text);
}

void TForm1::SpeedButton14Click(TObject*) {
    const TDateTime after = DateOf(DateTimePicker2->Date());
    const TDateTime upTo = DateOf(DateTimePicker1->Date());

    // A run of records of one date goes into one file; a later run of the
    // same date (a history out of order) starts that file anew.
    std::vector<std::pair<TDateTime, std::string>> files;
    DrawScan scan(Home + ZahlenFile);
    while (const DrawRecord* record = scan.Next()) {
        if (record->Datum <= after || record->Datum > upTo) continue;
        if (files.empty() || files.back().first != record->Datum) files.emplace_back(record->Datum, std::string());
        files.back().second += PerDateLine(*record, FormatSettings()) + "\r\n";
    }
    scan.Close();
    for (const auto& [date, text] : files) WriteWhole(Home + PerDateFileName(date), text);
}
