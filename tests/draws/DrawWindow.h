#pragma once
// A headless main window set up for showing and stepping through draws: the
// program folder holds the history "ZahlenEU.dat" a test writes, and the
// evaluation gate is open.

#include "support/DrawFixtures.h"
#include "support/MainWindow.h"

#include <string>
#include <vector>

class DrawWindow {
public:
    DrawWindow();

    std::string historyPath() const { return h.dir.file("ZahlenEU.dat"); }
    void store(const std::vector<DrawRecord>& records, const std::string& trailing = {}) {
        writeDraws(historyPath(), records, trailing);
    }
    // Row 1 of the grid holds a tip; in the list view the tip list holds it.
    void tipInGrid(const std::vector<std::string>& texts);
    void tipInList(const std::string& line);
    void listView();

    MainWindowHarness h;
    TForm1& f;
};

// The three draws most tests use; the middle one is a Tuesday.
std::vector<DrawRecord> ThreeDraws();
