#include "app/title.h"

#include "app/credits.h"
#include "app/information.h"
#include "app/main_menu.h"

namespace app {

namespace {
constexpr ui::Color kMenuGreen = 0xc0ffc0;
const ui::Props kWhiteCentred{.foreColor = ui::kWhite, .alignment = ui::Align::Centre};
}  // namespace

Form12::Form12()
    : Screen("Form12",
             {.caption = "tevo - Aritmetica cl. II", .backColor = kMenuGreen, .picture = "blackboard"}),
      Label1(this, "Label1",
             {.left = 240,
              .top = 600,
              .width = 11415,
              .height = 615,
              .caption = kCreditLine,
              .foreColor = ui::kWhite,
              .font = {"Courier New", 21.75, true},
              .alignment = ui::Align::Centre}),
      Label2(this, "Label2",
             {.left = 2160,
              .top = 2880,
              .width = 7575,
              .height = 735,
              .caption = "PROGRAMMA DI ARITMETICA ",
              .foreColor = ui::kWhite,
              .font = {"Courier New", 26.25, true},
              .alignment = ui::Align::Centre,
              .pointer = ui::Pointer::Hand}),
      Label3(this, "Label3",
             {.left = 240,
              .top = 3600,
              .width = 11415,
              .height = 855,
              .caption = "cl.II",
              .foreColor = ui::kWhite,
              .font = {"Courier New", 24, true},
              .alignment = ui::Align::Centre}),
      Label7(this, "Label7",
             {.left = 4920,
              .top = 6000,
              .width = 2415,
              .height = 375,
              .caption = "2002-2003",
              .foreColor = ui::kWhite,
              .font = {"Arial", 15.75, true},
              .alignment = ui::Align::Centre}),
      Label5(this, "Label5",
             {.left = 4920,
              .top = 6480,
              .width = 2415,
              .height = 255,
              .caption = "(integrato - 2006-07)",
              .foreColor = ui::kWhite,
              .font = {"MS Sans Serif", 9.75, true},
              .alignment = ui::Align::Centre}),
      Label6(this, "Label6",
             {.left = 0,
              .top = 6960,
              .width = 11895,
              .height = 375,
              .caption = kRightsNotice,
              .foreColor = ui::kWhite,
              .font = {"Courier New", 12, true},
              .alignment = ui::Align::Centre}),
      Label8(this, "Label8",
             {.left = 5640,
              .top = 7440,
              .width = 975,
              .height = 375,
              .caption = "INFO",
              .foreColor = ui::kWhite,
              .font = {"Tahoma", 11.25, true},
              .alignment = ui::Align::Centre,
              .pointer = ui::Pointer::Hand}),
      Label4(this, "Label4",
             {.left = 10080,
              .top = 4800,
              .width = 495,
              .height = 615,
              .pointer = ui::Pointer::Hand,
              .toolTip = "ESCI DAl  PROGRAMMA"}) {
    Label2.onClick = [this] { Label2_Click(); };
    Label8.onClick = [this] { Label8_Click(); };
    Label4.onClick = [this] { Label4_Click(); };
    Label2.onMouseMove = [this](const ui::MouseEvent&) { Label2.borderStyle = 1; };
    Label8.onMouseMove = [this](const ui::MouseEvent&) { Label8.borderStyle = 1; };
    Label3.onMouseMove = [this](const ui::MouseEvent&) { Label2.borderStyle = 0; };
}

void Form12::Form_MouseMove(const ui::MouseEvent&) {
    Label2.borderStyle = 0;
    Label8.borderStyle = 0;
}

void Form12::Label2_Click() {
    show<Form1>();
    unload();
}

void Form12::Label8_Click() {
    enabled = false;
    show<Form18>();
}

void Form12::Label4_Click() {
    endProgram();
}

}  // namespace app
