#include "draws/DrawWindow.h"

DrawWindow::DrawWindow() : f(h.create()) {
    f.Home = h.dir.home();
    f.ZahlenFile = "ZahlenEU.dat";
    f.SoundName = "yippee.wav";
    f.sortieren = true;
    f.SternenzahlMax = 12;
}

void DrawWindow::tipInGrid(const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) f.Row(0).Edits[i]->SetText(texts[i]);
}

void DrawWindow::tipInList(const std::string& line) { f.Gewinnzahlen->Items().Add(line); }

void DrawWindow::listView() {
    f.Gewinnzahlen->SetVisible(true);
    f.Gewinne->SetVisible(true);
}

std::vector<DrawRecord> ThreeDraws() {
    return {
        draw(2025, 1, 31, {1, 2, 3, 4, 5}, 1, 2),
        draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9),
        draw(2025, 2, 7, {50, 40, 30, 20, 10}, 12, 11),
    };
}
