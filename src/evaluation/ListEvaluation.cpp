// The tip list against the current draw, and the coupled selection of the
// tip list and its result list.

#include "app/LottoZahlen.h"
#include "evaluation/ListLine.h"
#include "evaluation/TipComparison.h"
#include "evaluation/WinSound.h"

#include <algorithm>

int TForm1::Listengewinncheck() {
    ClearHitTable(Statistik);
    int best = 0;
    std::string sound;
    ListLineReader reader;
    // The result list changes once, as a whole, so a view redraws it once;
    // its lines are made again where the old ones were, so that a long list
    // is never held twice.
    TStringList& results = Gewinne->Items();
    struct OneChange {
        TStringList& list;
        explicit OneChange(TStringList& l) : list(l) { list.BeginUpdate(); }
        ~OneChange() { list.EndUpdate(); }
    } oneChange(results);
    results.Clear();
    results.Reserve(Gewinnzahlen->Items().Count(), static_cast<std::size_t>(Gewinnzahlen->Items().Count()));
    for (std::string_view line : Gewinnzahlen->Items()) {
        const ListLineFields& f = reader.Read(line);
        Zettelcheck(f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
        CountTip(Statistik, Gewinn, Zusatz, Super);
        if (IsWin(Gewinn, Zusatz, Super)) {
            if (sound.empty()) sound = WinSoundPath(*this);
            PlayWinSound(sound);
        }
        best = std::max(best, HitCode(Gewinn, Zusatz, Super));
        results.Add(ListResultLine(Gewinn, Zusatz, Super));
    }
    return best;
}

void TForm1::GewinnzahlenClick(TObject*) { Gewinne->SetItemIndex(Gewinnzahlen->ItemIndex()); }

void TForm1::GewinneClick(TObject*) { Gewinnzahlen->SetItemIndex(Gewinne->ItemIndex()); }

void TForm1::GewinnzahlenMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Gewinne->SetItemIndex(Gewinnzahlen->ItemIndex());
}

void TForm1::GewinneMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    Gewinnzahlen->SetItemIndex(Gewinne->ItemIndex());
}
