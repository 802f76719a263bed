#include "numbers99/counting_dialog.h"

#include "frame/exercise_frame.h"
#include "numbers99/counting.h"

namespace numbers99 {

namespace {

const ui::ScreenRegistration<Form19> kRegistration{"Form19"};

using frame::layout::whiteLabel;

const ui::Font kMessageFont{"MS Sans Serif", 9.75, true};
const ui::Font kAnswerFont{"Tahoma", 18, true};

ui::Props answer(int left, const char* caption) {
    ui::Props props = whiteLabel(left, 2400, 735, 495, caption, kAnswerFont, ui::Align::Centre);
    props.pointer = ui::Pointer::Hand;
    return props;
}

}  // namespace

Form19::Form19()
    : Screen("Form19", {.caption = "tevo - Aritmetica cl. II     NUMERAZIONI",
                        .width = 4830,
                        .height = 3615,
                        .backColor = 0xffffc0,
                        .picture = "blackboard-dialog"}),
      Label1(this, "Label1",
             whiteLabel(120, 720, 4575, 615, "HAI ESAURITO LE POSSIBILITÀ DI QUESTA NUMERAZIONE.",
                        kMessageFont, ui::Align::Centre)),
      Label2(this, "Label2",
             whiteLabel(120, 1680, 4575, 255, "VUOI RIPETERLA?", kMessageFont, ui::Align::Centre)),
      Label3(this, "Label3", answer(840, "SÌ")),
      Label4(this, "Label4", answer(3240, "NO")) {
    Label3.onClick = [this] { Label3_Click(); };
    Label4.onClick = [this] { Label4_Click(); };
}

void Form19::Label3_Click() {
    Form2& counting = screen<Form2>();
    if (counting.isLoaded()) {
        counting.enabled = true;
        counting.Text16.enabled = false;
        counting.Text15.enabled = false;
        counting.Label5.enabled = false;
    }
    unload();
}

void Form19::Label4_Click() {
    Form2& counting = screen<Form2>();
    if (counting.isLoaded()) {
        counting.enabled = true;
        counting.Label6.enabled = false;
        counting.Label16.enabled = true;
        counting.Label17.enabled = true;
        counting.Text15.text.clear();
        counting.Text16.text.clear();
    }
    unload();
}

}  // namespace numbers99
