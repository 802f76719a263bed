// Reading the abacus: the screen shows a number as coloured beads on four
// rods, and the child writes it in digits, one box per place, and in words.
#pragma once

#include <array>

#include "abacus/abacus_layout.h"
#include "ui/screen.h"
#include "words/number_words.h"

namespace abacus {

class Form15 : public ui::Screen {
  public:
    Form15();

    void Form_Load() override;

    // The chosen range, 0 until the first range click of the run, and the
    // number given with its digits; whole numbers all.
    float limite = 0;
    float u = 0, da = 0, h = 0, k = 0;
    float migliaia = 0;
    float n = 0;

    ui::Label Label8, Label9;
    ui::Label Label6, Label7, Label10, Label11, Label12, Label13, Label14, Label15, Label17, Label16, Label18;
    ui::Line Line1, Line5, Line4, Line3, Line2;
    // Tens, units, hundreds, thousands, each from the lowest bead up.
    ui::Shape Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8, Shape9;
    ui::Shape Shape10, Shape11, Shape12, Shape13, Shape14, Shape15, Shape16, Shape17, Shape18;
    ui::Shape Shape19, Shape20, Shape21, Shape22, Shape23, Shape24, Shape25, Shape26, Shape27;
    ui::Shape Shape28;
    ui::Label Label19, Label5, Label4, Label3;
    ui::TextBox Text4, Text5, Text2, Text3, Text1;
    ui::Image Image1, Image2, Image3, Image4, Image5;
    ui::Label Label21;

    // The beads of each rod, lowest first: perleu[0] stands at position 1.
    std::array<ui::Shape*, 9> perleu{}, perleda{}, perleh{};
    std::array<ui::Shape*, 1> perlek{};

  private:
    void rangeClick(ui::Label& label, int value);
    void newNumber();
    void showFace(Face face) { faces.show(face); }

    // The four digit boxes alike: each judges its own digit, and opens the
    // words box when it holds the number's highest place.
    void digitKeyPress(ui::TextBox& box, int& keyAscii);
    void digitKeyUp(ui::TextBox& box, float digit, bool opensWords);
    void Text3_KeyUp(int keyCode, int shift);
    void Text2_KeyUp(int keyCode, int shift);
    void Text5_KeyUp(int keyCode, int shift);
    void Text4_KeyUp(int keyCode, int shift);
    void Text1_KeyPress(int& keyAscii);
    void Text1_KeyUp(int keyCode, int shift);
    void Image5_Click();

    std::array<ui::Label*, 11> rangeLabels();
    std::array<ui::Shape*, 28> allBeads();

    const Faces faces{Image2, Image3, Image4};
    const words::NumberWords parole;
};

}  // namespace abacus
