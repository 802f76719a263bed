// Open sentences: a multiplication with one factor missing, which the child
// writes as one digit.
#pragma once

#include "frame/exercise_frame.h"

namespace multiplication {

class Form11 : public frame::ExerciseFrame {
  public:
    // Which factor the child writes.
    enum Open : int { kSecondFactor = 1, kFirstFactor = 2 };

    Form11();

    void Form_Load() override;

    ui::Label Label1, Label2, Label3;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19;
    ui::Label Label6, Label5;
    ui::Image Image5;
    ui::Label Label7;
    ui::TextBox Text1, Text2, Text3;

    ui::Variant pn, sn, p, c;
    ui::Counter16 conteggio1, conteggio2;
    // The sentence has moved the score. Keys that type nothing (Shift, the
    // arrows) leave the key counter at 2, and their release judges again:
    // that judgement shows the face but scores the sentence no second time.
    bool contata = false;

  private:
    bool opens(Open box) const { return c.number() == static_cast<int>(box); }
    // Loading locks both factor boxes and every sentence unlocks its open
    // box: until then the members still hold an earlier visit's sentence,
    // which is not on the board.
    bool sentenceShown() const { return !Text1.locked || !Text2.locked; }

    void Label6_Click();
    void Text1_KeyPress(int& keyAscii);
    void Text1_KeyUp(int keyCode, int shift);
    void Text2_KeyPress(int& keyAscii);
    void Text2_KeyUp(int keyCode, int shift);

    // The open box takes one digit: a new digit replaces the old one, while
    // Backspace deletes it and a dropped key leaves it.
    void openBoxKeyPress(ui::TextBox& box, bool open, ui::Counter16& presses, int& keyAscii);
    // Only a judgement at the second key press of the sentence scores.
    void judgeRight(ui::TextBox& box, ui::Counter16 presses);
    void judgeWrong(ui::TextBox& box, ui::Counter16 presses);
};

}  // namespace multiplication
