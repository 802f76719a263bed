// What the twelve exercise screens share: the blackboard, the three faces,
// the score "ESATTI" n "SU" m, the hotspots over the chalk box and the eraser,
// the pointing hand back to the menu, the credit footer, the digit filter and
// the single-digit answer box. A screen states only where it differs.
#pragma once

#include <string>
#include <string_view>

#include "ui/screen.h"
#include "ui/text.h"

namespace frame {

enum class Feedback { None, Neutral, Right, Wrong };

// When the problem count starts again from 0.
enum class Restart {
    Past99,           // the hundredth problem is problem 0; the score goes on
    Past99WithScore,  // the same, and ESATTI and the wrong count restart too
    At99,             // problem 99 is already problem 0; the score goes on
};

// Layout pieces every exercise screen places at its own spot.
namespace layout {
inline constexpr const char* kBlackboard = "blackboard-exercise";
inline const ui::Font kScoreCaptionFont{"MS Sans Serif", 13.5, true};
inline const ui::Font kScoreValueFont{"MS Sans Serif", 24, true};
ui::Props face(const char* asset, int left, int top);
inline ui::Props neutralFace(int left, int top) {
    return face("face-neutral", left, top);
}
inline ui::Props happyFace(int left, int top) {
    return face("face-happy", left, top);
}
inline ui::Props sadFace(int left, int top) {
    return face("face-sad", left, top);
}
// "ESATTI" and "SU", and the value labels after them (empty in the design).
ui::Props scoreCaption(const char* caption, int left, int top, int width, int height,
                       ui::Align alignment = ui::Align::Centre);
ui::Props scoreValue(int left, int top, int width, int height, ui::Align alignment = ui::Align::Centre);
// Invisible clickable areas over the chalk box and the eraser.
ui::Props hotspot(int left, int top, int width, int height, const char* toolTip);
inline ui::Props newProblemHotspot(int left = 1800, int top = 7320, int width = 855, int height = 735,
                                   const char* toolTip = "DAMMI I NUMERI") {
    return hotspot(left, top, width, height, toolTip);
}
inline ui::Props exitHotspot(int left = 3240, int top = 7320, int width = 735, int height = 735) {
    return hotspot(left, top, width, height, "ESCI");
}
ui::Props backPicture(const char* toolTip = "TORNA A MENU");
ui::Props creditFooter();
// A title or caption in white on the board.
ui::Props whiteLabel(int left, int top, int width, int height, const char* caption, ui::Font font,
                     ui::Align alignment = ui::Align::Left);
// An answer box: white text on the board's green, in a single-line frame.
ui::Props answerBox(int left, int top, int width, int height, ui::Font font, int tabIndex,
                    ui::Pointer pointer = ui::Pointer::Pen);
}  // namespace layout

class ExerciseFrame : public ui::Screen {
  public:
    // Problems asked since the score was last set to 0, problems right at the
    // first attempt, problems wrong at the first attempt.
    ui::Counter16 esercizio, esatto, errato;

    // The keys an answer box takes: Backspace and "0" to "9"; any other key
    // is dropped.
    static void digitFilter(int& keyAscii);
    // The key press of a box that holds one digit: the filter, then the box
    // is emptied whatever the key, so a digit replaces the one before.
    static void singleDigitKeyPress(ui::TextBox& box, int& keyAscii);
    // Right answers are white, wrong ones red, until judged again.
    static void markRight(ui::TextBox& box) { box.foreColor = ui::kWhite; }
    static void markWrong(ui::TextBox& box) { box.foreColor = ui::kRed; }

  protected:
    struct Roles {
        ui::Image& neutralFace;
        ui::Image& happyFace;
        ui::Image& sadFace;
        ui::Label& esattiValue;
        ui::Label& suValue;
        ui::Label& newProblem;
        ui::Label& exit;
        ui::Image& back;
        Restart restart;
    };

    ExerciseFrame(std::string formName, const ui::ScreenProps& design, const Roles& roles);

    // At most one face shows.
    void setFeedback(Feedback feedback);
    Feedback feedback() const;
    // Counts a new problem in esercizio, restarting as the screen's rule says.
    void countProblem();
    void showEsatti() { roles_.esattiValue.caption = ui::numberText(static_cast<long long>(esatto)); }
    void showSu() { roles_.suValue.caption = ui::numberText(static_cast<long long>(esercizio)); }
    void showScore() {
        showEsatti();
        showSu();
    }
    // "TORNA A MENU": the score goes back to 0 and the menu comes back.
    void backToMenu();

    // Every frame screen starts with no face, its exit and back controls
    // wired; screens that override this call it first.
    void Form_Load() override;

  private:
    Roles roles_;
};

}  // namespace frame
