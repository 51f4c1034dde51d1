// The search of the grid's tips in the draw history: every draw of the
// period becomes the current draw in turn, each row is compared with it,
// and a row that reaches the user's threshold stops the search with the
// grid evaluation of that draw and a question whether to go on.

#include "evaluation/TipSearch.h"

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "draws/DrawLine.h"
#include "evaluation/GridEvaluation.h"
#include "platform/rtl/Convert.h"

std::string SearchCrossSumText(const std::string& caption, const DrawNumbers& zahl) {
    int64_t sum = 0;
    for (size_t i = 1; i <= 6; ++i) sum += zahl[i];
    return caption + " " + IntToStr(sum);
}

std::string SearchQuestion(const std::string& found, TDateTime date, const std::string& goOn) {
    return found + DateToStr(date) + goOn;
}

void TForm1::SpeedButton4Click(TObject*) {
    if (LongCommandRunning()) return;
    LongCommandScope running(*this, LongCommand::Search);

    const bool withStars = CheckBox31->Checked();
    const int threshold =
        StrToInt(Application->Services().InputBox(Meldung(10), Meldung(11), withStars ? "7" : "5"));
    const TDateTime start = DateTimePicker2->Date();
    const TDateTime end = DateTimePicker1->Date();

    // The scan closes the file when it goes out of scope, so that a No, the
    // end and an error in the evaluation all leave it closed.
    DrawScan scan(Home + ZahlenFile);
    const std::string star1Word = Label22->Hint();
    const std::string star2Word = Label23->Hint();
    while (const DrawRecord* record = scan.Next()) {
        if (!InSearchPeriod(record->Datum, start, end)) continue;
        LoadDraw(*record, Datum1, Zahl);
        Label29->SetCaption(DrawLine(Datum1, Zahl, star1Word, star2Word, DrawLineForm::Middle));
        Label13->SetCaption(SearchCrossSumText(Meldung(8), Zahl));
        Label35->SetCaption(Label29->Caption());
        ShownDrawDate = Datum1;
        // The draws pass by as the scan goes; the window paints them at its
        // own pace.
        Application->Services().Repaint();

        for (const TipRow& row : TipRows()) {
            Zettelcheck(row.Number(0)->Text(), row.Number(1)->Text(), row.Number(2)->Text(), row.Number(3)->Text(),
                        row.Number(4)->Text(), row.Star1()->Text(), row.Star2()->Text());
            row.Result->SetFontColor(Gewinn >= 2 ? clRed : clBlack);
            row.Result->SetCaption(GridResultText(Gewinn, Zusatz, Super, star1Word, star2Word));
            if (SearchHitCount(Gewinn, Zusatz, Super, withStars) < threshold) continue;

            const std::string question = SearchQuestion(Meldung(12), Datum1, Meldung(13));
            Komplettcheck();
            if (Application->MessageBox(question, Meldung(13), MB_YESNO) != IDYES) return;
        }
    }
    scan.Close();
}
