// "CONFRONTO": two numbers below a limit the child types, and the sign
// "<", "=" or ">" that stands between them. Only the first click on a sign
// after a problem is drawn is judged.
#pragma once

#include "frame/exercise_frame.h"

namespace numbers99 {

class Form3 : public frame::ExerciseFrame {
  public:
    Form3();

    void Form_Load() override;

    ui::Label Label1, Label3, Label5, Label6, Label7, Label4, Label2;
    ui::TextBox Text1;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19;
    ui::Label Label9, Label8;
    ui::Image Image5;
    ui::Label Label12;

    ui::Variant pn, sn;
    ui::Counter16 conteggio;

  private:
    enum class Relation { Less, Equal, Greater };

    void Text1_KeyUp(int keyCode, int shift);
    void Label9_Click();
    void Label5_Click() { judge(Label5, Relation::Less); }
    void Label6_Click() { judge(Label6, Relation::Equal); }
    void Label7_Click() { judge(Label7, Relation::Greater); }

    void judge(ui::Label& sign, Relation relation);
    // The limit box holds a whole number 0 to 99: one or two digits.
    bool holdsLimit() const;
};

}  // namespace numbers99
