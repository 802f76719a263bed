// "SCRIVI IN LETTERE IL NUMERO DATO": a number below the child's limit is
// shown in digits and the child writes its Italian word, then confirms it.
#pragma once

#include "frame/exercise_frame.h"
#include "words/number_words.h"

namespace numbers99 {

class Form14 : public frame::ExerciseFrame {
  public:
    Form14();

    void Form_Load() override;

    ui::Label Label3, Label12;
    ui::TextBox Text2;
    ui::Label Label4;
    ui::TextBox Text1;
    ui::Label Label13;
    ui::Image Image1, Image2, Image3;
    ui::Label Label5, Label6, Label9, Label10;
    ui::Label Label1, Label2;
    ui::Image Image5;
    ui::Label Label8;

    ui::Variant n;
    ui::Counter16 conteggio;

    // The keys the answer box takes: Backspace and the fourteen letters of
    // the words of 0 to 99, lower-case ones turned into capitals; any other
    // key is dropped.
    static void letterFilter(int& keyAscii);

  private:
    void Text2_KeyPress(int& keyAscii);
    void Label1_Click();
    void Text1_KeyPress(int& keyAscii);
    void Label13_Click();

    // The word of the current number.
    const std::string& word() const { return parole.word(static_cast<int>(n.number())); }

    words::NumberWords parole{0};
};

}  // namespace numbers99
