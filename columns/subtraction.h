// Column subtraction with a minuend within 99: Form5 without borrow, Form7
// with borrow.
#pragma once

#include "columns/column_protocol.h"

namespace columns {

// The problem and its digits, shared by the two subtraction screens.
class Subtraction : public ColumnExercise<ui::Counter16> {
  public:
    // Minuend, subtrahend, difference, and the lengths of the three.
    ui::Variant m, s, r, lm, ls, lr;
    // Units and tens digits of the minuend and the subtrahend; das is taken
    // only from a two-digit subtrahend.
    ui::Variant um, dam, us, das;
    // The expected answers; dar is the number 0 for a one-digit difference.
    ui::Variant ur, dar;

  protected:
    // The four cells of the problem: tens and units of each number.
    struct Cells {
        ui::Label& tensOfMinuend;
        ui::Label& unitsOfMinuend;
        ui::Label& tensOfSubtrahend;
        ui::Label& unitsOfSubtrahend;
    };

    Subtraction(std::string formName, const ui::ScreenProps& design, const Roles& roles, const Boxes& boxes,
                const Cells& cells, Carry borrow);

    ui::Variant expectedUnits() const override { return ur; }
    ui::Variant expectedTens() const override { return dar; }

    void askProblem();

  private:
    void drawProblem();

    Cells cells_;
    Carry borrow_;
};

class Form5 : public Subtraction {
  public:
    Form5();

    ui::Label Label1, Label6, Label7, Label4, Label16, Label10, Label12, Label13, Label5, Label2;
    ui::TextBox Text5, Text6;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19, Label8, Label9;
    ui::Image Image4;
    ui::Label Label3;

  private:
    void Label8_Click() { askProblem(); }
    void Text6_KeyPress(int& keyAscii) { unitsKeyPress(keyAscii); }
    void Text6_KeyUp(int, int) { unitsKeyUp(); }
    void Text5_KeyPress(int& keyAscii) { tensKeyPress(keyAscii); }
    void Text5_KeyUp(int, int) { tensKeyUp(); }
};

class Form7 : public Subtraction {
  public:
    Form7();

    ui::Label Label1, Label6, Label7, Label4, Label3, Label11, Label12, Label13, Label5, Label2;
    ui::TextBox Text5, Text6;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19, Label8, Label9;
    ui::Image Image4;
    ui::Label Label10;

  private:
    void Label8_Click() { askProblem(); }
    void Text6_KeyPress(int& keyAscii) { unitsKeyPress(keyAscii); }
    void Text6_KeyUp(int, int) { unitsKeyUp(); }
    void Text5_KeyPress(int& keyAscii) { tensKeyPress(keyAscii); }
    void Text5_KeyUp(int, int) { tensKeyUp(); }
};

}  // namespace columns
