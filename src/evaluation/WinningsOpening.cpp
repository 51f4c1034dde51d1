#include "app/LottoZahlen.h"
#include "evaluation/auswert.h"
#include "platform/forms/Application.h"

void TForm1::auswertungClick(TObject* Sender) {
    if (!Form9) return;
    TForm9& window = *Form9;
    window.Port = ProxyPortEdit->Text();
    window.proxy = ProxyHostEdit->Text();
    window.home = Home;
    window.Datum = DateTimePicker1->Date();
    {
        // A quota text the user typed that is no number is reported once,
        // and the window still opens so that it can be put right.
        TForm9::QuietScope quiet(window);
        window.SetCounts(Statistik);
        window.Edit9Change(Sender);
        window.SpeedButton2Click(Sender);
        try {
            quiet.ReportFailure();
        } catch (const Exception& e) {
            Application->HandleException(e);
        }
    }
    window.ShowModal();
}
