// The dialog over the tables screen when a chosen table has shown its ten
// facts: run the same table again, or choose again.
#pragma once

#include "ui/screen.h"

namespace multiplication {

class Form21 : public ui::Screen {
  public:
    Form21();

    // Closing the dialog through its window frame is its "NO", so the
    // tables screen behind it never stays disabled.
    void Form_CloseRequest() override { Label4_Click(); }

    ui::Label Label1, Label2, Label3, Label4;

  private:
    void Label3_Click();
    void Label4_Click();
};

}  // namespace multiplication
