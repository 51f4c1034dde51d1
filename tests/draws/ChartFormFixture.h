#pragma once
// A headless main window with a history file of the test's own, and readers
// for what a chart routine leaves in the statistics chart.

#include "support/DrawFixtures.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ChartForm : public ::testing::Test {
protected:
    void history(const std::vector<DrawRecord>& draws) { writeDraws(h.dir.file("ZahlenEU.dat"), draws); }

    void period(int y1, int m1, int d1, int y2, int m2, int d2) {
        f.DateTimePicker2->SetDate(EncodeDate(y1, m1, d1));
        f.DateTimePicker1->SetDate(EncodeDate(y2, m2, d2));
    }

    std::vector<double> bars() const {
        std::vector<double> y;
        for (int i = 0; i < f.Series2->Count(); ++i) y.push_back(f.Series2->YValues()[i]);
        return y;
    }
    std::vector<double> xs() const {
        std::vector<double> x;
        for (int i = 0; i < f.Series2->Count(); ++i) x.push_back(f.Series2->XValues()[i]);
        return x;
    }
    // The bar at X value x (0 when there is none).
    double bar(double x) const {
        for (int i = 0; i < f.Series2->Count(); ++i)
            if (f.Series2->XValues()[i] == x) return f.Series2->YValues()[i];
        return 0;
    }
    std::string title() const { return f.Chart1->BottomAxis().Title().Caption(); }
    std::string status() const { return f.StatusBar1->Panels(0).Text; }
    TAxisRange left() const { return f.Chart1->LeftAxis().Range(); }

    // Runs a handler as the message loop does: a failure ends in the error box.
    template <class Handler>
    bool click(Handler handler) {
        TForm1* form = &f;
        return h.app->Invoke([form, handler] { (form->*handler)(nullptr); });
    }

    MainWindowHarness h;
    TForm1& f = h.create();
};
