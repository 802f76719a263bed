#include "multiplication/tables_dialog.h"

#include "multiplication/tables.h"

namespace multiplication {

namespace {

const ui::Font kMessageFont{"MS Sans Serif", 9.75, true};
const ui::Font kAnswerFont{"Tahoma", 18, true};

ui::Props message(int top, int height, const char* caption) {
    return frame::layout::whiteLabel(120, top, 4575, height, caption, kMessageFont, ui::Align::Centre);
}

ui::Props answer(int left, const char* caption) {
    ui::Props props =
        frame::layout::whiteLabel(left, 2280, 735, 495, caption, kAnswerFont, ui::Align::Centre);
    props.pointer = ui::Pointer::Hand;
    return props;
}

}  // namespace

Form21::Form21()
    : Screen("Form21", {.caption = "tevo - Aritmetica cl. II     TABELLINE",
                        .width = 4845,
                        .height = 3600,
                        .backColor = 0xe0e0e0,
                        .picture = "blackboard-dialog"}),
      Label1(this, "Label1", message(600, 615, "HAI ESAURITO LE POSSIBILITÀ DI QUESTA TABELLINA")),
      Label2(this, "Label2", message(1560, 255, "VUOI RIPETERLA?")),
      Label3(this, "Label3", answer(840, "SÌ")),
      Label4(this, "Label4", answer(3240, "NO")) {
    Label3.onClick = [this] { Label3_Click(); };
    Label4.onClick = [this] { Label4_Click(); };
}

void Form21::Label3_Click() {
    Form8& tables = screen<Form8>();
    if (tables.isLoaded()) {
        tables.enabled = true;
        tables.Label5.enabled = true;
    }
    unload();
}

void Form21::Label4_Click() {
    Form8& tables = screen<Form8>();
    if (tables.isLoaded()) {
        tables.enabled = true;
        tables.Label4.caption.clear();
        tables.Label8.caption.clear();
        tables.Label9.enabled = true;
        tables.Label10.enabled = true;
        tables.Text5.text.clear();
        tables.Text3.enabled = false;
        show<Form8>();
    }
    unload();
}

}  // namespace multiplication
