// Editing the tip grid by hand: the edits keep only valid numbers, a row is
// edited in the number picker, a row label locks its row, the lucky number
// seeds the generator, and some parameter counters keep their limits in step.

#include "app/ComposedMessages.h"
#include "app/LottoZahlen.h"
#include "generator/GridEditingRules.h"
#include "generator/Zahlenwahl.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Random.h"

void TForm1::Edit1Change(TObject* Sender) {
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) edit->SetText(NormalisedTipText(edit->Text(), kMaxTipNumber));
}

void TForm1::Edit6Change(TObject* Sender) {
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) edit->SetText(NormalisedTipText(edit->Text(), SternenzahlMax));
}

void TForm1::TippEdit(int Anfang, int Ende) {
    TForm6& picker = *Form6;
    picker.Zufall = Meldung(52);
    picker.Stopp = Meldung(53);
    picker.BitBtn3->Hide();
    picker.BitBtn4->Show();
    picker.MaxTipp = 5;
    picker.MaxZahl = TForm6::kBoxes;
    for (int n = 1; n <= TForm6::kBoxes; ++n) {
        picker.TickBox(n, false);
        picker.CheckBox(n)->SetColor(clInfoBk);
    }
    // The row's numbers are marked up to the first edit that names none.
    for (int j = Anfang; j <= Ende; ++j) {
        int number = 0;
        if (!TryStrToInt(TipEdit(j)->Text(), number) || !picker.CheckBox(number)) break;
        picker.TickBox(number, true);
        picker.CheckBox(number)->SetColor(clYellow);
    }

    if (picker.ShowModal() == mrOk) {
        int j = Anfang;
        for (int n = 1; n <= TForm6::kBoxes && j <= Ende; ++n)
            if (picker.CheckBox(n)->Checked()) TipEdit(j++)->SetText(IntToStr(n));
        // Numbers left over from before would stand twice in the row and
        // count as hits that were never chosen.
        for (; j <= Ende; ++j) TipEdit(j)->SetText("");
    }

    picker.BitBtn3->Show();
    picker.BitBtn4->Hide();
    for (int n = 1; n <= TForm6::kBoxes; ++n) picker.CheckBox(n)->SetColor(clInfoBk);
    picker.SetCaption(Meldung(50));
    picker.Zufall = Meldung(52);
    picker.Stopp = Meldung(53);
}

void TForm1::EditTipRow(int row) {
    // The number of each row's first number edit; the other four follow it.
    static constexpr int kFirstNumberEdit[kTipRows] = {1, 7, 13, 19, 25, 31, 43, 49, 56, 62, 68, 74};
    const TipRow& tip = Row(row);
    Form6->SetCaption(IntToStr(row + 1) + "." + Meldung(51));
    int first = kFirstNumberEdit[row];
    TippEdit(first, first + 4);

    if (tip.Star1()->Text().empty() && !tip.Number(4)->Text().empty()) {
        auto [star1, star2] = DrawRowStars();
        tip.Star1()->SetText(IntToStr(star1));
        tip.Star2()->SetText(IntToStr(star2));
    }
}

void TForm1::Tipp1EditClick(TObject*) { EditTipRow(0); }
void TForm1::Tipp2EditClick(TObject*) { EditTipRow(1); }
void TForm1::Tipp3EditClick(TObject*) { EditTipRow(2); }
void TForm1::Tipp4EditClick(TObject*) { EditTipRow(3); }
void TForm1::Tipp5EditClick(TObject*) { EditTipRow(4); }
void TForm1::Tipp6EditClick(TObject*) { EditTipRow(5); }
void TForm1::Tipp7EditClick(TObject*) { EditTipRow(6); }
void TForm1::Tipp8EditClick(TObject*) { EditTipRow(7); }
void TForm1::Tipp9EditClick(TObject*) { EditTipRow(8); }
void TForm1::Tipp10EditClick(TObject*) { EditTipRow(9); }
void TForm1::Tipp11EditClick(TObject*) { EditTipRow(10); }
void TForm1::Tipp12EditClick(TObject*) { EditTipRow(11); }

void TForm1::Label30Click(TObject* Sender) {
    auto* label = dynamic_cast<TLabel*>(Sender);
    if (!label) return;
    label->SetFontColor(label->Font().Color == clWindowText ? clRed : clWindowText);
}

void TForm1::SpeedButton13Click(TObject*) {
    std::string proposal = IntToStr(Random(99999));
    std::string answer = Application->Services().InputBox(Meldung(35), Meldung(36), proposal);
    int seed = 0;
    if (TryStrToInt(answer, seed)) {
        RandSeed = seed;
        StatusBar1->SetPanelText(1, LuckyNumberStatus(Meldung(37), seed, Meldung(38)));
    } else {
        Randomize();
    }
}

// The minimum even and odd counts together stay at most 6.
void TForm1::UpDown15MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    UpDown15->SetMax(6 - UpDown16->Position());
}
void TForm1::UpDown15MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    UpDown15->SetMax(6 - UpDown16->Position());
}
void TForm1::UpDown16MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    UpDown16->SetMax(6 - UpDown15->Position());
}
void TForm1::UpDown16MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    UpDown16->SetMax(6 - UpDown15->Position());
}

// The least count of numbers shared with an earlier tip stays at most the
// largest.
void TForm1::UpDown3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    UpDown9->SetMax(UpDown3->Position());
    UpDown3->SetMin(UpDown9->Position());
}
void TForm1::UpDown9MouseUp(TObject*, TMouseButton, TShiftState, int, int) { UpDown3->SetMin(UpDown9->Position()); }

void TForm1::UpDown7Changing(TObject*, bool&) { LaufMax = UpDown7->ChangingPosition() * 1000; }
