// Entering a draw by hand and deleting the shown draw. Both replace the
// history whole (or append to it) and end by showing the draw at the
// selected date again.

#include "app/LottoZahlen.h"
#include "draws/ChartHandOver.h"
#include "draws/CurrentDrawView.h"
#include "draws/DrawEditing.h"
#include "draws/DrawFile.h"
#include "draws/LoEingab.h"

namespace {

const char* const kDeletionTempName = "Zahlen.da~";

void PresetEntryDialog(TForm3& dialog, const DrawRecord& draw, int starMax) {
    const auto numbers = dialog.NumberUpDowns();
    for (TUpDown* upDown : numbers) {
        upDown->SetMin(1);
        upDown->SetMax(50);
    }
    for (TUpDown* upDown : {dialog.UpDown7, dialog.UpDown8}) {
        upDown->SetMin(1);
        upDown->SetMax(starMax);
    }
    dialog.DateTimePicker1->SetDate(draw.Datum);
    for (size_t i = 0; i < numbers.size(); ++i) numbers[i]->SetPosition(draw.Slot[i]);
    dialog.UpDown7->SetPosition(draw.Slot[6]);
    dialog.UpDown8->SetPosition(draw.Slot[7]);
}

// The counters' positions, never the edits' texts: a text typed outside a
// counter's range does not move it.
DrawRecord EnteredDraw(const TForm3& dialog) {
    std::array<int, 5> numbers{};
    const auto upDowns = dialog.NumberUpDowns();
    for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = upDowns[i]->Position();
    ExchangeSort(numbers);
    return MakeDrawRecord(DateOf(dialog.DateTimePicker1->Date()), numbers, dialog.UpDown7->Position(),
                          dialog.UpDown8->Position());
}

}  // namespace

void TForm1::BitBtn8Click(TObject* Sender) {
    if (LongCommandRunning()) return;
    const std::string path = Home + ZahlenFile;
    {
        // The history must exist and take writes before anything is asked.
        TFileOf<DrawRecord> probe(path);
        probe.Reset(TFileMode::ReadWrite);
        probe.Close();
    }
    DrawScan scan(path);
    const EntryStart start = FindEntryStart(scan, DateTimePicker1->Date());
    scan.Close();

    {
        const std::unique_ptr<TForm3> dialog = TForm3::ForOneEntry(this);
        PresetEntryDialog(*dialog, start.Record, SternenzahlMax);
        if (dialog->ShowModal() == mrOk) {
            const DrawRecord entry = EnteredDraw(*dialog);
            if (EntryIsAppended(start, entry.Datum))
                AppendDraw(path, entry);
            else
                RewriteDrawFile(path, path + "~",
                                [&entry](DrawScan& in, TFileOf<DrawRecord>& out) { CopyWithEntry(in, out, entry); });
        }
    }
    SelectDrawDate(*DateTimePicker1, start.Record.Datum);
    SpeedButton5Click(Sender);
}

void TForm1::BitBtn4Click(TObject* Sender) {
    if (LongCommandRunning()) return;
    {
        HourglassCursor hourglass;
        // The draw the window shows: the history scans leave Datum1 on
        // whatever draw they read last.
        const TDateTime shown = ShownDrawDate;
        RewriteDrawFile(Home + ZahlenFile, Home + kDeletionTempName,
                        [shown](DrawScan& in, TFileOf<DrawRecord>& out) { CopyWithoutDate(in, out, shown); });
    }
    SpeedButton5Click(Sender);
}
