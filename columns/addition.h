// Column addition within 99: Form4 without carry, Form6 with carry.
#pragma once

#include "columns/column_protocol.h"

namespace columns {

// The problem and its digits, shared by the two addition screens.
class Addition : public ColumnExercise<ui::Variant> {
  public:
    // First and second addend, their sum, and the lengths of the three.
    ui::Variant pa, sa, s, lpa, lsa, ls;
    // Units and tens digits; dasa is empty for a one-digit second addend,
    // us and das are the expected answers.
    ui::Variant upa, dapa, usa, dasa, us, das;

  protected:
    // The four cells of the problem: tens and units of each addend.
    struct Cells {
        ui::Label& tensOfFirst;
        ui::Label& unitsOfFirst;
        ui::Label& tensOfSecond;
        ui::Label& unitsOfSecond;
    };

    Addition(std::string formName, const ui::ScreenProps& design, const Roles& roles, const Boxes& boxes,
             const Cells& cells, Carry carry);

    ui::Variant expectedUnits() const override { return us; }
    ui::Variant expectedTens() const override { return das; }

    void askProblem();

  private:
    void drawProblem();

    Cells cells_;
    Carry carry_;
};

class Form4 : public Addition {
  public:
    Form4();

    ui::Label Label1, Label8, Label7, Label4, Label3, Label11, Label12, Label13, Label5, Label2;
    ui::TextBox Text5, Text6;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19, Label6, Label9;
    ui::Image Image5;
    ui::Label Label10;

  private:
    void Label6_Click() { askProblem(); }
    void Text6_KeyPress(int& keyAscii) { unitsKeyPress(keyAscii); }
    void Text6_KeyUp(int, int) { unitsKeyUp(); }
    void Text5_KeyPress(int& keyAscii) { tensKeyPress(keyAscii); }
    void Text5_KeyUp(int, int) { tensKeyUp(); }
};

class Form6 : public Addition {
  public:
    Form6();

    ui::Label Label1, Label8, Label7, Label4, Label10, Label11, Label12, Label13, Label5, Label2;
    ui::TextBox Text5, Text6;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19, Label6, Label9;
    ui::Image Image4;
    ui::Label Label3;

  private:
    void Label6_Click() { askProblem(); }
    void Text6_KeyPress(int& keyAscii) { unitsKeyPress(keyAscii); }
    void Text6_KeyUp(int, int) { unitsKeyUp(); }
    void Text5_KeyPress(int& keyAscii) { tensKeyPress(keyAscii); }
    void Text5_KeyUp(int, int) { tensKeyUp(); }
};

}  // namespace columns
