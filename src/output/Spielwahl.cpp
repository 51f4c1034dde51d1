#include "output/Spielwahl.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    Form5 = this;
    SetName("Form5");
    SetCaption("Übergabe des Tippscheins direkt an Lottohelden");
}

TForm5::~TForm5() {
    if (Form5 == this) Form5 = nullptr;
}
