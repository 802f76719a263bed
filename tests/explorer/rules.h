// What the explorer knows of each screen: the controls its rules name, and
// the ways between the screens that its bias towards every screen follows.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace explorer {

struct BoxLimit {
    const char* box;
    int characters;
};

struct ScreenRules {
    const char* form;
    // The feedback faces, neutral first, of which at most one shows. Where
    // the layout stacks all of them with the neutral one on top, that is
    // the neutral face showing.
    std::vector<const char*> faces{};
    // The value labels after "ESATTI" and "SU", on the screens with a score.
    const char* esatti = nullptr;
    const char* su = nullptr;
    // The highest problem count: 99, or 98 where the count restarts on
    // reaching 99.
    int mostProblems = 99;
    // ESATTI restarts with the problem count, so it never passes it.
    bool esattiRestarts = false;
    // The control that asks for a new problem, on the screens with a score.
    const char* newProblem = nullptr;
    // Controls whose click ends the program.
    std::vector<const char*> exits{};
    // Boxes that never hold more than one character.
    std::vector<const char*> singleDigit{};
    // Boxes that hold no more than so many characters once a key is released
    // in them.
    std::vector<BoxLimit> limits{};
    // The dialog that stands over this screen while it is disabled.
    const char* dialog = nullptr;
};

// Every screen of the program, Form1 to Form21.
const std::vector<ScreenRules>& allScreens();
const ScreenRules* rulesOf(std::string_view form);
// The screen a dialog stands over, or nullptr for a screen that is no dialog.
const ScreenRules* ownerOf(std::string_view dialog);
bool isExit(std::string_view form, std::string_view control);

// A click that leads from one screen to another.
struct Way {
    const char* from;
    const char* control;
    const char* to;
};
const std::vector<Way>& ways();
// The controls that answer a dialog (and let its screen go on).
std::vector<const char*> dialogAnswers(std::string_view dialog);

}  // namespace explorer
