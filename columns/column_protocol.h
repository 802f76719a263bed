// What the six column screens share: the layout pieces of a sum written in
// columns, and the two answer boxes under the line, judged digit by digit,
// units first. Each screen states where its boxes differ.
#pragma once

#include <string>

#include "frame/exercise_frame.h"
#include "ui/values.h"

namespace columns {

// Whether a problem needs a carry (a borrow, on subtraction).
enum class Carry { Without, With };

// How the answer boxes of a screen behave, where the screens differ.
struct Protocol {
    // What counts as an attempt at a digit: every key released in the box,
    // or every key pressed in it (dropped keys included).
    enum class Attempt { KeyRelease, KeyPress } attempt;
    // Numeric: both sides are read as numbers, so an empty box reads 0.
    // Text: the box must hold exactly the expected digit; an empty units box
    // is wrong and an empty tens box is not judged at all.
    enum class Comparison { Numeric, Text } comparison;
    // The event in the units box that opens the tens box.
    enum class TensOpenedBy { UnitsKeyPress, UnitsKeyRelease } tensOpenedBy;
    // A new problem closes the tens box; where it does not, the box stays as
    // the last problem left it.
    bool newProblemClosesTens;
    // No new problem until a key has been released in the tens box.
    bool newProblemWaitsForTens;
    // A right tens digit sends the focus back to the units box.
    bool rightTensReturnsFocus;
    // The score labels show every scored problem, or only the right ones.
    enum class Refresh { EveryProblem, RightProblems } refresh;
};

inline constexpr Protocol kAdditionProtocol{.attempt = Protocol::Attempt::KeyRelease,
                                            .comparison = Protocol::Comparison::Numeric,
                                            .tensOpenedBy = Protocol::TensOpenedBy::UnitsKeyPress,
                                            .newProblemClosesTens = true,
                                            .newProblemWaitsForTens = true,
                                            .rightTensReturnsFocus = true,
                                            .refresh = Protocol::Refresh::EveryProblem};
// The tens box opens with the first units answer of a visit and stays open,
// so from the second problem on the tens digit can come first.
inline constexpr Protocol kSubtractionWithoutBorrowProtocol{
    .attempt = Protocol::Attempt::KeyRelease,
    .comparison = Protocol::Comparison::Numeric,
    .tensOpenedBy = Protocol::TensOpenedBy::UnitsKeyRelease,
    .newProblemClosesTens = false,
    .newProblemWaitsForTens = true,
    .rightTensReturnsFocus = true,
    .refresh = Protocol::Refresh::EveryProblem};
inline constexpr Protocol kSubtractionWithBorrowProtocol = kAdditionProtocol;
// The hotspot is always free: a problem left half done is dropped unscored.
inline constexpr Protocol kMultiplicationProtocol{.attempt = Protocol::Attempt::KeyPress,
                                                  .comparison = Protocol::Comparison::Text,
                                                  .tensOpenedBy = Protocol::TensOpenedBy::UnitsKeyPress,
                                                  .newProblemClosesTens = true,
                                                  .newProblemWaitsForTens = false,
                                                  .rightTensReturnsFocus = false,
                                                  .refresh = Protocol::Refresh::RightProblems};

namespace layout {
inline const ui::Font kDigitFont{"Courier New", 36, true};
inline const ui::Font kTitleFont{"MS Sans Serif", 13.5, true};
inline const ui::Font kSignFont{"MS Sans Serif", 24, true};
inline constexpr ui::Color kDarkBlue = 0x0000c0;
inline constexpr ui::Color kBlue = 0x0000ff;
// A cell of the board that shows one digit of the problem.
ui::Props digitCell(int left, int top, int width = 1095, int height = 1215);
// "da" and "u" over the columns.
ui::Props columnHeader(int left, int top, int width, int height, const char* caption, ui::Color color,
                       ui::Font font, ui::Align alignment = ui::Align::Left);
// An answer box under the line.
ui::Props digitBox(int left, int top, int tabIndex, ui::Pointer pointer = ui::Pointer::Pen);
}  // namespace layout

// A column screen: the frame, plus the two answer boxes with their attempt
// counters and first-attempt flags. Count is the type of the attempt
// counters, which the screens keep as variants or as 16-bit integers.
template <class Count>
class ColumnExercise : public frame::ExerciseFrame {
  public:
    // Attempts at the units and at the tens digit since the problem was asked.
    Count conteggiou, conteggioda;
    // First attempts at the units (tens) digit that were right, and wrong.
    ui::Counter16 esattou, esattoda, erratou, erratoda;

  protected:
    struct Boxes {
        ui::TextBox& units;
        ui::TextBox& tens;
        ui::Label& newProblem;
    };

    ColumnExercise(std::string formName, const ui::ScreenProps& design, const Roles& roles,
                   const Boxes& boxes, const Protocol& protocol);

    // The digits the child must write.
    virtual ui::Variant expectedUnits() const = 0;
    virtual ui::Variant expectedTens() const = 0;

    // Both boxes closed until the first problem.
    void Form_Load() override;
    // A new problem is on its way: empty boxes, the units box open, no
    // attempts, the neutral face.
    void startAnswer();

    void unitsKeyPress(int& keyAscii);
    void unitsKeyUp();
    void tensKeyPress(int& keyAscii);
    void tensKeyUp();

  private:
    enum class Verdict { Right, Wrong, None };
    Verdict judge(const ui::TextBox& box, const ui::Variant& expected, bool emptyIsWrong) const;
    // The problem is scored once, at the first attempt at the tens digit.
    void score();

    Boxes boxes_;
    Protocol protocol_;
};

}  // namespace columns
