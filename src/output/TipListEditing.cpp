// Editing the tip list in the desktop's text editor, and opening a saved
// tip file there from the list's double click.

#include "app/LottoZahlen.h"

#include <filesystem>

void TForm1::SpeedButton28Click(TObject*) {
    const std::string path = Home + "gewinnzahlen.txt";
    Gewinnzahlen->Items().SaveToFile(path);
    Application->Services().ShellExecute("edit", path, "", "");
    // Asked at once: the answer comes once the user has saved in the editor.
    if (Application->MessageBox(Meldung(74), Meldung(75), MB_YESNO) != IDYES) return;
    Gewinnzahlen->Items().LoadFromFile(path);
    // The edited lines no longer match the old results.
    Listengewinncheck();
}

void TForm1::GewinnzahlenDblClick(TObject*) {
    if (!SaveTips()) return;
    std::error_code ec;
    std::filesystem::path saved = std::filesystem::absolute(SaveDialog1->FileName, ec);
    Application->Services().ShellExecute("edit", ec ? SaveDialog1->FileName : saved.string(), "", "");
}
