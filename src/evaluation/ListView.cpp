// Switching to the list view, with or without taking the grid's tips along.

#include "app/LottoZahlen.h"
#include "evaluation/ListLine.h"

namespace {

void ShowListView(TForm1& f) {
    f.Gewinnzahlen->SetVisible(true);
    f.Gewinne->SetVisible(true);
    f.SpeedButton28->SetVisible(true);
}

// Only the first number edit decides: a row with a later gap goes into the
// list with an empty field there.
void AppendGridRows(TForm1& f) {
    for (const TipRow& row : f.TipRows()) {
        if (row.Number(0)->Text().empty()) continue;
        f.Gewinnzahlen->Items().Add(BuildListLine({row.Edits[0]->Text(), row.Edits[1]->Text(), row.Edits[2]->Text(),
                                                   row.Edits[3]->Text(), row.Edits[4]->Text(), row.Edits[5]->Text(),
                                                   row.Edits[6]->Text()}));
    }
}

}  // namespace

void TForm1::ListenansichtClick(TObject*) {
    ShowListView(*this);
    if (Application->MessageBox(Meldung(65), Meldung(66), MB_YESNO) == IDYES) {
        if (Application->MessageBox(Meldung(67), Meldung(68), MB_YESNO) == IDYES) Gewinnzahlen->Items().Clear();
        AppendGridRows(*this);
    }
    Listengewinncheck();
}

void TForm1::ListenansichtOhneClick(TObject*) {
    ShowListView(*this);
    AppendGridRows(*this);
    Listengewinncheck();
}
