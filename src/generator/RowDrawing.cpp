// One attempt of the tip calculation: the candidate is completed from the
// pool, given its stars and put through the row tests in their fixed order;
// the first test that fails rejects it. Every control is read at the moment
// of its test, so a change made during the run takes effect at once.

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "generator/RowTests.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Random.h"

#include <algorithm>

namespace {

// Whether the pool still offers the numbers the candidate lacks.
bool poolCanComplete(const TipRun& run) {
    int missing = 5 - run.Candidate.Count;
    int offered = 0;
    for (int n = 1; n <= 255 && offered < missing; ++n)
        if (run.Pool.Gewichtung(n) > 0 && !run.Candidate.Contains(n)) ++offered;
    return offered >= missing;
}

}  // namespace

bool TForm1::TryCandidate(TipRun& run) {
    TipCandidate& c = run.Candidate;
    if (!poolCanComplete(run)) {
        // Without the numbers it needs the row cannot be completed: the run
        // ends as if its budget were spent.
        run.PoolExhausted = true;
        run.Attempts = std::max(run.Attempts, LaufMax);
        c.Clear();
        return false;
    }
    int entries = run.Pool.Size();
    while (!c.Complete()) {
        int n = run.Pool.Entry(Random(entries));
        if (!c.Contains(n)) c.Add(n);
    }
    if (run.Row == 1 || run.Row <= UpDown8->Position()) Sternesetzen(run);

    int crossSum = c.CrossSum();
    std::sort(c.Numbers.begin(), c.Numbers.end());

    const auto& n = c.Numbers;
    std::string line = IntToStr(run.Row) + "." + Meldung(28) + ":  " + IntToStr(n[0]) + " " + IntToStr(n[1]) + "  " +
                       IntToStr(n[2]) + "  " + IntToStr(n[3]) + "  " + IntToStr(n[4]);
    switch (run.Row) {
    case 2:
    case 4:
        line += "   QS: ";
        break;
    case 3:
        line += "    QS: ";
        break;
    case 7:
    case 9:
        line += "  " + IntToStr(c.Star1) + "  QS: ";
        break;
    default:
        line += "  QS: ";
    }
    StatusBar1->SetPanelText(1, line + IntToStr(crossSum));
    Application->Services().Repaint();

    auto reject = [&] {
        c.Clear();
        return false;
    };
    const SortedNumbers& sorted = c.Numbers;
    if (run.Row >= 2) {
        AgreementLimits limits{CheckBox27->Checked(), CheckBox3->Checked(), UpDown3->Position(), CheckBox24->Checked(),
                               UpDown9->Position()};
        int common = Gewinn;
        bool agrees = AgreesWithEarlierTips(sorted, run.Table, run.EarlierTips(), limits, common);
        Gewinn = common;
        if (!agrees) return reject();
    }
    if (CheckBox8->Checked() && !HasPair(sorted)) return reject();
    if (CheckBox18->Checked() && HasRunOfThree(sorted)) return reject();
    if (crossSum < UpDown1->Position() || crossSum > UpDown2->Position()) return reject();
    if (!Filtercheck(run)) return reject();
    return true;
}

