// The main window's tip comparison: the outcome goes into the fields that
// every caller reads right after the call.

#include "app/LottoZahlen.h"
#include "evaluation/TipComparison.h"

void TForm1::Zettelcheck(const std::string& Edit1T, const std::string& Edit2T, const std::string& Edit3T,
                         const std::string& Edit4T, const std::string& Edit5T, const std::string& Edit6T,
                         const std::string& Edit7T) {
    const TipOutcome out = CompareTip({&Edit1T, &Edit2T, &Edit3T, &Edit4T, &Edit5T, &Edit6T, &Edit7T}, Zahl);
    Gewinn = out.Gewinn;
    for (size_t p = 1; p <= 5; ++p) Treffer[p] = out.Treffer[p];
    Zusatz = out.Zusatz;
    Super = out.Super;
}
