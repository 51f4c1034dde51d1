// The draw of the selected date becomes the current draw, is shown and the
// tips are evaluated against it. The commands that change the history, the
// selected date or the tips end here.

#include "app/LottoZahlen.h"
#include "draws/CurrentDrawView.h"
#include "draws/DrawFile.h"
#include "evaluation/DrawAtDate.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/FileUtils.h"

void TForm1::SpeedButton5Click(TObject*) {
    const std::string path = Home + ZahlenFile;
    if (!FileExists(path)) {
        ShowMessage(Meldung(17));
        CreateEmptyDrawFile(path);
        return;
    }

    DrawScan scan(path);
    aktDatum = static_cast<TDateTime>(Round(DateTimePicker1->Date()));
    const DrawAtDate shown = FindDrawAtDate(scan, aktDatum);
    scan.Close();

    Position = static_cast<int32_t>(shown.Position);
    if (shown.ReadFailed) ShowMessage("Fehler / Error");
    if (shown.Found) {
        LoadDraw(shown.Record, Datum1, Zahl);
        ShowCurrentDraw(*this, shown.Form);
    }
    // Without a record the old current draw stays and is evaluated again.
    SelectDrawDate(*DateTimePicker1, Datum1);
    Label35->SetCaption(Label29->Caption());
    EvaluateCurrentDraw(*this);
}
