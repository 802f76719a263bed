#include "frame/exercise_frame.h"

#include "app/credits.h"
#include "app/main_menu.h"
#include "ui/keys.h"
#include "ui/text.h"

namespace frame {

namespace layout {

ui::Props face(const char* asset, int left, int top) {
    // Named for what each face tells the child.
    std::string_view picture = asset;
    const char* meaning = picture == "face-happy" ? "risposta giusta"
                          : picture == "face-sad" ? "risposta sbagliata"
                                                  : "in attesa della risposta";
    return {.left = left,
            .top = top,
            .width = 960,
            .height = 960,
            .picture = asset,
            .stretch = true,
            .accessibleName = meaning};
}

ui::Props scoreCaption(const char* caption, int left, int top, int width, int height, ui::Align alignment) {
    return whiteLabel(left, top, width, height, caption, kScoreCaptionFont, alignment);
}

ui::Props scoreValue(int left, int top, int width, int height, ui::Align alignment) {
    return whiteLabel(left, top, width, height, "", kScoreValueFont, alignment);
}

ui::Props hotspot(int left, int top, int width, int height, const char* toolTip) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .pointer = ui::Pointer::Hand,
            .toolTip = toolTip};
}

ui::Props backPicture(const char* toolTip) {
    return {.left = 240,
            .top = 7560,
            .width = 825,
            .height = 465,
            .pointer = ui::Pointer::Hand,
            .toolTip = toolTip,
            .picture = "pointing-hand",
            .stretch = true};
}

ui::Props creditFooter() {
    return whiteLabel(3960, 7680, 7695, 375, app::kFooterCredit, {"Courier New", 9.75, true},
                      ui::Align::Centre);
}

ui::Props whiteLabel(int left, int top, int width, int height, const char* caption, ui::Font font,
                     ui::Align alignment) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .foreColor = ui::kWhite,
            .font = font,
            .alignment = alignment};
}

ui::Props answerBox(int left, int top, int width, int height, ui::Font font, int tabIndex,
                    ui::Pointer pointer) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .foreColor = ui::kWhite,
            .backColor = ui::kBoardGreen,
            .font = font,
            .alignment = ui::Align::Centre,
            .borderStyle = 1,
            .pointer = pointer,
            .tabIndex = tabIndex};
}

}  // namespace layout

ExerciseFrame::ExerciseFrame(std::string formName, const ui::ScreenProps& design, const Roles& roles)
    : Screen(std::move(formName), design), roles_(roles) {
    // The roles are members of the screen, not yet built: only their
    // addresses are taken here. Their handlers are wired at load, once the
    // controls exist (building them would clear anything set now).
}

void ExerciseFrame::Form_Load() {
    roles_.exit.onClick = [this] { endProgram(); };
    // The credit footer reaches into the eraser: the whole eraser ends the
    // program, whatever lies over its edge.
    bringToFront(roles_.exit);
    roles_.back.onClick = [this] { backToMenu(); };
    setFeedback(Feedback::None);
}

void ExerciseFrame::digitFilter(int& keyAscii) {
    if (keyAscii != ui::key::kBackspace && !(keyAscii >= '0' && keyAscii <= '9')) keyAscii = 0;
}

void ExerciseFrame::singleDigitKeyPress(ui::TextBox& box, int& keyAscii) {
    digitFilter(keyAscii);
    if (!box.text.empty()) box.text.clear();
}

void ExerciseFrame::setFeedback(Feedback feedback) {
    roles_.neutralFace.visible = feedback == Feedback::Neutral;
    roles_.happyFace.visible = feedback == Feedback::Right;
    roles_.sadFace.visible = feedback == Feedback::Wrong;
}

Feedback ExerciseFrame::feedback() const {
    if (roles_.neutralFace.visible) return Feedback::Neutral;
    if (roles_.happyFace.visible) return Feedback::Right;
    if (roles_.sadFace.visible) return Feedback::Wrong;
    return Feedback::None;
}

void ExerciseFrame::countProblem() {
    esercizio += 1;
    int wrapAt = roles_.restart == Restart::At99 ? 99 : 100;
    if (esercizio >= wrapAt) {
        esercizio = 0;
        if (roles_.restart == Restart::Past99WithScore) {
            esatto = 0;
            errato = 0;
        }
    }
}

void ExerciseFrame::backToMenu() {
    esercizio = 0;
    esatto = 0;
    errato = 0;
    show<app::Form1>();
    unload();
}

}  // namespace frame
