// The menu of the numbers-to-1000 module: four rows of pictures and coloured
// number words, each with one clickable entry picture.
#pragma once

#include <array>

#include "ui/screen.h"

namespace abacus {

class Form20 : public ui::Screen {
  public:
    Form20();

    void Form_MouseMove(const ui::MouseEvent&) override;

    ui::Label Label2;
    // Row 1: from the abacus to digits and words.
    ui::Image Image1, Image12, Image2;
    ui::Label Label3;
    ui::Image Image4;
    ui::Label Label5;
    ui::Image Image3;
    ui::Label Label4;
    // Row 2: from digits and words to the abacus.
    ui::Image Image8;
    ui::Label Label8;
    ui::Image Image5;
    ui::Label Label6;
    ui::Image Image7;
    ui::Label Label7;
    ui::Image Image13, Image11;
    // Row 3: the computer writes the child's numbers.
    ui::Image Image14;
    ui::Label Label11;
    ui::Image Image16;
    ui::Label Label14;
    ui::Image Image15;
    // Row 4: the child writes the computer's numbers.
    ui::Label Label12;
    ui::Image Image17, Image19, Image18;
    ui::Label Label15;
    ui::Image Image6;
    ui::Label Label1;

  private:
    void Image12_Click();
    void Image13_Click();
    void Image16_Click();
    void Image19_Click();
    void Image6_Click();
    std::array<ui::Image*, 4> entries() { return {&Image12, &Image13, &Image16, &Image19}; }
};

}  // namespace abacus
