#include "output/anders.h"

#include "platform/forms/Designer.h"

#include <tuple>

TForm8* Form8 = nullptr;

TForm8::TForm8(TComponent* owner) : TForm(owner) {
    Form8 = this;
    SetName("Form8");
    SetCaption("Positionierung des Scheindruckes");
    SetBounds(200, 120, 640, 480);
    Place(this, Edit1, "Edit1", this, 100, 20, 50, 21, "14");
    Place(this, Edit2, "Edit2", this, 100, 48, 50, 21, "14");
    Place(this, Edit3, "Edit3", this, 260, 20, 50, 21, "0");
    Place(this, Edit4, "Edit4", this, 260, 48, 50, 21, "102");
    Place(this, Edit5, "Edit5", this, 420, 20, 34, 21);
    Place(this, UpDown1, "UpDown1", this, 454, 20, 16, 21);
    Place(this, Edit6, "Edit6", this, 420, 48, 34, 21);
    Place(this, UpDown2, "UpDown2", this, 454, 48, 16, 21);
    const std::tuple<TUpDown*, TEdit*, int> counters[] = {{UpDown1, Edit5, 10}, {UpDown2, Edit6, 5}};
    for (auto [upDown, edit, position] : counters) {
        upDown->SetMin(1);
        upDown->SetMax(50);
        upDown->SetAssociate(edit);
        upDown->SetPosition(position);
    }
}

TForm8::~TForm8() {
    if (Form8 == this) Form8 = nullptr;
}
