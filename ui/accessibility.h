// What each control is to someone who cannot see the screen: a role and an
// Italian name, as a screen reader speaks them. The same rules hold on every
// screen: a clickable label or picture is a button named by its caption or
// tooltip, a label's text is text, a text box is editable text, and a
// picture, shape or line is shown only where a layout gave it a name of its
// own (the faces, the beads and rods of the abacus). What lies there only to
// be looked at, or only to catch the mouse, is left out.
#pragma once

#include <optional>
#include <string>

namespace ui {

class Control;
class Screen;

enum class Role {
    None,          // left out: decoration, empty areas
    Button,        // a clickable label or picture
    Text,          // a label: an instruction, a problem, a score
    EditableText,  // a text box
    Picture,       // a face, a bead, a rod
};

Role accessibleRole(const Control& control);
// The name a screen reader speaks for the control; a label's caption, a
// text box's text is its content, not its name.
std::string accessibleName(const Control& control);
// Whether a screen reader finds the control now: it is visible, has a role
// and has something to say (an empty label has nothing, until a problem or
// a score fills it).
bool isAccessible(const Control& control);
// A caption as it is spoken: the runs of blanks that place its line breaks
// read as one, and no blank at either end.
std::string spokenText(const std::string& caption);

struct ClickPoint {
    int x = 0, y = 0;  // twips
};
// Where a click reaches the control when a screen reader presses it: its
// centre, unless something lies over it there; nowhere when it is covered
// all over.
std::optional<ClickPoint> pointToClick(const Screen& screen, const Control& control);

}  // namespace ui
