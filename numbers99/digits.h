// "SCRIVI IN CIFRE IL NUMERO DATO": a number below the child's limit is shown
// in Italian words and the child writes it in digits; the answer is judged
// as soon as it has as many digits as the number, and a wrong one beeps.
#pragma once

#include "frame/exercise_frame.h"
#include "words/number_words.h"

namespace numbers99 {

class Form13 : public frame::ExerciseFrame {
  public:
    Form13();

    void Form_Load() override;

    ui::Label Label3, Label12;
    ui::TextBox Text2;
    ui::Label Label4;
    ui::TextBox Text1;
    ui::Image Image1, Image2, Image3;
    ui::Label Label5, Label6, Label9, Label10;
    ui::Label Label1, Label2;
    ui::Image Image5;
    ui::Label Label17;

    ui::Variant n;
    ui::Counter16 ripet;

  private:
    void Text2_KeyPress(int& keyAscii);
    void Label1_Click();
    void Text1_KeyPress(int& keyAscii);
    void Text1_KeyUp(int keyCode, int shift);

    words::NumberWords parole{0};
};

}  // namespace numbers99
