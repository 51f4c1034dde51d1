#pragma once
// The online submission window; it is never shown. The submission command
// fills its fields and runs its submit routine, which finds the submission
// robot, lets the user choose a click script, fills it with the tips twelve
// at a time and starts the robot with each filled script.

#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

#include <string>

class TAbgabeForm : public TForm {
public:
    explicit TAbgabeForm(TComponent* owner);
    ~TAbgabeForm() override;
    const char* ClassName() const override { return "TAbgabeForm"; }

    // ---- Fields the submission command sets ----
    int Tipps = 0;          // number of tips, for the price
    std::string dateiname;  // full path of the tip file to submit

    // ---- Controls ----
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    TMemo* Memo1 = nullptr;
    TSpeedButton* SpeedButton14 = nullptr;
    TBitBtn* BitBtn1 = nullptr;

    // ---- Handlers ----
    void ComboBox1Change(TObject* Sender);
    void SpeedButton14Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

private:
    void design();
    void submit();
    void offerInstaller();
};

extern TAbgabeForm* AbgabeForm;
