// The number pool of a calculation run, built from the statistics options:
// bars of the charts inside a band add their numbers, the base set adds
// every number once, the removals take numbers out again, and the pool can
// be reviewed and rebuilt in the number picker.

#include "app/LottoZahlen.h"
#include "generator/Zahlenwahl.h"
#include "platform/rtl/Convert.h"

namespace {

struct ChartRange {
    double Max, Min;
};

class PoolBuilder {
public:
    PoolBuilder(TForm1& form, TipRun& run) : f_(form), pool_(run.Pool), run_(run) {}

    void build();

private:
    void status(const std::string& text) {
        f_.StatusBar1->SetPanelText(1, text);
        Application->Services().Repaint();
    }
    void runChart(void (TForm1::*chart)(TObject*), bool showChartPage) {
        (f_.*chart)(&f_);
        if (showChartPage) f_.PageControl1->SetActivePage(f_.TabSheet5);
        Application->Services().Repaint();
        // What the repaint computes for an automatic axis.
        f_.Chart1->AdjustAxes();
    }
    ChartRange range() const { return {f_.Chart1->LeftAxis().Maximum(), f_.Chart1->LeftAxis().Minimum()}; }
    void bandStatus(int lower, int upper, const char* maxLabel) {
        status("Min: " + IntToStr(lower) + maxLabel + IntToStr(upper) + "  " + IntToStr(pool_.Size()));
    }
    // Appends, for each bar j whose value lies in the band, the run j .. j + r - 1.
    void appendRuns(int r, const Band& band) {
        TBarSeries* bars = f_.Series2;
        int last = bars->Count() - r + 1;
        for (int j = 1; j <= last; ++j)
            if (band.Takes(bars->YValues()[j - 1]))
                for (int n = j; n < j + r; ++n) pool_.Append(n);
    }
    // Appends each number whose bar lies in lower .. upper `times` times.
    void appendBars(int times, int lower, int upper) {
        TBarSeries* bars = f_.Series2;
        Band band{Band::Within, lower, upper};
        for (int j = 1; j <= bars->Count(); ++j)
            if (band.Takes(bars->YValues()[j - 1])) pool_.Append(j, times);
    }
    void runOption(TCheckBox* box, TCheckBox* partner, int r, void (TForm1::*chart)(TObject*), int message,
                   bool showChartPage, bool frequent, const char* maxLabel);

