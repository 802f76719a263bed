#include "app/main_menu.h"

#include "app/credits.h"
#include "app/title.h"

namespace app {

namespace {

struct Entry {
    const char* name;
    const char* caption;
    int left, top, width, height;
    const char* target;
};

// The runs of blanks inside the captions decide where they wrap.
constexpr Entry kEntries[] = {
    {"Label16", "I NUMERI ENTRO 1000 CON L'AIUTO DELL'ABACO", 840, 1200, 2655, 495, "Form20"},
    {"Label13", "NUMERI IN CIFRE ENTRO 99", 840, 1920, 2655, 375, "Form13"},
    {"Label14", "NUMERI IN LETTERE ENTRO 99", 840, 2640, 3135, 375, "Form14"},
    {"Label4", "CONFRONTO entro 99", 840, 3240, 2655, 375, "Form3"},
    {"Label5", "ADDIZIONI IN COLONNA         SENZA CAMBIO ( somma entro 99 )", 4080, 3960, 3255, 495,
     "Form4"},
    {"Label7", "ADDIZIONI IN COLONNA CON CAMBIO ( somma entro 99 )", 4080, 4680, 3255, 495, "Form6"},
    {"Label6", "SOTTRAZIONI IN COLONNA    SENZA CAMBIO ( minuendo entro 99 ) ", 4080, 5400, 3495, 495,
     "Form5"},
    {"Label8", "SOTTRAZIONI IN COLONNA CON    CAMBIO ( minuendo entro 99 )", 4080, 6120, 3375, 495, "Form7"},
    {"Label1", "NUMERAZIONI entro 99", 8160, 1200, 3015, 375, "Form2"},
    {"Label9", "TABELLINE DI PRODOTTI             ( entro 81)", 8160, 1800, 3015, 495, "Form8"},
    {"Label10", "MOLTIPLICAZIONI IN COLONNA    SENZA CAMBIO ( prodotto entro 99 )", 8160, 2520, 3495, 495,
     "Form9"},
    {"Label11", "MOLTIPLICAZIONI IN COLONNA    CON CAMBIO  ( prodotto entro 99)", 8160, 3240, 3615, 495,
     "Form10"},
    {"Label12", "FRASI APERTE ( moltiplicazione )", 8160, 3960, 3015, 375, "Form11"},
};

ui::Props entry(int index) {
    const Entry& e = kEntries[index];
    return {.left = e.left,
            .top = e.top,
            .width = e.width,
            .height = e.height,
            .caption = e.caption,
            .foreColor = ui::kWhite,
            .font = {"MS Sans Serif", 8.25, true},
            .pointer = ui::Pointer::Hand};
}

ui::Props decoration(int left, int top, int width, int height, const char* asset) {
    return {.left = left, .top = top, .width = width, .height = height, .picture = asset, .stretch = true};
}

}  // namespace

Form1::Form1()
    : Screen(
          "Form1",
          {.caption = "tevo - Aritmetica cl. II     MENU", .backColor = 0xc0ffc0, .picture = "blackboard"}),
      Label16(this, "Label16", entry(0)),
      Label13(this, "Label13", entry(1)),
      Label14(this, "Label14", entry(2)),
      Label4(this, "Label4", entry(3)),
      Label5(this, "Label5", entry(4)),
      Label7(this, "Label7", entry(5)),
      Label6(this, "Label6", entry(6)),
      Label8(this, "Label8", entry(7)),
      Label1(this, "Label1", entry(8)),
      Label9(this, "Label9", entry(9)),
      Label10(this, "Label10", entry(10)),
      Label11(this, "Label11", entry(11)),
      Label12(this, "Label12", entry(12)),
      Label2(this, "Label2",
             {.left = 120,
              .top = 360,
              .width = 11535,
              .height = 495,
              .caption = " ESERCITAZIONI DI ARITMETICA cl.  II",
              .foreColor = ui::kWhite,
              .font = {"MS Sans Serif", 13.5, true},
              .alignment = ui::Align::Centre}),
      Label15(this, "Label15",
              {.left = 10080,
               .top = 4800,
               .width = 495,
               .height = 615,
               .pointer = ui::Pointer::Hand,
               .toolTip = "ESCI"}),
      Image5(this, "Image5",
             {.left = 240,
              .top = 7560,
              .width = 825,
              .height = 465,
              .pointer = ui::Pointer::Hand,
              .picture = "pointing-hand",
              .stretch = true,
              .accessibleName = "TORNA ALL'INIZIO"}),
      Label17(this, "Label17",
              {.left = 3960,
               .top = 7680,
               .width = 7695,
               .height = 375,
               .caption = kFooterCredit,
               .foreColor = ui::kWhite,
               .font = {"Courier New", 9.75, true},
               .alignment = ui::Align::Centre}),
      Image1(this, "Image1", decoration(4320, 1200, 3030, 2055, "abacus")),
      Image2(this, "Image2", decoration(840, 4440, 660, 975, "digit-9")),
      Image4(this, "Image4", decoration(2520, 4440, 660, 975, "digit-0")),
      Image3(this, "Image3", decoration(2040, 6360, 660, 975, "digit-5")),
      Image6(this, "Image6", decoration(8640, 4560, 660, 975, "digit-7")),
      Image8(this, "Image8", decoration(10440, 5040, 660, 975, "digit-4")),
      Image10(this, "Image10", decoration(720, 6480, 810, 195, "sign-minus")),
      Image7(this, "Image7", decoration(9000, 6120, 690, 765, "sign-times")),
      Image11(this, "Image11", decoration(10320, 6720, 915, 765, "sign-plus")),
      Image9(this, "Image9", decoration(3960, 6720, 3435, 945, "signs-compare")) {
    for (std::size_t i = 0; i < entries().size(); ++i) {
        ui::Label* label = entries()[i];
        const char* target = kEntries[i].target;
        label->onClick = [this, target] { openEntry(target); };
        label->onMouseMove = [label](const ui::MouseEvent&) { label->borderStyle = 1; };
    }
    Image5.onClick = [this] {
        show<Form12>();
        unload();
    };
    Label15.onClick = [this] { endProgram(); };
    // The picture of the 4 overlaps the exit's lower right corner: the whole
    // exit ends the program.
    bringToFront(Label15);
}

std::array<ui::Label*, 13> Form1::entries() {
    return {&Label16, &Label13, &Label14, &Label4,  &Label5,  &Label7, &Label6,
            &Label8,  &Label1,  &Label9,  &Label10, &Label11, &Label12};
}

void Form1::Form_MouseMove(const ui::MouseEvent&) {
    for (ui::Label* label : entries()) label->borderStyle = 0;
}

void Form1::openEntry(const char* formName) {
    ui::Screen* target = registry().instance(formName);
    if (!target) return;
    registry().show(*target);
    unload();
}

}  // namespace app
