#include "app/information.h"

#include "app/title.h"

namespace app {

namespace {
ui::Props line(int left, int top, int width, int height, const char* caption, double size, bool bold) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .foreColor = ui::kWhite,
            .font = {"Tahoma", size, bold},
            .alignment = ui::Align::Centre};
}
}  // namespace

Form18::Form18()
    : Screen("Form18", {.caption = "Informazioni",
                        .width = 4830,
                        .height = 3600,
                        .backColor = 0xe0e0e0,
                        .picture = "blackboard-small"}),
      Label2(this, "Label2", line(-720, 120, 6495, 495, "Aritmetica - classe seconda", 12, true)),
      Label3(this, "Label3",
             line(120, 600, 4575, 855, "Programmi di aritmetica per la scuola primaria", 14.25, true)),
      Label6(this, "Label6",
             line(240, 1560, 4455, 495,
                  "In caso di riscontro di errori, preghiamo cortesemente di contattarci:", 8.25, false)),
      Label4(this, "Label4", line(120, 2160, 4575, 255, "l'insegnante della vostra classe", 8.25, true)),
      Label5(this, "Label5", line(120, 2520, 4575, 255, "o chi ha installato il programma", 8.25, true)),
      Label1(this, "Label1", [] {
          ui::Props ok = line(2040, 2880, 735, 495, "OK", 20.25, true);
          ok.pointer = ui::Pointer::Hand;
          return ok;
      }()) {
    Label1.onClick = [this] { Label1_Click(); };
    Label1.onMouseMove = [this](const ui::MouseEvent&) { Label1.borderStyle = 1; };
    Label2.onMouseMove = [this](const ui::MouseEvent&) { Label1.borderStyle = 0; };
    Label3.onMouseMove = [this](const ui::MouseEvent&) { Label1.borderStyle = 0; };
}

void Form18::Form_MouseMove(const ui::MouseEvent&) {
    Label1.borderStyle = 0;
}

void Form18::Label1_Click() {
    Form12& title = screen<Form12>();
    if (title.isLoaded()) title.enabled = true;
    unload();
}

}  // namespace app