    TForm1& f_;
    NumberPool& pool_;
    TipRun& run_;
};

void PoolBuilder::runOption(TCheckBox* box, TCheckBox* partner, int r, void (TForm1::*chart)(TObject*), int message,
                            bool showChartPage, bool frequent, const char* maxLabel) {
    if (!box->Checked()) return;
    if (frequent || !partner->Checked()) {
        status(f_.Meldung(message));
        runChart(chart, showChartPage);
    }
    Application->SetScreenCursor(crHourGlass);
    ChartRange c = range();
    Band band = frequent ? TopBand(c.Max, c.Min) : BottomBand(c.Max, c.Min);
    bandStatus(band.Lower, band.Upper, maxLabel);
    appendRuns(r, band);
}

void PoolBuilder::build() {
    TForm1& f = f_;
    pool_.Clear();

    runOption(f.CheckBox1, nullptr, 2, &TForm1::Button2Click, 21, true, true, "  Max: ");
    runOption(f.CheckBox11, f.CheckBox1, 2, &TForm1::Button2Click, 21, true, false, "  Max: ");
    runOption(f.CheckBox6, nullptr, 3, &TForm1::Button3Click, 22, true, true, "  Max: ");
    runOption(f.CheckBox12, f.CheckBox6, 3, &TForm1::Button3Click, 22, true, false, "  Max: ");
    runOption(f.CheckBox7, nullptr, 4, &TForm1::Button4Click, 23, false, true, "  Max: ");
    runOption(f.CheckBox13, f.CheckBox7, 4, &TForm1::Button4Click, 23, false, false, " Max: ");

    if (f.CheckBox2->Checked()) {
        status(f.Meldung(24));
        runChart(&TForm1::SpeedButton2Click, true);
        Application->SetScreenCursor(crHourGlass);
        ChartRange c = range();
        double share = f.UpDown12->Position();
        int upper = RoundLimit(c.Max);
        int lower = RoundLimit(c.Max - share / 100 * (c.Max - c.Min));
        bandStatus(lower, upper, "  Max: ");
        appendBars(2, lower, upper);
        lower = RoundLimit(c.Max - share / 200 * (c.Max - c.Min));
        bandStatus(lower, upper, "  Max: ");
        appendBars(1, lower, upper);
    }
    if (f.CheckBox14->Checked()) {
        if (!f.CheckBox2->Checked()) {
            status(f.Meldung(24));
            runChart(&TForm1::SpeedButton2Click, true);
        }
        Application->SetScreenCursor(crHourGlass);
        ChartRange c = range();
        double share = f.UpDown14->Position();
        int lower = RoundLimit(c.Min);
        int upper = RoundLimit(c.Min + share / 100 * (c.Max - c.Min));
        bandStatus(lower, upper, "  Max: ");
        appendBars(2, lower, upper);
        upper = RoundLimit(c.Min + share / 200 * (c.Max - c.Min));
        bandStatus(lower, upper, "  Max: ");
        appendBars(1, lower, upper);
    }
    if (f.CheckBox10->Checked()) {
        status(f.Meldung(25));
        runChart(&TForm1::Button5Click, true);
        Application->SetScreenCursor(crHourGlass);
        ChartRange c = range();
        int lower = f.UpDown13->Position();
        int upper = RoundLimit(c.Max);
        bandStatus(lower, upper, " Max: ");
        appendBars(2, lower, upper);
        lower = lower + (upper - lower) / 2;
        bandStatus(lower, upper, "  Max: ");
        appendBars(1, lower, upper);
    }
    if (f.CheckBox19->Checked()) {
        status(f.Meldung(26));
        Application->SetScreenCursor(crHourGlass);
        const DrawNumbers& last = run_.LastDraws[0];
        for (int i = 1; i <= 5; ++i) {
            int v = last[static_cast<size_t>(i)];
            if (v < 1 || v > 50) continue;  // a damaged record has no neighbours
            if (v > 1) pool_.Append(v - 1, 4);
            if (v < 50) pool_.Append(v + 1, 4);
        }
    }
    if (!f.CheckBox15->Checked()) {
        for (int n = 1; n <= 50; ++n) pool_.Append(n);
        pool_.Append(1);
    }

    const std::tuple<TCheckBox*, TUpDown*, int> drawsOut[] = {
        {f.CheckBox4, f.UpDown4, 0}, {f.CheckBox5, f.UpDown5, 1}, {f.CheckBox23, f.UpDown11, 2}};
    for (auto [box, limit, which] : drawsOut) {
        if (limit->Position() != 0 || !box->Checked()) continue;
        const DrawNumbers& draw = run_.LastDraws[static_cast<size_t>(which)];
        for (int i = 1; i <= 5; ++i) pool_.RemoveAll(draw[static_cast<size_t>(i)]);
    }
    if (f.CheckBox29->Checked()) pool_.RemoveBelow(13);
    if (f.CheckBox30->Checked())
        for (int v = 1; v <= 31; ++v) pool_.RemoveFirst(v);
    pool_.DropRemoved();
}

}  // namespace

bool TForm1::BuildNumberPool(TipRun& run) {
    PoolBuilder(*this, run).build();
    if (!CheckBox20->Checked() || !Form6) return true;

    PageControl1->SetActivePage(TabSheet1);
    Form6->Zufall = Meldung(52);
    Form6->Stopp = Meldung(53);
    Form6->MaxZahl = 50;
    for (int n = 1; n <= 50; ++n) {
        int weight = run.Pool.Gewichtung(n);
        // A tick made by the program takes the raising weight step, so it
        // never unticks a number that is in the pool.
        Form6->TickBox(n, weight > 0);
        Form6->CheckBox(n)->SetHint(IntToStr(weight));
    }
    Application->SetScreenCursor(crDefault);
    TModalResult result = Form6->ShowModal();
    if (result == mrOk) return true;
    if (result == mrRetry) {
        ListeUebernehmen(run);
        return true;
    }
    return false;
}

void TForm1::ListeUebernehmen(TipRun& run) {
    run.Pool.Clear();
    Form6->Zufall = Meldung(52);
    Form6->Stopp = Meldung(53);
    for (int n = 1; n <= 50; ++n) {
        TCheckBox* box = Form6->CheckBox(n);
        if (box->Checked()) run.Pool.ZahlEintragen(n, StrToInt(box->Hint()));
    }
}
