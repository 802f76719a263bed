// The title screen the program opens on.
#pragma once

#include "ui/screen.h"

namespace app {

class Form12 : public ui::Screen {
  public:
    Form12();

    void Form_MouseMove(const ui::MouseEvent&) override;

    ui::Label Label1, Label2, Label3, Label7, Label5, Label6, Label8, Label4;

  private:
    void Label2_Click();
    void Label8_Click();
    void Label4_Click();
};

}  // namespace app
