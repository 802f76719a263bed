// "NUMERAZIONI": counting forwards by a fixed step. The child completes a row
// of up to nine boxes after the first number, either on random sequences
// within 99 or on a chosen limit and step whose start numbers come one by one
// in a shuffled order until the dialog offers to run the series again.
#pragma once

#include <array>
#include <functional>

#include "frame/exercise_frame.h"

namespace numbers99 {

class Form19;

class Form2 : public frame::ExerciseFrame {
  public:
    // Values of `scelta`.
    enum Mode : int { kNoMode = 0, kRandom = 1, kChosen = 2 };

    // A chosen series has at most 99 start numbers (limit 99, step 1); its
    // positions run from 1 to 99, and the request after the last one, which
    // ends the series, is position 100 at most.
    static constexpr int kPositions = 101;
    // A problem never has more than nine answer boxes.
    static constexpr int kMostBoxes = 9;

    Form2();

    void Form_Load() override;
    void Form_MouseMove(const ui::MouseEvent&) override;

    ui::Label Label1, Label16, Label17, Label8;
    ui::TextBox Text16;
    ui::Label Label7;
    ui::TextBox Text15;
    ui::Label Label5, Label2, Label11, Label3, Label12, Label4, Label13;
    ui::TextBox Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19;
    ui::Label Label6, Label9;
    ui::Image Image5;
    ui::Label Label20;

    ui::Counter16 scelta;
    ui::Variant nin1, prg;
    ui::Counter16 possibile, esercizio2, punteggio;
    ui::Counter16 controllo2, controllo3, controllo4, controllo5, controllo6, controllo7, controllo8,
        controllo9, controllo10;
    std::array<ui::TextBox*, 11> caselle{};
    std::array<ui::Variant, kPositions> attesi{};
    std::array<ui::Variant, kPositions> partenze{};
    std::array<ui::Counter16, kPositions> quante{};
    std::array<ui::Variant, kPositions> ordine{};
    std::array<ui::Variant, kPositions> chiave{};
    std::array<std::array<ui::Variant, kMostBoxes + 1>, kPositions> sequenze{};

    // The key-release counter of answer box k (2 to 10).
    ui::Counter16& controllo(int k);

  private:
    friend class Form19;

    void Label16_MouseMove() { Label16.borderStyle = 1; }
    void Label17_MouseMove() { Label17.borderStyle = 1; }
    void Label16_Click();
    void Label17_Click();
    void Text16_KeyPress(int& keyAscii);
    void Text15_KeyPress(int& keyAscii);
    void Label5_Click();
    void Label6_Click();

    void Text2_KeyPress(int& keyAscii) { answerKeyPress(2, keyAscii); }
    void Text3_KeyPress(int& keyAscii) { answerKeyPress(3, keyAscii); }
    void Text4_KeyPress(int& keyAscii) { answerKeyPress(4, keyAscii); }
    void Text5_KeyPress(int& keyAscii) { answerKeyPress(5, keyAscii); }
    void Text6_KeyPress(int& keyAscii) { answerKeyPress(6, keyAscii); }
    void Text7_KeyPress(int& keyAscii) { answerKeyPress(7, keyAscii); }
    void Text8_KeyPress(int& keyAscii) { answerKeyPress(8, keyAscii); }
    void Text9_KeyPress(int& keyAscii) { answerKeyPress(9, keyAscii); }
    void Text10_KeyPress(int& keyAscii) { answerKeyPress(10, keyAscii); }
    void Text2_KeyUp(int, int) { answerKeyUp(2); }
    void Text3_KeyUp(int, int) { answerKeyUp(3); }
    void Text4_KeyUp(int, int) { answerKeyUp(4); }
    void Text5_KeyUp(int, int) { answerKeyUp(5); }
    void Text6_KeyUp(int, int) { answerKeyUp(6); }
    void Text7_KeyUp(int, int) { answerKeyUp(7); }
    void Text8_KeyUp(int, int) { answerKeyUp(8); }
    void Text9_KeyUp(int, int) { answerKeyUp(9); }
    void Text10_KeyUp(int, int) { answerKeyUp(10); }

    // What the nine answer boxes share; box k is Text2 ... Text10.
    void answerKeyPress(int k, int& keyAscii);
    void answerKeyUp(int k);
    // The number box k expects in the current problem.
    ui::Variant expected(int k) const;

    void drawRandomSequence();
    void drawFromSeries();
    // Shuffles the start numbers 0 to possibile into positions 1 onwards.
    void buildSeries();
    struct Score {
        ui::Counter16 esercizio, esatto, errato;
    };
    void seriesExhausted(const Score& before);

    // The step box holds a step the series can count by: one digit, 1 to 9.
    bool holdsStep() const;
    void emptyRow();
    void forEachAnswerBox(const std::function<void(ui::TextBox&)>& action);
};

}  // namespace numbers99
