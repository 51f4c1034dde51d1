#pragma once
// The number picker: the 50 main numbers with their weights.

#include "platform/forms/Form.h"

class TForm6 : public TForm {
public:
    explicit TForm6(TComponent* owner);
    ~TForm6() override;
    const char* ClassName() const override { return "TForm6"; }
};

extern TForm6* Form6;
