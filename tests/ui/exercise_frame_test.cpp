// The exercise frame's own controls on a screen built on it: the eraser ends
// the program and the pointing hand goes back to the menu with the score at 0,
// however the screen's members were laid out around the frame.
#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "frame/exercise_frame.h"
#include "ui/driver.h"

namespace {

namespace layout = frame::layout;

class Practice : public frame::ExerciseFrame {
  public:
    Practice()
        : ExerciseFrame(
              "Practice", {.caption = "prova", .picture = layout::kBlackboard},
              {Image1, Image2, Image3, Label15, Label19, Label6, Label9, Image5, frame::Restart::Past99}) {}

    // Built after the frame, like every screen's controls.
    ui::Image Image1{this, "Image1", layout::neutralFace(9360, 4080)};
    ui::Image Image2{this, "Image2", layout::happyFace(9360, 4080)};
    ui::Image Image3{this, "Image3", layout::sadFace(9360, 4080)};
    ui::Label Label15{this, "Label15", layout::scoreValue(8160, 6240, 615, 495)};
    ui::Label Label19{this, "Label19", layout::scoreValue(9720, 6240, 735, 615)};
    ui::Label Label6{this, "Label6", layout::newProblemHotspot()};
    ui::Label Label9{this, "Label9", layout::exitHotspot()};
    ui::Image Image5{this, "Image5", layout::backPicture()};
};

TEST(ExerciseFrameTest, TheEraserEndsTheProgram) {
    ui::Driver driver;
    driver.show<Practice>();
    driver.click("Label9");
    EXPECT_TRUE(driver.ended());
}

TEST(ExerciseFrameTest, ThePointingHandGoesBackToTheMenuWithTheScoreAtZero) {
    ui::Driver driver;
    Practice& practice = driver.screen<Practice>();
    driver.show<Practice>();
    practice.esercizio = 12;
    practice.esatto = 7;
    practice.errato = 5;
    driver.click("Image5");
    EXPECT_EQ(driver.loadedScreens(), std::vector<std::string>{"Form1"});
    EXPECT_EQ(practice.esercizio, 0);
    EXPECT_EQ(practice.esatto, 0);
    EXPECT_EQ(practice.errato, 0);
    // And again on the next visit, when the screen is loaded afresh.
    driver.show<Practice>();
    practice.esatto = 3;
    driver.click("Image5");
    EXPECT_TRUE(driver.isLoaded("Form1"));
    EXPECT_EQ(practice.esatto, 0);
}

}  // namespace
