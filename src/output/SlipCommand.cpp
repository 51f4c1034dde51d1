// "Schein drucken (Test)": the tips of the current view go into a tip file
// in the program folder, the slip window reads them from there and opens.

#include "app/LottoZahlen.h"
#include "app/SettingsKey.h"
#include "output/TipFileFormat.h"
#include "output/anders.h"
#include "platform/rtl/StringList.h"

void TForm1::SpeedButton27Click(TObject*) {
    if (!Form8) return;
    const std::string path = Home + DefaultTipFileName(DateTimePicker1->Date());
    SaveDialog1->FileName = path;
    if (Gewinnzahlen->Visible()) {
        Gewinnzahlen->Items().SaveToFile(path);
    } else {
        TStringList file;
        for (const TipRow& row : TipRows()) {
            if (row.Number(0)->Text().empty()) continue;
            TipFields texts;
            for (size_t i = 0; i < texts.size(); ++i) texts[i] = row.Edits[i]->Text();
            file.Add(TipFileLine(texts));
        }
        file.SaveToFile(path);
    }
    Form8->Memo1->Lines().LoadFromFile(path);
    Form8->MaxZahl = 50;
    Form8->TippanzahlMax = 10;
    Form8->MaxEuroZahl = SternenzahlMax;
    Form8->schluessel = kSettingsKey;
    Form8->Reportvorlage->SetText("EM_France.fr3");
    Form8->ShowModal();
}
