// The main window's close step and the rule that rescales the layout when
// its height changes.

#include "app/LottoZahlen.h"
#include "app/Settings.h"
#include "app/SettingsKey.h"
#include "evaluation/auswert.h"
#include "generator/Zahlenwahl.h"
#include "output/Spielwahl.h"

void TForm1::FormClose(TObject*, TCloseAction&) {
    // A replay tick must not redraw into windows that are going.
    Timer1->SetEnabled(false);
    TRegistry reg;
    try {
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (!reg.OpenKey(kSettingsKey, true)) return;
    } catch (const std::exception&) {
        return;
    }
    SettingsWriter settings(*this, reg);
    settings.writeSwitches();
    settings.writeSize();
    bool listView = Gewinnzahlen->Visible();
    settings.writeView(listView);
    if (Gewinnzahlen->Items().Count() > 0) {
        if (listView || Application->MessageBox(Meldung(69), Meldung(70), MB_YESNO) == IDYES) saveTipList();
    }
    settings.writeRest();
    settings.writeSlipLayout();
    try {
        reg.CloseKey();
    } catch (const std::exception&) {
    }
}

void TForm1::saveTipList() {
    // The list would be lost without a word: say which file failed.
    for (const char* name : {"gewinnzahlen.txt", "gewinnzahlen.zlt"}) {
        std::string path = Home + name;
        try {
            Gewinnzahlen->Items().SaveToFile(path);
        } catch (const std::exception&) {
            Application->MessageBox("Die Tippliste konnte nicht gespeichert werden: " + path, {},
                                    MB_OK | MB_ICONERROR);
            return;
        }
    }
}

void TForm1::FormResize(TObject*) {
    int height = Height();
    if (height == Groesse) return;
    if (Groesse > 0) scaleWindows(height);
    Groesse = height;
}

void TForm1::scaleWindows(int height) {
    PageControl1->ScaleBy(height, Groesse);
    // In this order; a window not created yet ends the chain.
    for (TForm* window : {static_cast<TForm*>(Form6), static_cast<TForm*>(Form5), static_cast<TForm*>(Form9)}) {
        if (!window) return;
        window->ScaleBy(height, Groesse);
    }
}
