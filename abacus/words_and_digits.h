// Numbers in words and digits: in the upper pane the screen writes the
// child's own number in words or in digits; in the lower pane the child
// writes in words and in digits two numbers the screen gives.
#pragma once

#include <array>

#include "abacus/abacus_layout.h"
#include "ui/screen.h"
#include "ui/values.h"
#include "words/number_words.h"

namespace abacus {

class Form16 : public ui::Screen {
  public:
    Form16();

    void Form_Load() override;

    // The number read from Text1 at the last "SCRIVO IN LETTERE", and how
    // many words of the table matched Text2 at the last "SCRIVO IN CIFRE".
    float c = 0;
    float controllotesto = 0;
    // Upper bound of the numbers given below, 0 until a range is chosen.
    float limite = 0;
    // The number given in digits, to write in words; the number given in
    // words, to write in digits.
    ui::Variant n1, n2;

    ui::Line Line1, Line2, Line3, Line4;
    ui::Label Label5, Label10, Label6;
    ui::TextBox Text1;
    ui::Image Image1;
    ui::Label Label1, Label7;
    ui::TextBox Text2;
    ui::Image Image2;
    ui::Label Label2;
    ui::Line Line5, Line6, Line7, Line8;
    ui::Label Label8, Label22;
    ui::Label Label21, Label20, Label19, Label18, Label12, Label13, Label14, Label15, Label17, Label16,
        Label46;
    ui::Label Label11, Label3;
    ui::TextBox Text3;
    ui::Image Image5;
    ui::Label Label9;
    ui::TextBox Text4;
    ui::Label Label4;
    ui::Image Image6, Image7, Image8;
    ui::Image Image4;
    ui::Label Label23;

  private:
    void Text1_KeyPress(int& keyAscii);
    void Text1_KeyUp(int keyCode, int shift);
    void Text1_DblClick();
    void Image1_Click();
    void Text2_KeyPress(int& keyAscii);
    void Text2_DblClick();
    void Image2_Click();
    void rangeClick(ui::Label& label, int value);
    void Image5_Click();
    void Text3_KeyPress(int& keyAscii);
    void Text3_KeyUp(int keyCode, int shift);
    void Text3_DblClick();
    void Text4_KeyPress(int& keyAscii);
    void Text4_KeyUp(int keyCode, int shift);
    void Text4_DblClick();
    void Image4_Click();

  public:
    // The upper pane's result labels show a result in black, the digits at
    // 24 points and the words at 21, the largest size at which every word
    // of the table stands whole in Label1; or a message in red at 12.
    static constexpr double kDigitsResultSize = 24;
    static constexpr double kWordsResultSize = 21;
    static constexpr double kMessageSize = 12;

  private:
    static void showResult(ui::Label& label, const std::string& text, double size);
    static void showMessage(ui::Label& label, const char* message);
    // A lower answer box against the text it expects.
    void judge(ui::TextBox& box, const std::string& expected);
    void showFace(Face face) { faces.show(face); }
    std::array<ui::Label*, 11> rangeLabels();

    const Faces faces{Image6, Image7, Image8};
    const words::NumberWords parole;
};

}  // namespace abacus