bool TForm1::Filtercheck(TipRun& run) {
    TipCandidate& c = run.Candidate;
    const SortedNumbers& sorted = c.Numbers;
    Gewinn = 0;
    const std::tuple<TCheckBox*, TUpDown*, int> lastDraws[] = {
        {CheckBox4, UpDown4, 0}, {CheckBox5, UpDown5, 1}, {CheckBox23, UpDown11, 2}};
    for (auto [box, limit, which] : lastDraws) {
        if (which > 0) Gewinn = 0;
        if (!box->Checked() || limit->Position() <= 0) continue;
        const DrawNumbers& draw = run.LastDraws[static_cast<size_t>(which)];
        Gewinn = CommonNumbers(sorted, draw, 1);
        if (CheckBox31->Checked()) {
            Zusatz = c.Star1 == draw[7] || c.Star1 == draw[8];
            Super = c.Star2 == draw[7] || c.Star2 == draw[8];
            Gewinn += (Zusatz ? 1 : 0) + (Super ? 1 : 0);
        }
        if (Gewinn > limit->Position()) return false;
    }
    if (CheckBox25->Checked() && CountEven(sorted) < UpDown15->Position()) return false;
    if (CheckBox26->Checked() && CountOdd(sorted) < UpDown16->Position()) return false;
    const auto& n = c.Numbers;
    if (CheckBox9->Checked() && !Secheroderfuenfer(n[0], n[1], n[2], n[3], n[4], c.Star1, c.Star2)) return false;
    if (CheckBox28->Checked() && !dreierodervierer(n[0], n[1], n[2], n[3], n[4], c.Star1, c.Star2)) return false;
    auto byte = [](int v) { return static_cast<uint8_t>(v); };
    if (CheckBox22->Checked() &&
        primzahlen(byte(n[0]), byte(n[1]), byte(n[2]), byte(n[3]), byte(n[4]), byte(c.Star1), byte(c.Star2)) <
            UpDown10->Position())
        return false;
    return true;
}

namespace {

// Compares the tip with every stored draw after `from` up to `to`; false at
// the first that shares at least `limit` hits. Each draw compared becomes
// the current draw, as a comparison through the tip edits would leave it.
bool noDrawReaches(TForm1& f, const std::array<int, 7>& tip, int limit, TDateTime from, TDateTime to) {
    f.Series2->SetActive(true);
    f.Series1->SetActive(false);
    f.Series2->Clear();
    bool withStars = f.CheckBox31->Checked();
    DrawScan scan(f.Home + f.ZahlenFile);
    // The draw compared last, copied: the scan's record lasts only until its
    // next read.
    TDateTime datum = 0;
    DrawNumbers zahl{};
    bool compared = false;
    TipOutcome match;
    bool accepted = true;
    while (const DrawRecord* r = scan.Next()) {
        if (!(r->Datum > from && r->Datum <= to)) continue;
        LoadDraw(*r, datum, zahl);
        compared = true;
        match = CompareTipNumbers(tip, zahl);
        int hits = match.Gewinn + (withStars ? StarHits(match.Zusatz, match.Super) : 0);
        if (hits >= limit) {
            accepted = false;
            break;
        }
    }
    if (compared) {
        f.Datum1 = datum;
        f.Zahl = zahl;
        f.Gewinn = match.Gewinn;
        f.Zusatz = match.Zusatz;
        f.Super = match.Super;
        for (size_t p = 1; p <= 5; ++p) f.Treffer[p] = match.Treffer[p];
    }
    scan.Close();
    return accepted;
}

}  // namespace

bool TForm1::Secheroderfuenfer(int Tipp1, int tipp2, int tipp3, int tipp4, int tipp5, int tipp6, int tipp7) {
    int limit = UpDown6->Position();
    aktDatum = DateTimePicker2->Date();
    dfb = DateTimePicker1->Date();
    return noDrawReaches(*this, {Tipp1, tipp2, tipp3, tipp4, tipp5, tipp6, tipp7}, limit, aktDatum, dfb);
}

bool TForm1::dreierodervierer(int Tipp1, int tipp2, int tipp3, int tipp4, int tipp5, int tipp6, int tipp7) {
    int limit = UpDown17->Position();
    dfb = DateTimePicker1->Date();
    TDateTime from = IncDay(dfb, -14 * UpDown18->Position());
    return noDrawReaches(*this, {Tipp1, tipp2, tipp3, tipp4, tipp5, tipp6, tipp7}, limit, from, dfb);
}

int TForm1::primzahlen(uint8_t Zahl1, uint8_t zahl2, uint8_t zahl3, uint8_t zahl4, uint8_t zahl5, uint8_t Zahl6,
                       uint8_t Zahl7) {
    return CountPrimes({Zahl1, zahl2, zahl3, zahl4, zahl5, Zahl6, Zahl7});
}
