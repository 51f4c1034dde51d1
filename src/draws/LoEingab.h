#pragma once
// The manual entry of a draw.

#include "platform/forms/Form.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    ~TForm3() override;
    const char* ClassName() const override { return "TForm3"; }
};

extern TForm3* Form3;
