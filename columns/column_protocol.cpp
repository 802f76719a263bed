#include "columns/column_protocol.h"

#include "ui/text.h"

namespace columns {

namespace layout {

ui::Props digitCell(int left, int top, int width, int height) {
    return frame::layout::whiteLabel(left, top, width, height, "", kDigitFont, ui::Align::Centre);
}

ui::Props columnHeader(int left, int top, int width, int height, const char* caption, ui::Color color,
                       ui::Font font, ui::Align alignment) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .foreColor = color,
            .font = font,
            .alignment = alignment};
}

ui::Props digitBox(int left, int top, int tabIndex, ui::Pointer pointer) {
    return frame::layout::answerBox(left, top, 1095, 1095, kDigitFont, tabIndex, pointer);
}

}  // namespace layout

namespace {

void countAttempt(ui::Variant& count) {
    count = ui::Variant(count.number() + 1);
}
void countAttempt(ui::Counter16& count) {
    count += 1;
}
int attempts(const ui::Variant& count) {
    return static_cast<int>(count.number());
}
int attempts(ui::Counter16 count) {
    return count;
}

}  // namespace

template <class Count>
ColumnExercise<Count>::ColumnExercise(std::string formName, const ui::ScreenProps& design, const Roles& roles,
                                      const Boxes& boxes, const Protocol& protocol)
    : ExerciseFrame(std::move(formName), design, roles), boxes_(boxes), protocol_(protocol) {}

template <class Count>
void ColumnExercise<Count>::Form_Load() {
    ExerciseFrame::Form_Load();
    boxes_.tens.enabled = false;
    boxes_.units.enabled = false;
    // A screen reader names the boxes after the columns they stand under.
    boxes_.units.accessibleName = "unità";
    boxes_.tens.accessibleName = "decine";
}

template <class Count>
void ColumnExercise<Count>::startAnswer() {
    boxes_.units.text.clear();
    boxes_.tens.text.clear();
    if (protocol_.newProblemWaitsForTens) boxes_.newProblem.enabled = false;
    if (protocol_.newProblemClosesTens) boxes_.tens.enabled = false;
    boxes_.units.enabled = true;
    conteggiou = Count(0);
    conteggioda = Count(0);
    esattou = 0;
    esattoda = 0;
    erratou = 0;
    erratoda = 0;
    setFeedback(frame::Feedback::Neutral);
}

template <class Count>
typename ColumnExercise<Count>::Verdict ColumnExercise<Count>::judge(const ui::TextBox& box,
                                                                     const ui::Variant& expected,
                                                                     bool emptyIsWrong) const {
    if (protocol_.comparison == Protocol::Comparison::Numeric) {
        return expected.number() == ui::readNumber(box.text) ? Verdict::Right : Verdict::Wrong;
    }
    if (box.text == expected.text()) return Verdict::Right;
    if (emptyIsWrong || ui::textLength(box.text) == 1) return Verdict::Wrong;
    return Verdict::None;
}

template <class Count>
void ColumnExercise<Count>::unitsKeyPress(int& keyAscii) {
    if (protocol_.tensOpenedBy == Protocol::TensOpenedBy::UnitsKeyPress) boxes_.tens.enabled = true;
    if (protocol_.attempt == Protocol::Attempt::KeyPress) countAttempt(conteggiou);
    singleDigitKeyPress(boxes_.units, keyAscii);
}

template <class Count>
void ColumnExercise<Count>::unitsKeyUp() {
    if (protocol_.tensOpenedBy == Protocol::TensOpenedBy::UnitsKeyRelease) boxes_.tens.enabled = true;
    if (protocol_.attempt == Protocol::Attempt::KeyRelease) countAttempt(conteggiou);
    bool first = attempts(conteggiou) == 1;
    if (judge(boxes_.units, expectedUnits(), true) == Verdict::Right) {
        if (first) esattou += 1;
        markRight(boxes_.units);
        setFeedback(frame::Feedback::Right);
        advanceFocus();
    } else {
        if (first) erratou += 1;
        markWrong(boxes_.units);
        setFeedback(frame::Feedback::Wrong);
    }
}

template <class Count>
void ColumnExercise<Count>::tensKeyPress(int& keyAscii) {
    if (protocol_.attempt == Protocol::Attempt::KeyPress) countAttempt(conteggioda);
    singleDigitKeyPress(boxes_.tens, keyAscii);
}

template <class Count>
void ColumnExercise<Count>::tensKeyUp() {
    if (protocol_.newProblemWaitsForTens) boxes_.newProblem.enabled = true;
    if (protocol_.attempt == Protocol::Attempt::KeyRelease) countAttempt(conteggioda);
    bool first = attempts(conteggioda) == 1;
    switch (judge(boxes_.tens, expectedTens(), false)) {
        case Verdict::Right:
            if (first) esattoda += 1;
            markRight(boxes_.tens);
            setFeedback(frame::Feedback::Right);
            if (protocol_.rightTensReturnsFocus) advanceFocus();
            break;
        case Verdict::Wrong:
            if (first) erratoda += 1;
            markWrong(boxes_.tens);
            setFeedback(frame::Feedback::Wrong);
            break;
        case Verdict::None:
            break;
    }
    if (first) score();
}

template <class Count>
void ColumnExercise<Count>::score() {
    // The flags are compared with 1 exactly: a box judged again with its
    // count still at 1 raises its flag past 1, and the problem is not
    // counted a second time.
    bool right = esattou == 1 && esattoda == 1;
    bool wrong = erratou == 1 || erratoda == 1;
    if (right) {
        esatto += 1;
    } else if (wrong) {
        errato += 1;
    }
    if (protocol_.refresh == Protocol::Refresh::EveryProblem || right) showScore();
}

template class ColumnExercise<ui::Variant>;
template class ColumnExercise<ui::Counter16>;

}  // namespace columns
