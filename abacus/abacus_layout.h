// The abacus of the numbers-to-1000 module, drawn once for both screens that
// show one: four rods (thousands, hundreds, tens, units), their colours, the
// bead geometry and stacking, the headings and digit places under the rods.
// Also what the module's screens share besides: the window caption, the
// range row "NUMERI ENTRO:", the draw of a number and the three faces.
#pragma once

#include <array>
#include <string>

#include "ui/control.h"
#include "ui/random_source.h"

namespace abacus {

// The caption of every window of the module: our credit, then the title.
std::string moduleCaption();

enum class Place { Thousands, Hundreds, Tens, Units };
inline constexpr std::array<Place, 4> kPlaces = {Place::Thousands, Place::Hundreds, Place::Tens,
                                                 Place::Units};

struct PlaceInfo {
    const char* key;  // the heading under the rod
    int value;
    ui::Color color;
    int maxBeads;
    int beadLeft;
    int rodX;
};

// What a screen reader calls a bead and a rod: the bead's colour and the
// place, "pallina blu delle unità", "asta delle unità".
std::string beadName(Place place);
std::string rodName(Place place);

inline constexpr ui::Color kYellow = 0xffff00;
inline constexpr ui::Color kGreen = 0x00c000;
inline constexpr ui::Color kRed = 0xff0000;
inline constexpr ui::Color kBlue = 0x0000ff;

inline constexpr int kBeadSize = 495;
inline constexpr int kBeadStep = 480;

class AbacusLayout {
  public:
    // base: the height of the base line, in twips from the top.
    explicit constexpr AbacusLayout(int base) : base_(base) {}

    static const PlaceInfo& info(Place place);

    int base() const { return base_; }
    // Position 1 is the lowest bead, 9 the highest; the lowest bead's bottom
    // edge stays 105 above the base line.
    int beadTop(int position) const { return base_ - 120 - kBeadStep * position; }
    int rodTop() const { return base_ - 4560; }
    int headingTop() const { return base_ + 120; }
    int digitTop() const { return base_ + 600; }

    ui::Props baseLine() const;
    ui::Props rod(Place place) const;
    // A bead as a solid circle in the rod colour with a thin black outline.
    ui::Props bead(Place place, int position) const;
    ui::Props heading(Place place, const char* caption) const;
    // The square under the heading where a place's digit is shown or typed:
    // place, size, colour and font; the caller adds what its kind needs.
    ui::Props digit(Place place) const;

  private:
    int base_;
};

// Fonts of the module.
inline const ui::Font kRangeFont{"Tahoma", 12, true};
inline const ui::Font kInstructionFont{"Tahoma", 14.25, true};
inline const ui::Font kBigFont{"Tahoma", 20.25, true};

// One label of the row "NUMERI ENTRO:" 10 ... 100, 1000.
struct RangeChoice {
    const char* name;
    const char* caption;
    int limite;
    int left;
    int width;
};

// The row of the two abacus screens; only the name of "1000" differs.
std::array<RangeChoice, 11> abacusRangeRow(const char* thousandName);
// A range label: white, centred, pointing hand, no frame until chosen.
ui::Props rangeLabel(const RangeChoice& choice, int top);
// Frames the chosen range label and no other.
void frameChosenRange(const std::array<ui::Label*, 11>& row, const ui::Label& chosen);
// A white Tahoma label on the board.
ui::Props boardLabel(int left, int top, int width, int height, const char* caption, ui::Font font,
                     ui::Align alignment = ui::Align::Centre);
// The computer picture that gives a new number.
ui::Props computerPicture(int left, int top, const char* toolTip);
// The pointing hand back to the module menu; these screens give it no tooltip.
ui::Props backPicture(const char* toolTip = "");
ui::Props face(const char* asset, int left, int top);

// A number drawn for a range, digit by digit.
struct Digits {
    int u = 0, da = 0, h = 0, k = 0;
    int migliaia = 0;  // the thousands draw of the range 1000; 1 makes the number 1000
    int number() const { return 1000 * k + 100 * h + 10 * da + u; }
};

// Reseeds the source from the clock and draws one digit per call of next():
// the units, then the tens (ranges 20 and up), then for 1000 the hundreds
// and the thousands draw. Every number below the range can come; the range
// 1000 gives 1000 itself once in nine.
Digits drawDigits(ui::RandomSource& random, int limite);

enum class Face { Neutral, Right, Wrong };

// The three faces lying on one spot; one shows at a time.
struct Faces {
    ui::Image& sad;
    ui::Image& happy;
    ui::Image& neutral;
    void show(Face face) const {
        sad.visible = face == Face::Wrong;
        happy.visible = face == Face::Right;
        neutral.visible = face == Face::Neutral;
    }
};

}  // namespace abacus
