// The dialog over the counting screen when a chosen series has given all its
// start numbers: run the same series again, or choose again.
#pragma once

#include "ui/screen.h"

namespace numbers99 {

class Form19 : public ui::Screen {
  public:
    Form19();

    // Closing the dialog through its window frame is its "NO", so the
    // counting screen behind it never stays disabled.
    void Form_CloseRequest() override { Label4_Click(); }

    ui::Label Label1, Label2, Label3, Label4;

  private:
    void Label3_Click();
    void Label4_Click();
};

}  // namespace numbers99
