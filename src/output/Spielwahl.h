#pragma once
// The extra-games window of the basket: the extra games with their cost,
// and a seven-digit ticket number that can be drawn new, tested against the
// draw file of the maker's 6-from-49 product and searched in it.

#include "output/TicketNumber.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

#include <array>
#include <string>

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    ~TForm5() override;
    const char* ClassName() const override { return "TForm5"; }

    // The seven digit counters, the leftmost first.
    std::array<TUpDown*, 7> DigitUpDowns() const { return {UpDown3, UpDown4, UpDown5, UpDown6, UpDown7, UpDown8, UpDown9}; }
    TicketDigits Digits() const;
    // Where the sibling draw file was found at the last showing ("" before).
    std::string SiblingDrawFile() const { return Homedir + Zahlenfile08; }

    void FormShow(TObject* Sender);
    void glueckClick(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);

    TCheckBox *Spiel77 = nullptr, *Super6 = nullptr, *glueck = nullptr;
    TLabel *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    TEdit *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr,
          *Edit8 = nullptr, *Edit9 = nullptr;
    TUpDown *UpDown3 = nullptr, *UpDown4 = nullptr, *UpDown5 = nullptr, *UpDown6 = nullptr, *UpDown7 = nullptr,
            *UpDown8 = nullptr, *UpDown9 = nullptr;
    TSpeedButton *SpeedButton2 = nullptr, *SpeedButton3 = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    TBitBtn *BitBtn1 = nullptr, *BitBtn3 = nullptr;

    // The number of tips the cost is for.
    int Tipp = 0;
    // The ticket number's seven digits as text, stored by BitBtn3.
    std::string LosNr;
    // The test level the new ticket number is at.
    int SpielzahlTest = 0;

private:
    void design();

    std::string Homedir;
    std::string Zahlenfile08;
};

extern TForm5* Form5;

// What the extra games cost for a number of tips, in the currency's units.
double ExtraGamesCost(int tips, bool spiel77, bool super6, bool glueck);
