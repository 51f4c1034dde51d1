// Emptying the tips of the current view: the whole tip list, or the grid
// rows that are not locked.

#include "app/LottoZahlen.h"

void TForm1::SpeedButton11Click(TObject*) { ClearTips(); }

bool TForm1::ClearTips() {
    // A running calculation clears without asking.
    if (RunningCommand() != LongCommand::Calculation &&
        Application->MessageBox(Meldung(71), Meldung(72), MB_YESNO) != IDYES)
        return false;
    EmptyTips();
    return true;
}

void TForm1::EmptyTips() {
    if (Gewinnzahlen->Visible()) {
        Gewinnzahlen->Items().Clear();
        Gewinne->Items().Clear();
        return;
    }
    for (const TipRow& row : TipRows()) {
        if (row.Label->Font().Color == clRed) continue;
        for (TEdit* edit : row.Edits) {
            edit->SetText("");
            edit->SetColor(clWindow);
        }
        row.Result->SetCaption("");
        row.CrossSum->SetCaption("");
    }
}
