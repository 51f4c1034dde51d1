#pragma once
// The manual entry of a draw: its date, five main numbers and two stars,
// each number an edit whose up-down counter keeps it in range.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

#include <array>
#include <memory>

class TForm3 : public TForm {
public:
    // The program's window, created with the others at start.
    explicit TForm3(TComponent* owner);
    // A window of its own for one entry, destroyed after it; the program's
    // Form3 stays what it was.
    static std::unique_ptr<TForm3> ForOneEntry(TComponent* owner);
    ~TForm3() override;
    const char* ClassName() const override { return "TForm3"; }

    // The counters of the five main numbers, in order.
    std::array<TUpDown*, 5> NumberUpDowns() const { return {UpDown1, UpDown2, UpDown3, UpDown4, UpDown5}; }

    TDateTimePicker* DateTimePicker1 = nullptr;
    TEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
          *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr;
    TUpDown *UpDown1 = nullptr, *UpDown2 = nullptr, *UpDown3 = nullptr, *UpDown4 = nullptr, *UpDown5 = nullptr,
            *UpDown6 = nullptr, *UpDown7 = nullptr, *UpDown8 = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr;
    TPanel* Panel1 = nullptr;
    TBitBtn *BitBtn1 = nullptr, *BitBtn2 = nullptr;

private:
    struct OneEntry {};
    TForm3(TComponent* owner, OneEntry);
    void design();

    bool programWindow_;
};

extern TForm3* Form3;
