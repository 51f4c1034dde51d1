#include "output/Spielwahl.h"

#include "app/DesignKit.h"
#include "app/LottoZahlen.h"
#include "platform/forms/Application.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Random.h"

TForm5* Form5 = nullptr;

namespace {

constexpr int kBorder = 10;
constexpr int kDigitPitch = 56;  // an edit of 36, its counter of 16, a gap of 4

std::string programFolder() { return Form1 ? Form1->Home : std::string(); }

}  // namespace

double ExtraGamesCost(int tips, bool spiel77, bool super6, bool glueck) {
    double cost = tips * 2.0;
    if (spiel77) cost += 1.5;
    if (super6) cost += 1.25;
    if (glueck) cost += 5;
    return cost;
}

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    Form5 = this;
    design();
}

TForm5::~TForm5() {
    if (Form5 == this) Form5 = nullptr;
}

void TForm5::design() {
    SetName("Form5");
    SetCaption("Übergabe des Tippscheins direkt an Lottohelden");
    Position = TPosition::poMainFormCenter;

    int top = kBorder;
    PlaceCheck(this, Spiel77, "Spiel77", this, kBorder, top, 120, "Spiel 77", false);
    PlaceCheck(this, Super6, "Super6", this, kBorder + 130, top, 120, "Super 6", false);
    PlaceCheck(this, glueck, "glueck", this, kBorder + 260, top, 130, "Glücksspirale", false);
    top += 26;
    PlaceLabel(this, Label3, "Label3", this, kBorder, top, 60, "Kosten:");
    PlaceLabel(this, Label4, "Label4", this, kBorder + 70, top, 120, "Kosten:");
    Label4->SetTag(kDataLabelTag);  // shows the cost
    top += 28;

    TEdit** edits[] = {&Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
    TUpDown** upDowns[] = {&UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7, &UpDown8, &UpDown9};
    for (int i = 0; i < 7; ++i) {
        const std::string n = std::to_string(i + 3);
        PlaceCounter(this, *edits[i], ("Edit" + n).c_str(), *upDowns[i], ("UpDown" + n).c_str(), this,
                     kBorder + i * kDigitPitch, top, 0, 9, 0);
    }
    const int digitsRight = kBorder + 7 * kDigitPitch;
    Place(this, SpeedButton2, "SpeedButton2", this, digitsRight, top - 2, kButtonHeight, kButtonHeight, {},
          "Neu Losnummer welche noch nie gezogen wurde erzeugen");
    SpeedButton2->SetGlyph("new");
    Place(this, SpeedButton3, "SpeedButton3", this, digitsRight + kButtonHeight + 4, top - 2, kButtonHeight,
          kButtonHeight, {}, "Suchen ob diese Losnr schon gezogen wurde");
    SpeedButton3->SetGlyph("evaluate");
    top += 34;

    Place(this, RadioGroup2, "RadioGroup2", this, kBorder, top, 340, 110, "Super6 und Spiel77 Option");
    for (const char* item : {"einfach per Zufall bestimmen", "Losnummer noch nie gezogen",
                             "letzten 6 Stellen der Losnummer nie gezogen", "letzten 5 Stellen der Losnummer nie gezogen",
                             "letzten 4 Stellen der Losnummer nie gezogen"})
        RadioGroup2->Items().Add(item);
    RadioGroup2->SetItemIndex(0);
    PlaceLabel(this, Label5, "Label5", this, kBorder, top, 340,
               "Drücken Sie auf \"&Warenkorb\" und melden Sie sich danach beim Anbieter an oder registrieren Sie "
               "sich dort.",
               4);
    Label5->SetVisible(false);
    top += 120;

    Place(this, BitBtn1, "BitBtn1", this, kBorder, top, 100, kButtonHeight);
    BitBtn1->SetKind(TBitBtnKind::bkAbort);
    Place(this, BitBtn3, "BitBtn3", this, digitsRight + 2 * kButtonHeight + 4 - 110, top, 110, kButtonHeight,
          "&Warenkorb");
    BitBtn3->SetDefault(true);

    SetClientWidth(digitsRight + 2 * kButtonHeight + 4 + kBorder);
    SetClientHeight(top + kButtonHeight + kBorder);

    for (TCheckBox* box : {Spiel77, Super6, glueck}) box->OnClick = [this](TObject* s) { glueckClick(s); };
    SpeedButton2->OnClick = [this](TObject* s) { SpeedButton2Click(s); };
    SpeedButton3->OnClick = [this](TObject* s) { SpeedButton3Click(s); };
    BitBtn3->OnClick = [this](TObject* s) { BitBtn3Click(s); };
    // Outside a modal run the abort kind's result alone would leave it open.
    BitBtn1->OnClick = [this](TObject*) {
        if (!Modal()) Close();
    };
    OnShow = [this](TObject* s) { FormShow(s); };

    Homedir = SiblingDrawFolder(programFolder());
    Zahlenfile08 = kSiblingDrawFileName;
}

TicketDigits TForm5::Digits() const {
    TicketDigits digits{};
    const auto upDowns = DigitUpDowns();
    for (std::size_t i = 0; i < digits.size(); ++i) digits[i] = upDowns[i]->Position();
    return digits;
}

void TForm5::FormShow(TObject*) {
    const std::string found = FindSiblingDrawFile(programFolder());
    const bool present = !found.empty();
    if (present) {
        Homedir = ExtractFilePath(found);
        Zahlenfile08 = ExtractFileName(found);
        SpielzahlTest = 0;
    }
    SpeedButton3->SetVisible(present);
    RadioGroup2->SetVisible(present);
    Label5->SetVisible(!present);
    RadioGroup2->SetItemIndex(0);
}

void TForm5::glueckClick(TObject*) {
    if (glueck->Checked() && !Spiel77->Checked() && !Super6->Checked()) Super6->SetChecked(true);
    const double cost = ExtraGamesCost(Tipp, Spiel77->Checked(), Super6->Checked(), glueck->Checked());
    Label4->SetCaption(FormatCurrency(cost, FormatSettings()));
}

void TForm5::SpeedButton2Click(TObject*) {
    SpielzahlTest = RadioGroup2->ItemIndex();
    SiblingDraws draws;
    if (SpielzahlTest >= 1) draws = ReadSiblingDraws(SiblingDrawFile());
    const NewTicket ticket = DrawNewTicket(
        SpielzahlTest, [] { return Random(10); },
        [&](const TicketDigits& digits, int level) { return TicketRejected(draws, digits, level); });
    SpielzahlTest = ticket.Level;
    const auto upDowns = DigitUpDowns();
    for (std::size_t i = 0; i < upDowns.size(); ++i) upDowns[i]->SetPosition(ticket.Digits[i]);
}

void TForm5::SpeedButton3Click(TObject*) {
    const std::string path = SiblingDrawFile();
    if (!FileExists(path)) return;
    ShowMessage(TicketSearchMessage(FindTicket(ReadSiblingDraws(path), Digits()), FormatSettings()));
}

void TForm5::BitBtn3Click(TObject*) {
    LosNr.clear();
    for (TEdit* edit : {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9}) LosNr += edit->Text();
    Close();
}
