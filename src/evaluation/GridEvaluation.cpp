// The tip grid against the current draw: each complete row sorted, summed,
// compared, coloured and counted.

#include "evaluation/GridEvaluation.h"

#include "app/LottoZahlen.h"
#include "evaluation/TipComparison.h"
#include "evaluation/WinSound.h"
#include "platform/rtl/Convert.h"

#include <algorithm>

bool ReadRowNumbers(const std::array<const std::string*, 5>& texts, RowNumbers& numbers) {
    for (size_t i = 0; i < numbers.size(); ++i) {
        int value = 0;
        if (!TryStrToInt(*texts[i], value)) return false;
        numbers[i] = static_cast<uint8_t>(value);
    }
    return true;
}

int CrossSum(const RowNumbers& numbers) {
    int sum = 0;
    for (uint8_t n : numbers) sum += n;
    return sum;
}

void SortAscending(RowNumbers& numbers) { std::sort(numbers.begin(), numbers.end()); }

std::string GridResultText(int32_t gewinn, bool zusatz, bool super, const std::string& star1Word,
                           const std::string& star2Word) {
    std::string text = IntToStr(gewinn);
    if (zusatz) text += " + " + star1Word;
    if (super) text += " + " + star2Word;
    return text;
}

namespace {

void ColourHit(TEdit* edit, bool hit) { edit->SetColor(hit ? clLime : clWindow); }

}  // namespace

int TForm1::Komplettcheck() {
    ClearHitTable(Statistik);
    if (!sortieren) return 0;

    int best = 0;
    std::string sound;
    for (const TipRow& row : TipRows()) {
        RowNumbers numbers{};
        if (!ReadRowNumbers({&row.Number(0)->Text(), &row.Number(1)->Text(), &row.Number(2)->Text(),
                             &row.Number(3)->Text(), &row.Number(4)->Text()},
                            numbers)) {
            row.Result->SetCaption("");
            for (TEdit* edit : row.Edits) edit->SetColor(clWindow);
            continue;
        }
        row.CrossSum->SetCaption(IntToStr(CrossSum(numbers)));
        SortAscending(numbers);
        for (int i = 0; i < 5; ++i) row.Number(i)->SetText(IntToStr(numbers[static_cast<size_t>(i)]));

        Zettelcheck(row.Number(0)->Text(), row.Number(1)->Text(), row.Number(2)->Text(), row.Number(3)->Text(),
                    row.Number(4)->Text(), row.Star1()->Text(), row.Star2()->Text());
        for (int i = 0; i < 5; ++i) ColourHit(row.Number(i), Treffer[static_cast<size_t>(i + 1)]);
        CountTip(Statistik, Gewinn, Zusatz, Super);
        const bool win = IsWin(Gewinn, Zusatz, Super);
        row.Result->SetFontColor(win ? clRed : clBlack);
        if (win) {
            if (sound.empty()) sound = WinSoundPath(*this);
            PlayWinSound(sound);
        }
        row.Result->SetCaption(GridResultText(Gewinn, Zusatz, Super, Label22->Hint(), Label23->Hint()));
        best = std::max(best, HitCode(Gewinn, Zusatz, Super));
        ColourHit(row.Star1(), Zusatz);
        ColourHit(row.Star2(), Super);
    }
    return best;
}

void TForm1::Edit1Exit(TObject*) {
    if (sortieren) Komplettcheck();
}
