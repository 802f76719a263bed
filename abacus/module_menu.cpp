#include "abacus/module_menu.h"

#include "abacus/abacus_layout.h"
#include "abacus/building.h"
#include "abacus/reading.h"
#include "abacus/words_and_digits.h"
#include "app/main_menu.h"
#include "frame/exercise_frame.h"

namespace abacus {

namespace {

const ui::ScreenRegistration<Form20> kRegistration{"Form20"};

// The words are coloured as the rods of the abacus: green hundreds, red
// tens, blue units.
ui::Props word(int left, int top, int width, int height, const char* caption, double size, ui::Color color) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .foreColor = color,
            .font = {"Tahoma", size, true, true},
            .alignment = ui::Align::Centre};
}

ui::Props illustration(int left, int top, int width, int height, const char* asset) {
    return {.left = left, .top = top, .width = width, .height = height, .picture = asset, .stretch = true};
}

ui::Props digit(int left, int top, const char* asset) {
    return illustration(left, top, 480, 615, asset);
}

ui::Props entry(ui::Props props, const char* toolTip) {
    props.pointer = ui::Pointer::Hand;
    props.toolTip = toolTip;
    return props;
}

ui::Props arrow(int left, int top, const char* toolTip) {
    return entry(illustration(left, top, 1215, 780, "red-arrow"), toolTip);
}

ui::Props footer() {
    ui::Props props = frame::layout::creditFooter();
    props.left = 5520;
    props.width = 6135;
    return props;
}

}  // namespace

Form20::Form20()
    : Screen("Form20", {.caption = moduleCaption(), .backColor = ui::kWhite, .picture = "blackboard"}),
      Label2(this, "Label2",
             {.left = 0,
              .top = 600,
              .width = 11895,
              .height = 855,
              .caption = "IL NUMERO ENTRO 1000 IN CIFRE E IN LETTERE",
              .foreColor = ui::kWhite,
              .font = {"Tahoma", 15.75, true, true},
              .alignment = ui::Align::Centre}),
      Image1(this, "Image1", illustration(720, 1680, 2175, 1215, "abacus-649")),
      Image12(this, "Image12",
              arrow(3000, 2040, "DEVI SCRIVERE IN LETTERE E IN CIFRE I NUMERI PRESENTATI SULL'ABACO")),
      Image2(this, "Image2", digit(4440, 2040, "blue-digit-6")),
      Label3(this, "Label3", word(4200, 2760, 975, 375, "SEI", 12, kGreen)),
      Image4(this, "Image4", digit(6840, 1560, "blue-digit-4")),
      Label5(this, "Label5", word(6480, 2400, 1335, 375, "QUATTRO", 12, kRed)),
      Image3(this, "Image3", digit(9480, 1680, "blue-digit-9")),
      Label4(this, "Label4", word(9000, 2400, 1215, 375, "NOVE", 12, kBlue)),
      Image8(this, "Image8", digit(840, 4320, "blue-digit-6")),
      Label8(this, "Label8", word(600, 5040, 975, 375, "SEI", 12, kGreen)),
      Image5(this, "Image5", digit(3240, 3840, "blue-digit-4")),
      Label6(this, "Label6", word(2880, 4680, 1335, 375, "QUATTRO", 12, kRed)),
      Image7(this, "Image7", digit(5880, 3960, "blue-digit-9")),
      Label7(this, "Label7", word(5400, 4680, 1215, 375, "NOVE", 12, kBlue)),
      Image13(this, "Image13",
              arrow(6720, 3960, "DEVI RAPPRESENTARE SULL'ABACO I NUMERI IN LETTERE E IN CIFRE")),
      Image11(this, "Image11", illustration(8400, 3600, 2175, 1215, "abacus-649")),
      Image14(this, "Image14", digit(2760, 5520, "blue-digit-2")),
      Label11(this, "Label11", word(3360, 5640, 1215, 495, "DUE", 20.25, kBlue)),
      Image16(this, "Image16",
              entry({.left = 5400, .top = 5280, .width = 960, .height = 960, .picture = "computer"},
                    "IL COMPUTER SCRIVE IN LETTERE E IN CIFRE I TUOI NUMERI ")),
      Label14(this, "Label14", word(6720, 5640, 1575, 495, "SETTE", 20.25, kBlue)),
      Image15(this, "Image15", digit(8520, 5520, "blue-digit-7")),
      Label12(this, "Label12", word(2520, 6840, 1695, 615, "NOVE", 20.25, kBlue)),
      Image17(this, "Image17", digit(4440, 6840, "blue-digit-9")),
      Image19(this, "Image19",
              arrow(5280, 6720, "DEVI SCRIVERE IN CIFRE E IN LETTERE I NUMERI DATI DAL COMPUTER")),
      Image18(this, "Image18", digit(7080, 6840, "blue-digit-5")),
      Label15(this, "Label15", word(7920, 6960, 1695, 495, "CINQUE", 20.25, kBlue)),
      Image6(this, "Image6", backPicture("TORNA A MENU")),
      Label1(this, "Label1", footer()) {
    Image12.onClick = [this] { Image12_Click(); };
    Image13.onClick = [this] { Image13_Click(); };
    Image16.onClick = [this] { Image16_Click(); };
    Image19.onClick = [this] { Image19_Click(); };
    Image6.onClick = [this] { Image6_Click(); };
    for (ui::Image* picture : entries()) {
        picture->onMouseMove = [picture](const ui::MouseEvent&) { picture->borderStyle = 1; };
    }
}

void Form20::Form_MouseMove(const ui::MouseEvent&) {
    for (ui::Image* picture : entries()) picture->borderStyle = 0;
}

void Form20::Image12_Click() {
    show<Form15>();
    unload();
}

void Form20::Image13_Click() {
    show<Form17>();
    unload();
}

// The computer and the lower arrow open the one screen that holds both
// exercises on numbers in words and digits.
void Form20::Image16_Click() {
    show<Form16>();
    unload();
}

void Form20::Image19_Click() {
    show<Form16>();
    unload();
}

void Form20::Image6_Click() {
    show<app::Form1>();
    unload();
}

}  // namespace abacus
