#pragma once
// The main window with the number picker created after it, as the program
// creates them, and the user's mouse actions on the picker's boxes.

#include "generator/Zahlenwahl.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

class PickerWindow : public ::testing::Test {
protected:
    MainWindowHarness h;
    TForm1& f = h.create();
    TForm6& picker = *h.app->CreateForm<TForm6>();

    TCheckBox& box(int n) { return *picker.CheckBox(n); }
    // A left click: the press, then the toggle.
    void leftClick(int n) {
        box(n).MouseDown(TMouseButton::mbLeft, ssLeft, 4, 4);
        box(n).Click();
        box(n).MouseUp(TMouseButton::mbLeft, 0, 4, 4);
    }
    // A right click never toggles a box; only its press acts.
    void rightClick(int n) {
        box(n).MouseDown(TMouseButton::mbRight, ssRight, 4, 4);
        box(n).MouseUp(TMouseButton::mbRight, 0, 4, 4);
    }
    // Gives box n an exact state and weight, as the callers do.
    void setBox(int n, bool ticked, const std::string& weight) {
        picker.TickBox(n, ticked);
        box(n).SetHint(weight);
    }
    std::set<int> ticked() {
        std::set<int> numbers;
        for (int n = 1; n <= TForm6::kBoxes; ++n)
            if (box(n).Checked()) numbers.insert(n);
        return numbers;
    }
    std::string status() { return picker.StatusBar1->Panels(0).Text; }
};
