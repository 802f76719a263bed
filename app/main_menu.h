// The main menu: thirteen entries, one per exercise, and the abacus module.
#pragma once

#include <array>

#include "ui/screen.h"

namespace app {

class Form1 : public ui::Screen {
  public:
    Form1();

    void Form_MouseMove(const ui::MouseEvent&) override;

    // Entries, in the order of the menu's layout.
    ui::Label Label16, Label13, Label14, Label4, Label5, Label7, Label6, Label8, Label1, Label9, Label10,
        Label11, Label12;
    ui::Label Label2, Label15;
    ui::Image Image5;
    ui::Label Label17;
    ui::Image Image1, Image2, Image4, Image3, Image6, Image8, Image10, Image7, Image11, Image9;

  private:
    // Shows the entry's screen, then leaves the menu; an entry whose screen
    // is not built into the program does nothing.
    void openEntry(const char* formName);
    std::array<ui::Label*, 13> entries();
};

}  // namespace app
