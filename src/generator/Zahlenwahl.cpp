#include "generator/Zahlenwahl.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(TComponent* owner) : TForm(owner) {
    Form6 = this;
    SetName("Form6");
    SetCaption("Zahlen für Berechnung wählen");
}

TForm6::~TForm6() {
    if (Form6 == this) Form6 = nullptr;
}
