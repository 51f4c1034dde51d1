// Stepping to the previous or the next stored draw. Each step reads the
// history from its start up to the draw, shows it, selects its date and
// evaluates the tips against it.

#include "app/LottoZahlen.h"
#include "draws/CurrentDrawView.h"
#include "draws/DrawAtPosition.h"
#include "draws/DrawFile.h"
#include "platform/rtl/Exceptions.h"

#include <optional>

namespace {

// Loads the record the step ended on into the current draw and shows it;
// without a record nothing is loaded and the date becomes 0 (no draw).
void ShowStep(TForm1& form, const DrawAtPosition& step) {
    form.Datum1 = step.Found ? step.Record.Datum : 0;
    if (form.Datum1 > 0) {
        LoadDraw(step.Record, form.Datum1, form.Zahl);
        ShowCurrentDraw(form, DrawLineForm::Middle);
        form.Label35->SetCaption(form.Label29->Caption());
    }
}

} // namespace

void TForm1::SpeedButton6Click(TObject*) {
    // A history that cannot be opened fails at the first read, after the
    // position has moved back.
    std::optional<DrawScan> scan;
    try {
        scan.emplace(Home + ZahlenFile);
    } catch (const EInOutError&) {
    }
    aktDatum = DateTimePicker2->Date();
    Position = Position <= 1 ? 0 : Position - 1;
    if (!scan) throw EInOutError(InOutCode::FileNotOpen);

    const DrawAtPosition step = ReadDrawUpTo(*scan, Position);
    scan->Close();
    ShowStep(*this, step);
    SelectDrawDate(*DateTimePicker1, Datum1);
    EvaluateCurrentDraw(*this);
}

void TForm1::SpeedButton7Click(TObject*) {
    DrawScan scan(Home + ZahlenFile);
    aktDatum = DateTimePicker2->Date();
    const DrawAtPosition step = ReadDrawUpTo(scan, static_cast<int64_t>(Position) + 1);
    scan.Close();

    Position = static_cast<int32_t>(step.Index);
    ShowStep(*this, step);
    // Slot 6 is no number of this lottery; the next step never carries it.
    if (Datum1 > 0) Zahl[6] = 0;
    SelectDrawDate(*DateTimePicker1, Datum1);
    EvaluateCurrentDraw(*this);
}
