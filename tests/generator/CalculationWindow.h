#pragma once
// The program's windows over a history of draws, ready for tip calculations.

#include "app/ProgramWindows.h"
#include "generator/Zahlenwahl.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

class CalculationWindow : public ::testing::Test {
protected:
    MainWindowHarness h;
    TForm1* form = nullptr;

    // 2025-02-11, the harness's today, is a Tuesday.
    void start(const std::vector<DrawRecord>& history) {
        writeDraws(h.dir.file("ZahlenEU.dat"), history);
        CreateProgramWindows(*h.app);
        form = Form1;
    }
    void startWithHistory(int draws = 300) { start(SyntheticHistory(draws, EncodeDate(2025, 2, 11))); }
    // The draws the program ships, up to the harness's today.
    void startWithShippedHistory() {
        std::ifstream list(STELLIX_DATA_DIR "/draws.csv");
        std::vector<DrawRecord> history;
        std::string line;
        std::getline(list, line);  // the header
        while (std::getline(list, line) && line.compare(0, 10, "2025-02-11") <= 0) {
            int v[10];
            ASSERT_EQ(std::sscanf(line.c_str(), "%d-%d-%d,%d,%d,%d,%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4],
                                  &v[5], &v[6], &v[7], &v[8], &v[9]),
                      10)
                << line;
            history.push_back(draw(v[0], v[1], v[2], {v[3], v[4], v[5], v[6], v[7]}, v[8], v[9]));
        }
        ASSERT_EQ(history.size(), 1815u);
        start(history);
    }
    TForm1& f() { return *form; }

    struct Tip {
        std::array<std::string, 7> texts;
        bool operator==(const Tip&) const = default;
    };
    Tip tip(int row) {
        Tip t;
        for (size_t i = 0; i < 7; ++i) t.texts[i] = f().Row(row).Edits[i]->Text();
        return t;
    }
    std::vector<Tip> tips() {
        std::vector<Tip> all;
        for (int r = 0; r < kTipRows; ++r) all.push_back(tip(r));
        return all;
    }
    bool empty(int row) {
        for (TEdit* e : f().Row(row).Edits)
            if (!e->Text().empty()) return false;
        return true;
    }
    std::string status() { return f().StatusBar1->Panels(1).Text; }
    void lock(int row) { f().Row(row).Label->SetFontColor(clRed); }
    void fill(int row, std::array<const char*, 7> texts) {
        for (size_t i = 0; i < 7; ++i) f().Row(row).Edits[i]->SetText(texts[i]);
    }
    // No candidate can pass: the cross-sum window is empty.
    void impossibleFilters() {
        f().UpDown1->SetPosition(239);
        f().UpDown2->SetPosition(21);
    }
    void calculate() { f().BitBtn4->Click(); }
    // A long run that finds nothing, stopped by a second click on the
    // button at the 50th dispatch of messages; the dispatches seen.
    int calculateAndStopWhileRunning() {
        impossibleFilters();
        f().UpDown7->SetPosition(30000);
        int dispatches = 0;
        std::function<void()> clickAfterAFew = [&] {
            if (++dispatches == 50)
                f().BitBtn4->Click();
            else
                h.platform.onProcessMessages(clickAfterAFew);
        };
        h.platform.onProcessMessages(clickAfterAFew);
        calculate();
        return dispatches;
    }
};
