// The multiplication tables: random facts with factors to 8, or one chosen
// table whose ten facts come in a shuffled order, until the dialog that
// offers to run it again.
#pragma once

#include <array>

#include "frame/exercise_frame.h"

namespace multiplication {

// One slot per fact of a table; the slots past the tenth stay empty.
inline constexpr int kOrderSlots = 21;
inline constexpr int kFactsInTable = 10;

// Turns the random keys of the first ten slots into ranks added onto
// `ordine`: slot i gains one for every key before it. Equal keys are put in
// slot order, so the ten ranks are always 0 to 9 once each and a table never
// shows one fact twice.
void rankKeys(const std::array<float, kOrderSlots>& chiave, std::array<ui::Variant, kOrderSlots>& ordine);

class Form8 : public frame::ExerciseFrame {
  public:
    enum Mode : int { kNoMode = 0, kRandomFacts = 1, kOneTable = 2 };

    Form8();

    void Form_Load() override;

    ui::Label Label1, Label9, Label10;
    ui::Label Label4, Label2, Label8, Label3;
    ui::Image Image1, Image2, Image3;
    ui::Label Label14, Label15, Label18, Label19;
    ui::Label Label5, Label6;
    ui::Image Image4;
    ui::Label Label12;
    // Text boxes last: they lie above the labels anyway.
    ui::TextBox Text5, Text3;

    ui::Counter16 scelta;
    float md = 0;
    ui::Variant mt, pt;
    float lpt = 0;
    ui::Counter16 tabellina, conteggio;
    float numerotabelline = 0;
    float conteggio2 = 0;
    std::array<ui::Variant, kOrderSlots> ordine{};
    std::array<float, kOrderSlots> chiave{};

  private:
    void Label9_Click();
    void Label10_Click();
    void Text5_KeyPress(int& keyAscii);
    void Label5_Click();
    void Text3_KeyPress(int& keyAscii);
    void Text3_KeyUp(int keyCode, int shift);

    void shuffle();
    // The eleventh request of a table: the board is cleared and the dialog
    // asks whether to run the table again.
    void tableExhausted();
};

}  // namespace multiplication
