// "Tipp ausdrucken": the tips of the view as a tip sheet in "Tipp.txt" in
// the program folder, opened in the desktop's text viewer for printing.

#include "app/LottoZahlen.h"
#include "evaluation/ListLine.h"
#include "output/TipSheetFormat.h"
#include "platform/rtl/StringList.h"

#include <vector>

namespace {

const char* const kTipSheetName = "Tipp.txt";

std::array<std::string, 7> RowFields(const TipRow& row) {
    std::array<std::string, 7> fields;
    for (size_t i = 0; i < fields.size(); ++i) fields[i] = row.Edits[i]->Text();
    return fields;
}

}  // namespace

void TForm1::BitBtn7Click(TObject*) {
    // Every line is built, and every field converted, before the memo and
    // the file change: a field that is no number leaves an earlier sheet.
    const TipSheetWords words{Meldung(28), Meldung(33)};
    std::vector<std::string> lines{TipSheetHeading(Meldung(32), ShownDrawDate),
                                   std::string(kTipSheetRuleLength, '~'), std::string()};
    if (Gewinnzahlen->Visible()) {
        const TStringList& list = Gewinnzahlen->Items();
        ListLineReader reader;
        for (int i = 0; i < list.Count(); ++i)
            lines.push_back(TipSheetLine(ListTipPrefix(i + 1), reader.Read(list[i]), words));
    } else {
        for (int r = 0; r < kTipRows; ++r) {
            const TipRow& row = Row(r);
            if (row.Number(0)->Text().empty()) continue;
            lines.push_back(TipSheetLine(GridTipPrefix(r + 1), RowFields(row), words));
        }
    }

    // The sheet keeps the encoding of the file last loaded into the memo.
    TStringList sheet;
    sheet.SetEncoding(Memo1->Lines().Encoding());
    for (const std::string& line : lines) sheet.Add(line);
    Memo1->Lines().Assign(sheet);

    const std::string path = Home + kTipSheetName;
    Memo1->Lines().SaveToFile(path);
    Application->Services().ShellExecute("open", path, "", "");
}
