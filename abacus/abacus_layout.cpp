#include "abacus/abacus_layout.h"

#include <cmath>

#include "app/credits.h"
#include "frame/exercise_frame.h"

namespace abacus {

std::string moduleCaption() {
    return std::string(app::kCreditLine) + " " +
           "IL NUMERO: I numeri entro 1000 in lettere e in cifre          a.s.  2007-08";
}

namespace {
// Thousands, hundreds, tens, units, as the rods stand from left to right.
constexpr std::array<PlaceInfo, 4> kPlaceInfo = {{
    {"k", 1000, kYellow, 1, 3960, 4200},
    {"h", 100, kGreen, 9, 5040, 5280},
    {"da", 10, kRed, 9, 6120, 6360},
    {"u", 1, kBlue, 9, 7200, 7440},
}};
// The places as the child says them, in the same order.
constexpr std::array<const char*, 4> kPlaceNames = {"migliaia", "centinaia", "decine", "unità"};
constexpr int kBaseLeft = 3840;
constexpr int kBaseRight = 7800;
constexpr int kHeadingMargin = 240;
}  // namespace

std::string beadName(Place place) {
    static constexpr std::array<const char*, 4> kColours = {"gialla", "verde", "rossa", "blu"};
    auto i = static_cast<std::size_t>(place);
    return std::string("pallina ") + kColours[i] + " delle " + kPlaceNames[i];
}

std::string rodName(Place place) {
    return std::string("asta delle ") + kPlaceNames[static_cast<std::size_t>(place)];
}

const PlaceInfo& AbacusLayout::info(Place place) {
    return kPlaceInfo[static_cast<std::size_t>(place)];
}

ui::Props AbacusLayout::baseLine() const {
    return {.left = kBaseLeft,
            .top = base_,
            .width = kBaseRight - kBaseLeft,
            .height = 0,
            .x1 = kBaseLeft,
            .y1 = base_,
            .x2 = kBaseRight,
            .y2 = base_,
            .borderWidth = 3};
}

ui::Props AbacusLayout::rod(Place place) const {
    int x = info(place).rodX;
    return {.left = x,
            .top = rodTop(),
            .width = 0,
            .height = base_ - rodTop(),
            .x1 = x,
            .y1 = base_,
            .x2 = x,
            .y2 = rodTop(),
            .borderWidth = 2,
            .accessibleName = rodName(place)};
}

ui::Props AbacusLayout::bead(Place place, int position) const {
    return {.left = info(place).beadLeft,
            .top = beadTop(position),
            .width = kBeadSize,
            .height = kBeadSize,
            .fillColor = info(place).color,
            .borderColor = ui::kBlack,
            .geometry = ui::Geometry::Circle,
            .accessibleName = beadName(place)};
}

ui::Props AbacusLayout::heading(Place place, const char* caption) const {
    // Centred under the bead but wider than it, so "da" in its large font is
    // not cut; the rods stand far enough apart for that.
    return {.left = info(place).beadLeft - kHeadingMargin,
            .top = headingTop(),
            .width = kBeadSize + 2 * kHeadingMargin,
            .height = kBeadSize,
            .caption = caption,
            .foreColor = info(place).color,
            .font = kBigFont,
            .alignment = ui::Align::Centre};
}

ui::Props AbacusLayout::digit(Place place) const {
    return {.left = info(place).beadLeft,
            .top = digitTop(),
            .width = kBeadSize,
            .height = kBeadSize,
            .foreColor = info(place).color,
            .font = kBigFont,
            .alignment = ui::Align::Centre};
}

std::array<RangeChoice, 11> abacusRangeRow(const char* thousandName) {
    return {{
        {"Label6", "10", 10, 4560, 375},
        {"Label7", "20", 20, 5040, 375},
        {"Label10", "30", 30, 5520, 375},
        {"Label11", "40", 40, 6000, 375},
        {"Label12", "50", 50, 6480, 375},
        {"Label13", "60", 60, 6960, 375},
        {"Label14", "70", 70, 7440, 375},
        {"Label15", "80", 80, 7920, 375},
        {"Label17", "90", 90, 8400, 375},
        {"Label16", "100", 100, 8880, 495},
        {thousandName, "1000", 1000, 9480, 735},
    }};
}

ui::Props rangeLabel(const RangeChoice& choice, int top) {
    ui::Props props = boardLabel(choice.left, top, choice.width, 375, choice.caption, kRangeFont);
    props.pointer = ui::Pointer::Hand;
    return props;
}

void frameChosenRange(const std::array<ui::Label*, 11>& row, const ui::Label& chosen) {
    for (ui::Label* label : row) label->borderStyle = label == &chosen ? 1 : 0;
}

ui::Props boardLabel(int left, int top, int width, int height, const char* caption, ui::Font font,
                     ui::Align alignment) {
    return frame::layout::whiteLabel(left, top, width, height, caption, font, alignment);
}

ui::Props computerPicture(int left, int top, const char* toolTip) {
    return {.left = left,
            .top = top,
            .width = 960,
            .height = 960,
            .pointer = ui::Pointer::Hand,
            .toolTip = toolTip,
            .picture = "computer",
            .stretch = true};
}

ui::Props backPicture(const char* toolTip) {
    ui::Props props = frame::layout::backPicture(toolTip);
    props.accessibleName = "TORNA AL MENU";
    return props;
}

ui::Props face(const char* asset, int left, int top) {
    return frame::layout::face(asset, left, top);
}

Digits drawDigits(ui::RandomSource& random, int limite) {
    // The draws run in double precision: a single-precision product could
    // round r just below 1 up to a whole number and give a digit too many.
    auto draw = [&random](int count) { return static_cast<int>(std::floor(random.next() * count)); };
    random.reseedFromClock();
    Digits d;
    if (limite == 1000) {
        d.u = draw(10);
        d.da = draw(10);
        d.h = draw(10);
        d.migliaia = draw(9);
        if (d.migliaia == 1) d = {.u = 0, .da = 0, .h = 0, .k = 1, .migliaia = 1};
        return d;
    }
    d.u = draw(10);
    // The range 90 draws its tens like the others, 0 to 8, and keeps every
    // unit, so numbers ending in 9 come too.
    if (limite >= 20) d.da = draw(limite / 10);
    return d;
}

}  // namespace abacus
