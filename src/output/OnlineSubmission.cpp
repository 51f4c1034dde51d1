// The submission command: the tips go into a tip file of their own, which
// the hidden submission window hands to the robot.

#include "app/LottoZahlen.h"
#include "output/ClickScript.h"
#include "output/Online.h"
#include "output/TipFileFormat.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringList.h"

namespace {

const char* const kTipFolder = "Tipps/";

void writeTips(const TForm1& form, const std::string& path) {
    if (form.Gewinnzahlen->Visible()) {
        form.Gewinnzahlen->Items().SaveToFile(path);
        return;
    }
    TStringList file;
    for (const TipRow& row : form.TipRows()) {
        if (row.Number(0)->Text().empty()) continue;
        TipFields texts;
        for (size_t i = 0; i < texts.size(); ++i) texts[i] = row.Edits[i]->Text();
        file.Add(TipFileLine(texts));
    }
    file.SaveToFile(path);
}

}  // namespace

void TForm1::OnlineTippClick(TObject*) {
    const std::string folder = Home + kTipFolder;
    ForceDirectories(folder);
    const std::string tipFile = folder + DefaultTipFileName(DateTimePicker1->Date());
    writeTips(*this, tipFile);

    TAbgabeForm& submission = *AbgabeForm;
    submission.dateiname = tipFile;
    submission.Tipps = UpDown8->Position();
    submission.ComboBox1Change(&submission);
    // Tuesday to Friday the next draw is Friday's, else Tuesday's.
    const bool friday = SubmissionDrawIsFriday(Date());
    submission.CheckBox3->SetChecked(friday);
    submission.CheckBox2->SetChecked(!friday);
    submission.SpeedButton14Click(&submission);
}
