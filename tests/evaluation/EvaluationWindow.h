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

    EvaluationWindow() {
        f.Home = h.dir.home();
        f.ZahlenFile = "ZahlenEU.dat";
        f.SoundName = "yippee.wav";
        f.sortieren = true;
        f.SternenzahlMax = 12;
        setDraw({3, 14, 22, 30, 41}, 2, 9);
    }

    void setDraw(std::array<int, 5> numbers, int star1, int star2) {
        f.Zahl = {0, numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], 0, star1, star2};
    }

    // Row 1..12: the five number texts and the two star texts.
    void setRow(int row, std::array<std::string, 7> texts) {
        const TipRow& r = f.Row(row - 1);
        for (size_t i = 0; i < 7; ++i) r.Edits[i]->SetText(texts[i]);
    }
    std::array<std::string, 7> rowTexts(int row) const {
        std::array<std::string, 7> texts;
        for (size_t i = 0; i < 7; ++i) texts[i] = f.Row(row - 1).Edits[i]->Text();
        return texts;
    }

    int tipsCounted() const {
        int n = 0;
        for (const auto& row : f.Statistik)
            for (int cell : row) n += cell;
        return n;
    }
    std::string winSound() const { return h.dir.home() + "yippee.wav"; }
};
