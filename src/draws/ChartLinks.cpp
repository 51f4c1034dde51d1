// The buttons and link labels on the parameter pages that open a chart.

#include "draws/ChartHandOver.h"

void TForm1::SpeedButton26Click(TObject* Sender) {
    ShowChartPage(*this);
    SpeedButton2Click(Sender);
}

void TForm1::Label88Click(TObject* Sender) {
    ShowChartPage(*this);
    SpeedButton9Click(Sender);
}

void TForm1::Label89Click(TObject* Sender) {
    ShowChartPage(*this);
    Button2Click(Sender);
}

void TForm1::Label91Click(TObject* Sender) {
    ShowChartPage(*this);
    Button3Click(Sender);
}

void TForm1::Label90Click(TObject* Sender) {
    ShowChartPage(*this);
    Button4Click(Sender);
}

// The star frequency routine itself serves the star choice of the tip
// calculation, which needs neither a replay nor a status text; the button
// adds both.
void TForm1::SuperseltenClick(TObject* Sender) {
    ShowChartPage(*this);
    BitBtn20->SetTag(kReplayStarFrequency);
    SpeedButton3Click(Sender);
    ShowEndDate(*this);
}

void TForm1::SuperAusClick(TObject* Sender) { Button8Click(Sender); }
