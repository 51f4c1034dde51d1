#include "draws/CurrentDrawView.h"

void ShowCurrentDraw(TForm1& form, DrawLineForm lineForm) {
    form.Label29->SetCaption(
        DrawLine(form.Datum1, form.Zahl, form.Label22->Hint(), form.Label23->Hint(), lineForm));
    form.Label13->SetCaption(CrossSumText(form.Meldung(8), form.Zahl));
    form.ShownDrawDate = form.Datum1;
}

void SelectDrawDate(TDateTimePicker& picker, TDateTime date) {
    try {
        picker.SetDate(date);
    } catch (const EDateTimeError&) {
        picker.SetDate(kFallbackPickerDate);
    }
}

void EvaluateCurrentDraw(TForm1& form) {
    if (form.Gewinnzahlen->Visible())
        form.Listengewinncheck();
    else
        form.Komplettcheck();
}
