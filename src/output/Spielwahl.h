#pragma once
// The extra-games window of the basket.

#include "platform/forms/Form.h"

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    ~TForm5() override;
    const char* ClassName() const override { return "TForm5"; }
};

extern TForm5* Form5;
