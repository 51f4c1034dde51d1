#pragma once
// A headless main window with a draw history and helpers to fill and read
// the tip grid and the tip list.

#include "support/DrawFixtures.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

class TipWindow : public ::testing::Test {
protected:
    MainWindowHarness h;
    TForm1& f = h.create();

    TipWindow() {
        writeDraws(h.dir.file("ZahlenEU.dat"), {draw(2024, 12, 27, {1, 2, 4, 5, 6}, 7, 8),
                                                draw(2025, 2, 7, {3, 14, 22, 30, 41}, 2, 9)});
    }

    // Row 1..12: the five number texts and the two star texts.
    void setRow(int row, const RowTexts& texts) { SetRowTexts(f, row, texts); }
    RowTexts rowTexts(int row) const { return GetRowTexts(f, row); }
    bool rowEmpty(int row) const { return rowTexts(row) == std::array<std::string, 7>{}; }
    void lockRow(int row) { f.Row(row - 1).Label->SetFontColor(clRed); }

    void showList(const std::vector<std::string>& items) {
        f.Gewinnzahlen->Show();
        f.Gewinne->Show();
        f.SpeedButton28->Show();
        f.Gewinnzahlen->Items().Clear();
        for (const auto& s : items) f.Gewinnzahlen->Items().Add(s);
    }
    std::vector<std::string> listLines() const {
        return {f.Gewinnzahlen->Items().begin(), f.Gewinnzahlen->Items().end()};
    }
    std::vector<std::string> resultLines() const { return {f.Gewinne->Items().begin(), f.Gewinne->Items().end()}; }

    // Runs a command that must fail as the front end runs it: the error is
    // shown in the standard error box, whose text is returned.
    template <class F>
    std::string errorOf(F&& command) {
        h.platform.answerMessage(IDOK);
        if (Application->Invoke(std::forward<F>(command))) {
            ADD_FAILURE() << "the command did not fail";
            return "";
        }
        EXPECT_EQ(h.platform.messages.back().flags, MB_OK | MB_ICONERROR);
        return h.platform.messages.back().text;
    }

    std::string tipFile(const std::string& name) const { return h.dir.file("Tipps/" + name); }
};
