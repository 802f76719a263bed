// Column multiplication of a two-digit number by a one-digit number, the
// product within 99: Form9 without carry, Form10 with carry.
#pragma once

#include "columns/column_protocol.h"

namespace columns {

// The problem and its digits, shared by the two multiplication screens.
class Multiplication : public ColumnExercise<ui::Counter16> {
  public:
    // Multiplicand, multiplier, product, and the lengths of md and pt.
    ui::Variant md, mt, pt, lmd, lpt;
    // Units and tens digits of md, and of pt (the expected answers).
    ui::Variant umd, damd, upt, dapt;

  protected:
    struct Cells {
        ui::Label& tensOfMultiplicand;
        ui::Label& unitsOfMultiplicand;
        ui::Label& multiplier;
    };

    Multiplication(std::string formName, const ui::ScreenProps& design, const Roles& roles,
                   const Boxes& boxes, const Cells& cells, Carry carry);

    ui::Variant expectedUnits() const override { return upt; }
    ui::Variant expectedTens() const override { return dapt; }

    void askProblem();

  private:
    void drawProblem();

    Cells cells_;
    Carry carry_;
};

class Form9 : public Multiplication {
  public:
    Form9();

    ui::Label Label1, Label2, Label3, Label8, Label9, Label4, Label10, Label5, Label6;
    ui::TextBox Text5, Text4;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19, Label11, Label12;
    ui::Image Image4;
    ui::Label Label16;

  private:
    void Label11_Click() { askProblem(); }
    void Text4_KeyPress(int& keyAscii) { unitsKeyPress(keyAscii); }
    void Text4_KeyUp(int, int) { unitsKeyUp(); }
    void Text5_KeyPress(int& keyAscii) { tensKeyPress(keyAscii); }
    void Text5_KeyUp(int, int) { tensKeyUp(); }
    // The credit footer is a second way back to the menu.
    void Label16_Click() { backToMenu(); }
};

class Form10 : public Multiplication {
  public:
    Form10();

    ui::Label Label1, Label2, Label3, Label8, Label9, Label4, Label10, Label5, Label6;
    ui::TextBox Text5, Text4;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19, Label11, Label12;
    ui::Image Image5;
    ui::Label Label7;

  private:
    void Label11_Click() { askProblem(); }
    void Text4_KeyPress(int& keyAscii) { unitsKeyPress(keyAscii); }
    void Text4_KeyUp(int, int) { unitsKeyUp(); }
    void Text5_KeyPress(int& keyAscii) { tensKeyPress(keyAscii); }
    void Text5_KeyUp(int, int) { tensKeyUp(); }
};

}  // namespace columns
