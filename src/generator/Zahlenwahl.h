#pragma once
// The number picker: the 50 main numbers as check boxes, each with a weight
// held as decimal text in its hint. The tip calculation reviews its number
// pool in it, the row editors choose a row's numbers in it, by hand or by an
// animated random pick; its boxes can be saved to and loaded from a value
// list file.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

#include <array>
#include <string>

class TForm6 : public TForm {
public:
    explicit TForm6(TComponent* owner);
    ~TForm6() override;
    const char* ClassName() const override { return "TForm6"; }

    static constexpr int kBoxes = 50;
    static constexpr int kSlots = 26;

    // Box n (1..50) stands for the number n; nullptr outside that range.
    TCheckBox* CheckBox(int n) const;
    // Ticks or unticks box n as the program does: the weight step that the
    // change runs takes the raising step, whatever the last mouse press on a
    // box was, so a program-made tick never unticks the box again.
    void TickBox(int n, bool ticked);

    // ---- Fields the callers set ----
    int MaxTipp = 5;   // distinct numbers the random pick chooses
    int MaxZahl = 50;  // boxes in use: 1 .. MaxZahl
    std::string Zufall;  // caption of BitBtn4 while the pick is idle
    std::string Stopp;   // word in BitBtn4's caption while the pick runs

    // ---- Controls ----
    TPanel* Panel1 = nullptr;
    TBitBtn *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr, *BitBtn4 = nullptr;
    TSpeedButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TTimer* Timer1 = nullptr;

    // ---- Handlers ----
    void CheckBox49Click(TObject* Sender);
    void CheckBox1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void CheckBox2MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void CheckBox1MouseActivate(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y, int HitTest,
                                TMouseActivate& MouseActivate);
    void BitBtn4Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void design();
    void bindEvents();
    void showStatus(const TCheckBox& box);
    void untickAllInUse();
    void prepareValueListDialog(TCommonFileDialog& dialog) const;
    int boxesInUse() const;
    int slotsInUse() const;
    int drawFreeNumber();

    std::array<TCheckBox*, kBoxes + 1> boxes_{};  // by number; [0] unused
    std::array<int, kSlots + 1> Tippreihe{};      // slots 1..26
    int Losgeht = 1;
    bool Minus = false;
    bool programTick_ = false;
};

extern TForm6* Form6;
