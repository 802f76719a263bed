// The information box, shown over the disabled title screen.
#pragma once

#include "ui/screen.h"

namespace app {

class Form18 : public ui::Screen {
  public:
    Form18();

    void Form_MouseMove(const ui::MouseEvent&) override;
    // Closing the box through its window frame is its "OK".
    void Form_CloseRequest() override { Label1_Click(); }

    ui::Label Label2, Label3, Label6, Label4, Label5, Label1;

  private:
    void Label1_Click();
};

}  // namespace app
