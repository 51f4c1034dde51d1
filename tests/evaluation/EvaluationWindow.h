#pragma once
// A headless main window set up as its creation step leaves it, with a
// current draw and helpers to fill grid rows.

#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

class EvaluationWindow : public ::testing::Test {
protected:
    MainWindowHarness h;
    TForm1& f = h.create();

    EvaluationWindow() { setDraw({3, 14, 22, 30, 41}, 2, 9); }

    void setDraw(std::array<int, 5> numbers, int star1, int star2) {
        f.Zahl = {0, numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], 0, star1, star2};
    }

    // Row 1..12: the five number texts and the two star texts.
    void setRow(int row, const RowTexts& texts) { SetRowTexts(f, row, texts); }
    RowTexts rowTexts(int row) const { return GetRowTexts(f, row); }

    int tipsCounted() const {
        int n = 0;
        for (const auto& row : f.Statistik)
            for (int cell : row) n += cell;
        return n;
    }
    std::string winSound() const { return h.dir.home() + "yippee.wav"; }
};
