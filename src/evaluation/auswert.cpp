#include "evaluation/auswert.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(TComponent* owner) : TForm(owner) {
    Form9 = this;
    SetName("Form9");
    SetCaption("Auswertung und Gewinnberechnung");
}

TForm9::~TForm9() {
    if (Form9 == this) Form9 = nullptr;
}
