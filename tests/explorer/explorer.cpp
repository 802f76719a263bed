#include "tests/explorer/explorer.h"

#include <algorithm>
#include <charconv>
#include <deque>
#include <exception>
#include <sstream>

#include "app/program.h"
#include "frame/exercise_frame.h"
#include "tests/explorer/rules.h"
#include "ui/keys.h"
#include "ui/text.h"

namespace explorer {

namespace {

using Kind = Action::Kind;

struct KindName {
    Kind kind;
    const char* name;
};
constexpr KindName kKindNames[] = {
    {Kind::Clock, "clock"},
    {Kind::Click, "click"},
    {Kind::DoubleClick, "dblclick"},
    {Kind::ClickAt, "clickat"},
    {Kind::DoubleClickAt, "dblclickat"},
    {Kind::Move, "move"},
    {Kind::Down, "down"},
    {Kind::Up, "up"},
    {Kind::Drag, "drag"},
    {Kind::DragOutside, "dragout"},
    {Kind::Press, "press"},
    {Kind::Release, "release"},
    {Kind::Key, "key"},
    {Kind::Close, "close"},
};

const char* nameOf(Kind kind) {
    for (const KindName& k : kKindNames) {
        if (k.kind == kind) return k.name;
    }
    return "?";
}

ui::Screen* loadedScreen(ui::Driver& driver, std::string_view form) {
    for (ui::Screen* s : driver.registry().loadedScreens()) {
        if (s->formName() == form) return s;
    }
    return nullptr;
}

struct Point {
    int x, y;
};
Point centreOf(const ui::Control& c) {
    return {c.left + c.width / 2, c.top + c.height / 2};
}

// How far a rectangle reaches outside the client area.
int overflow(int left, int top, int right, int bottom, const ui::Screen& s) {
    return std::max({0, -left, -top, right - s.width, bottom - s.height});
}
int overflow(const ui::Props& p, const ui::Control& c, const ui::Screen& s) {
    if (c.kind() == ui::Kind::Line) {
        return overflow(std::min(p.x1, p.x2), std::min(p.y1, p.y2), std::max(p.x1, p.x2),
                        std::max(p.y1, p.y2), s);
    }
    return overflow(p.left, p.top, p.left + p.width, p.top + p.height, s);
}

bool isWholeNumber(const std::string& text) {
    return !text.empty() && text.size() <= 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string describe(const ui::Control& c) {
    return c.screen().formName() + " " + c.name();
}

// At most one face shows. All of them left visible as laid out, with the
// neutral one on top, show the neutral face.
std::optional<Failure> checkFaces(const ui::Screen& s, const std::vector<const char*>& faces) {
    std::vector<const ui::Control*> shown;
    for (const char* face : faces) {
        if (s.control(face)->visible) shown.push_back(s.control(face));
    }
    if (shown.size() <= 1) return std::nullopt;
    const ui::Control* neutral = s.control(faces.front());
    const ui::Control* top = nullptr;
    for (const ui::Control* c : s.controls()) {
        if (std::find(shown.begin(), shown.end(), c) != shown.end()) top = c;
    }
    if (shown.size() == faces.size() && top == neutral) return std::nullopt;
    std::string names;
    for (const ui::Control* c : shown) names += c->name() + " ";
    return Failure{"more than one face on " + s.formName(), names};
}

}  // namespace

// ---------------------------------------------------------------------------
// Actions as text, one a line.

std::string toText(const Action& a) {
    std::ostringstream out;
    out << nameOf(a.kind);
    switch (a.kind) {
        case Kind::Clock: {
            // The shortest text that reads back exactly, with the point as
            // decimal point whatever the locale.
            char buffer[32];
            auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, a.clock);
            out << ' ' << std::string_view(buffer, error == std::errc() ? std::size_t(end - buffer) : 0);
            break;
        }
        case Kind::Click:
        case Kind::DoubleClick:
            out << ' ' << a.screen << ' ' << a.control;
            break;
        case Kind::ClickAt:
        case Kind::Move:
        case Kind::Down:
        case Kind::Up:
            out << ' ' << a.screen << ' ' << a.x << ' ' << a.y << ' ' << a.button;
            break;
        case Kind::DoubleClickAt:
        case Kind::DragOutside:
            out << ' ' << a.screen << ' ' << a.x << ' ' << a.y;
            break;
        case Kind::Drag:
            out << ' ' << a.screen << ' ' << a.x << ' ' << a.y << ' ' << a.x2 << ' ' << a.y2;
            break;
        case Kind::Press:
        case Kind::Key:
            out << ' ' << a.screen << ' ' << a.code << ' ' << a.character << ' ' << a.shift;
            break;
        case Kind::Release:
            out << ' ' << a.screen << ' ' << a.code << ' ' << a.shift;
            break;
        case Kind::Close:
            out << ' ' << a.screen;
            break;
    }
    return out.str();
}

std::optional<Action> parseAction(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::string word;
    if (!(in >> word) || word[0] == '#') return std::nullopt;
    Action a;
    bool known = false;
    for (const KindName& k : kKindNames) {
        if (word == k.name) {
            a.kind = k.kind;
            known = true;
        }
    }
    if (!known) return std::nullopt;
    if (a.kind == Kind::Clock) {
        std::string reading;
        if (!(in >> reading)) return std::nullopt;
        auto [end, error] = std::from_chars(reading.data(), reading.data() + reading.size(), a.clock);
        if (error != std::errc() || end != reading.data() + reading.size()) return std::nullopt;
        return a;
    }
    if (!(in >> a.screen)) return std::nullopt;
    bool ok = true;
    switch (a.kind) {
        case Kind::Click:
        case Kind::DoubleClick:
            ok = static_cast<bool>(in >> a.control);
            break;
        case Kind::ClickAt:
        case Kind::Move:
        case Kind::Down:
        case Kind::Up:
            ok = static_cast<bool>(in >> a.x >> a.y >> a.button);
            break;
        case Kind::DoubleClickAt:
        case Kind::DragOutside:
            ok = static_cast<bool>(in >> a.x >> a.y);
            break;
        case Kind::Drag:
            ok = static_cast<bool>(in >> a.x >> a.y >> a.x2 >> a.y2);
            break;
        case Kind::Press:
        case Kind::Key:
            ok = static_cast<bool>(in >> a.code >> a.character >> a.shift);
            break;
        case Kind::Release:
            ok = static_cast<bool>(in >> a.code >> a.shift);
            break;
        default:
            break;
    }
    if (!ok) return std::nullopt;
    return a;
}

std::vector<Action> parseActions(std::string_view text) {
    std::vector<Action> actions;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        if (auto a = parseAction(text.substr(from, end - from))) actions.push_back(*a);
        from = end + 1;
    }
    return actions;
}

// ---------------------------------------------------------------------------
// The session and its rules.

// What the rules remember of a screen's score from one action to the next.
struct Session::ScreenMemory {
    int problems = 0;
    int esatto = 0;
    int esattoAtProblem = 0;  // esatto when the current problem was asked
};

Session::Session() : driver_(std::make_unique<ui::Driver>()) {
    driver_->start(app::startProgram);
}

Session::~Session() = default;

std::optional<Failure> Session::run(const Action& action) {
    if (action.kind == Kind::Clock) {
        driver_->setClock(action.clock);
        return std::nullopt;
    }
    if (driver_->ended()) return std::nullopt;
    ui::Screen* screen = loadedScreen(*driver_, action.screen);
    if (!screen) return std::nullopt;

    std::vector<std::string> loadedBefore = driver_->loadedScreens();
    // The control a click would end on, to tell an exit from a fault.
    const ui::Control* exitTarget = nullptr;
    auto under = [&](int x, int y) { return screen->controlAt(x, y); };
    if ((action.kind == Kind::Click || action.kind == Kind::DoubleClick) && screen->control(action.control)) {
        Point p = centreOf(*screen->control(action.control));
        exitTarget = under(p.x, p.y);
    } else if (action.kind == Kind::ClickAt || action.kind == Kind::DoubleClickAt ||
               action.kind == Kind::Up) {
        exitTarget = under(action.x, action.y);
    } else if (action.kind == Kind::Drag) {
        exitTarget = under(action.x2, action.y2);
    }
    if (exitTarget && !screen->enabled) exitTarget = nullptr;

    const ui::Control* keyUpBox = nullptr;
    try {
        ui::ScreenRegistry& r = driver_->registry();
        ui::ScreenActions on = driver_->on(*screen);
        switch (action.kind) {
            case Kind::Click:
                on.click(action.control);
                break;
            case Kind::DoubleClick:
                on.doubleClick(action.control);
                break;
            case Kind::ClickAt:
                on.clickAt(action.x, action.y, action.button);
                break;
            case Kind::DoubleClickAt:
                on.clickAt(action.x, action.y);
                r.mouseDown(*screen, action.x, action.y, ui::kLeftButton, 0, true);
                r.mouseUp(*screen, action.x, action.y, ui::kLeftButton, 0);
                break;
            case Kind::Move:
                r.mouseMove(*screen, action.x, action.y, action.button, 0);
                break;
            case Kind::Down:
                r.mouseDown(*screen, action.x, action.y, action.button, 0);
                break;
            case Kind::Up:
                r.mouseUp(*screen, action.x, action.y, action.button, 0);
                break;
            case Kind::Drag:
                r.mouseMove(*screen, action.x, action.y, 0, 0);
                r.mouseDown(*screen, action.x, action.y, ui::kLeftButton, 0);
                r.mouseMove(*screen, (action.x + action.x2) / 2, (action.y + action.y2) / 2, ui::kLeftButton,
                            0);
                r.mouseMove(*screen, action.x2, action.y2, ui::kLeftButton, 0);
                r.mouseUp(*screen, action.x2, action.y2, ui::kLeftButton, 0);
                break;
            case Kind::DragOutside:
                r.mouseMove(*screen, action.x, action.y, 0, 0);
                r.mouseDown(*screen, action.x, action.y, ui::kLeftButton, 0);
                r.mouseUpOutside(*screen, ui::kLeftButton, 0);
                break;
            case Kind::Press:
                r.keyDown(*screen, action.code, static_cast<char32_t>(action.character), action.shift);
                break;
            case Kind::Release:
                keyUpBox = screen->isLoaded() ? screen->focused() : nullptr;
                r.keyUp(*screen, action.code, action.shift);
                break;
            case Kind::Key:
                r.keyDown(*screen, action.code, static_cast<char32_t>(action.character), action.shift);
                keyUpBox = screen->isLoaded() ? screen->focused() : nullptr;
                r.keyUp(*screen, action.code, action.shift);
                break;
            case Kind::Close:
                r.closeRequested(*screen);
                break;
            case Kind::Clock:
                break;
        }
        if (action.kind == Kind::Press) keysHeld_.insert(action.code);
        if (action.kind == Kind::Release || action.kind == Kind::Key) keysHeld_.erase(action.code);
        // A box's limit holds once every key is released. Tab raises no key
        // release in the box, and a disabled screen takes no key.
        if (!keysHeld_.empty() || action.code == ui::key::kTab || !screen->enabled) keyUpBox = nullptr;
        return check(action, loadedBefore, exitTarget, keyUpBox);
    } catch (const std::exception& e) {
        return Failure{"exception", e.what()};
    }
}

std::optional<Failure> Session::check(const Action& action, const std::vector<std::string>& loadedBefore,
                                      const ui::Control* exitTarget, const ui::Control* keyUpBox) {
    if (driver_->ended()) {
        bool byExit = exitTarget && isExit(exitTarget->screen().formName(), exitTarget->name());
        bool byLastClose =
            action.kind == Kind::Close && loadedBefore == std::vector<std::string>{action.screen};
        if (byExit || byLastClose) return std::nullopt;
        std::string before;
        for (const std::string& s : loadedBefore) before += s + " ";
        return Failure{"the program ended without an exit",
                       "after " + toText(action) + " with loaded: " + before};
    }

    const std::vector<ui::Screen*>& loaded = driver_->registry().loadedScreens();
    ui::Screen* front = loaded.back();
    for (ui::Screen* s : loaded) {
        seen_.insert(s->formName());
        const ScreenRules* rules = rulesOf(s->formName());
        if (!rules) return Failure{"unknown screen", s->formName()};

        for (const ui::Control* c : s->controls()) {
            if (overflow(*c, *c, *s) > overflow(c->design(), *c, *s)) {
                return Failure{"control outside its screen: " + describe(*c),
                               "at " + std::to_string(c->left) + "," + std::to_string(c->top) + " size " +
                                   std::to_string(c->width) + "x" + std::to_string(c->height)};
            }
        }

        if (auto failure = checkFaces(*s, rules->faces)) return failure;

        if (!s->enabled) {
            const char* dialog = rules->dialog;
            if (!dialog || front->formName() != dialog) {
                return Failure{"a disabled screen without its dialog in front: " + s->formName(),
                               "front is " + front->formName()};
            }
        }
        if (const ScreenRules* owner = ownerOf(s->formName())) {
            ui::Screen* behind = loadedScreen(*driver_, owner->form);
            if (!behind || behind->enabled || s != front) {
                return Failure{"a dialog not over its disabled screen: " + s->formName(),
                               std::string(owner->form) +
                                   (behind ? (behind->enabled ? " enabled" : " disabled") : " not loaded")};
            }
        }

        if (const ui::Control* f = s->focused()) {
            if (f->kind() != ui::Kind::TextBox || !f->isLive() || &f->screen() != s) {
                return Failure{"focus on a control that cannot take it: " + describe(*f),
                               std::string("visible ") + (f->visible ? "1" : "0") + " enabled " +
                                   (f->enabled ? "1" : "0")};
            }
        }

        for (const char* name : rules->singleDigit) {
            const ui::Control& box = *s->control(name);
            if (ui::textLength(box.caption) > 1) {
                return Failure{"a single-digit box holds more: " + describe(box), "\"" + box.caption + "\""};
            }
        }

        if (auto failure = checkScores(*s)) return failure;
    }

    if (keyUpBox && keyUpBox->screen().isLoaded()) {
        const ScreenRules* rules = rulesOf(keyUpBox->screen().formName());
        for (const BoxLimit& limit : rules->limits) {
            if (keyUpBox->name() == limit.box && ui::textLength(keyUpBox->caption) > limit.characters) {
                return Failure{"a limit box holds more after the key's release: " + describe(*keyUpBox),
                               "\"" + keyUpBox->caption + "\" over " + std::to_string(limit.characters)};
            }
        }
    }
    return std::nullopt;
}

std::optional<Failure> Session::checkScores(ui::Screen& screen) {
    const ScreenRules& rules = *rulesOf(screen.formName());
    if (!rules.su) return std::nullopt;
    const std::string& form = screen.formName();
    for (const char* label : {rules.esatti, rules.su}) {
        const std::string& shown = screen.control(label)->caption;
        if (shown.empty()) continue;
        if (!isWholeNumber(shown)) return Failure{"a score that is no count on " + form, "\"" + shown + "\""};
        int value = std::stoi(shown);
        bool restarts = label == rules.su || rules.esattiRestarts;
        if (restarts && value > rules.mostProblems) {
            return Failure{"a score past its bound on " + form, std::string(label) + " shows " + shown};
        }
    }

    auto* frame = dynamic_cast<frame::ExerciseFrame*>(&screen);
    if (!frame) return Failure{"a screen with a score outside the frame", form};
    int problems = frame->esercizio, esatto = frame->esatto, errato = frame->errato;
    if (problems < 0 || problems > rules.mostProblems || esatto < 0 || errato < 0) {
        return Failure{"a count out of its bounds on " + form, "esercizio " + std::to_string(problems) +
                                                                   " esatto " + std::to_string(esatto) +
                                                                   " errato " + std::to_string(errato)};
    }
    // The hundredth problem counts as problem 0, so it may be right with
    // the count at 0.
    if (rules.esattiRestarts && esatto > problems + 1) {
        return Failure{"more right than asked on " + form,
                       "esatto " + std::to_string(esatto) + " esercizio " + std::to_string(problems)};
    }
    auto& slot = memory_[form];
    if (!slot) slot = std::make_unique<ScreenMemory>();
    ScreenMemory& m = *slot;
    if (esatto < m.esatto && esatto != 0) {
        return Failure{"the right count went down on " + form,
                       std::to_string(m.esatto) + " to " + std::to_string(esatto)};
    }
    if (problems != m.problems || esatto < m.esatto) m.esattoAtProblem = std::min(esatto, m.esatto);
    if (esatto > m.esattoAtProblem + 1) {
        return Failure{"one problem counted right twice on " + form,
                       "esatto " + std::to_string(m.esattoAtProblem) + " to " + std::to_string(esatto)};
    }
    m.problems = problems;
    m.esatto = esatto;
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Choosing actions.

namespace {

// Seconds since midnight, to the millisecond; seconds drawn first.
double anyTime(Choices& choices) {
    int seconds = choices.below(86400);
    return seconds + choices.below(1000) / 1000.0;
}

}  // namespace

int ByteChoices::below(int n) {
    if (at_ >= size_ || n <= 1) return 0;
    unsigned value = data_[at_++];
    if (n > 256 && at_ < size_) value = value << 8 | data_[at_++];
    return static_cast<int>(value % static_cast<unsigned>(n));
}

Action Generator::next(ui::Driver& driver) {
    if (choices_.chance(4)) {
        Action a;
        a.kind = Kind::Clock;
        // Any time of day, now and then right at midnight's edges.
        int pick = choices_.below(20);
        a.clock = pick == 0 ? 0.0 : pick == 1 ? 86399.999 : anyTime(choices_);
        return a;
    }
    if (stay_ > 0 && choices_.chance(95)) {
        if (auto a = stayStep(driver)) return *a;
    }
    // Now and then the child stays on a screen for a hundred problems or
    // more, past the restart of its count.
    if (stay_ == 0 && goal_.empty() && choices_.chance(1)) {
        const ScreenRules* rules = rulesOf(driver.front().formName());
        if (rules && rules->newProblem) stay_ = choices_.between(90, 130);
    }
    if (goal_.empty() && stay_ == 0 && choices_.chance(3)) pickGoal();
    if (!goal_.empty() && choices_.chance(80)) {
        if (auto a = towardsGoal(driver)) return *a;
    }
    return randomAction(driver);
}

void Generator::pickGoal() {
    const std::vector<ScreenRules>& screens = allScreens();
    goal_ = screens[static_cast<std::size_t>(choices_.below(static_cast<int>(screens.size())))].form;
    // The two dialogs of exhausted series are the hardest to reach.
    if (choices_.chance(20)) goal_ = choices_.chance(50) ? "Form19" : "Form21";
    script_.clear();
    stepsTowardsGoal_ = 0;
}

namespace {

Action click(const std::string& screen, const std::string& control) {
    Action a;
    a.kind = Kind::Click;
    a.screen = screen;
    a.control = control;
    return a;
}

Action digitKey(const std::string& screen, int digit) {
    Action a;
    a.kind = Kind::Key;
    a.screen = screen;
    a.code = ui::key::kDigit0 + digit;
    a.character = '0' + digit;
    return a;
}

// The first click on the shortest way from one screen to another.
const char* firstStep(const std::string& from, const std::string& to) {
    std::map<std::string, const char*> firstControl;
    std::deque<std::string> queue{from};
    firstControl[from] = nullptr;
    while (!queue.empty()) {
        std::string at = queue.front();
        queue.pop_front();
        if (at == to) return firstControl[at];
        for (const Way& w : ways()) {
            if (at != w.from || firstControl.count(w.to)) continue;
            firstControl[w.to] = at == from ? w.control : firstControl[at];
            queue.push_back(w.to);
        }
    }
    return nullptr;
}

}  // namespace

std::optional<Action> Generator::towardsGoal(ui::Driver& driver) {
    if (++stepsTowardsGoal_ > 80) {
        goal_.clear();
        script_.clear();
        return std::nullopt;
    }
    if (!script_.empty()) {
        Action a = script_.back();
        script_.pop_back();
        return a;
    }
    ui::Screen& front = driver.front();
    std::string at = front.formName();
    if (at == goal_) {
        goal_.clear();
        return std::nullopt;
    }
    if (ownerOf(at)) {
        std::vector<const char*> answers = dialogAnswers(at);
        return click(at, answers[static_cast<std::size_t>(choices_.below(static_cast<int>(answers.size())))]);
    }
    // The dialogs of exhausted series come after a whole series: a short
    // limit, a step, and one request more than the series has numbers.
    std::vector<Action> script;
    if (goal_ == "Form19" && at == "Form2") {
        int limit = choices_.between(1, 9), step = choices_.between(1, limit);
        script = {click(at, "Label5"), click(at, "Label17"), click(at, "Text16"),
                  digitKey(at, limit), click(at, "Text15"),  digitKey(at, step)};
        for (int i = 0; i < limit - step + 2; ++i) script.push_back(click(at, "Label6"));
    } else if (goal_ == "Form21" && at == "Form8") {
        script = {click(at, "Label10"), click(at, "Text5"), digitKey(at, choices_.below(10))};
        for (int i = 0; i < 11; ++i) {
            script.push_back(click(at, "Label5"));
            script.push_back(digitKey(at, choices_.below(10)));
            script.push_back(digitKey(at, choices_.below(10)));
        }
    }
    if (!script.empty()) {
        script_.assign(script.rbegin(), script.rend());
        stepsTowardsGoal_ = 0;
        return towardsGoal(driver);
    }
    std::string target = goal_ == "Form19" ? "Form2" : goal_ == "Form21" ? "Form8" : goal_;
    if (const char* control = firstStep(at, target)) return click(at, control);
    goal_.clear();
    return std::nullopt;
}

std::optional<Action> Generator::stayStep(ui::Driver& driver) {
    std::string at = driver.front().formName();
    if (ownerOf(at)) {
        std::vector<const char*> answers = dialogAnswers(at);
        return click(at, answers[static_cast<std::size_t>(choices_.below(static_cast<int>(answers.size())))]);
    }
    const ScreenRules* rules = rulesOf(at);
    if (!rules || !rules->newProblem) {
        stay_ = 0;
        return std::nullopt;
    }
    int pick = choices_.below(100);
    if (pick < 40 && driver.front().control(rules->newProblem)->isLive()) {
        --stay_;
        return click(at, rules->newProblem);
    }
    if (pick < 55) {
        // Into an open box, as a child does before writing.
        std::vector<const ui::Control*> boxes;
        for (const ui::Control* c : driver.front().controls()) {
            if (c->kind() == ui::Kind::TextBox && c->isLive()) boxes.push_back(c);
        }
        if (!boxes.empty()) {
            return click(
                at, boxes[static_cast<std::size_t>(choices_.below(static_cast<int>(boxes.size())))]->name());
        }
    }
    if (pick < 61) {
        // A sign, a choice or a confirmation: anything clickable but the
        // ways out.
        std::vector<const ui::Control*> clickable;
        for (const ui::Control* c : driver.front().controls()) {
            bool wayOut = isExit(at, c->name()) ||
                          std::any_of(ways().begin(), ways().end(),
                                      [&](const Way& w) { return at == w.from && c->name() == w.control; });
            if (c->isLive() && c->onClick && !wayOut) clickable.push_back(c);
        }
        if (!clickable.empty()) {
            return click(
                at, clickable[static_cast<std::size_t>(choices_.below(static_cast<int>(clickable.size())))]
                        ->name());
        }
    }
    if (pick < 71) return keyAction(at);
    return digitKey(at, choices_.below(10));
}

Action Generator::keyAction(const std::string& screen) {
    Action a;
    a.screen = screen;
    int pick = choices_.below(100);
    if (pick < 40) {
        int d = choices_.below(10);
        a.code = ui::key::kDigit0 + d;
        a.character = '0' + d;
    } else if (pick < 48) {
        int d = choices_.below(10);
        a.code = ui::key::kNumpad0 + d;
        a.character = '0' + d;
    } else if (pick < 60) {
        int letter = choices_.below(26);
        a.code = ui::key::kA + letter;
        bool capital = choices_.chance(30);
        a.character = (capital ? 'A' : 'a') + letter;
        a.shift = capital ? ui::kShiftKey : 0;
    } else if (pick < 66) {
        a.code = a.character = ui::key::kBackspace;
    } else if (pick < 70) {
        a.code = ui::key::kTab;
        a.shift = choices_.chance(30) ? ui::kShiftKey : 0;
    } else if (pick < 73) {
        a.code = a.character = ui::key::kEnter;
    } else if (pick < 75) {
        a.code = ui::key::kShift;
        a.shift = ui::kShiftKey;
    } else if (pick < 81) {
        constexpr int kMoves[] = {ui::key::kLeft, ui::key::kRight, ui::key::kUp,    ui::key::kDown,
                                  ui::key::kHome, ui::key::kEnd,   ui::key::kDelete};
        a.code = kMoves[choices_.below(7)];
    } else if (pick < 83) {
        a.code = a.character = ui::key::kEscape;
    } else if (pick < 86) {
        a.code = a.character = ui::key::kSpace;
    } else {
        // Any key code, typing any character of the first 256 or none.
        a.code = choices_.below(256);
        a.character = choices_.chance(50) ? choices_.below(256) : 0;
        a.shift = choices_.below(8);
    }
    int pairing = choices_.below(100);
    a.kind = pairing < 86 ? Kind::Key : pairing < 93 ? Kind::Press : Kind::Release;
    return a;
}

Action Generator::randomAction(ui::Driver& driver) {
    const std::vector<ui::Screen*>& loaded = driver.registry().loadedScreens();
    // Mostly the front screen; now and then one behind a dialog.
    ui::Screen& screen =
        choices_.chance(90)
            ? *loaded.back()
            : *loaded[static_cast<std::size_t>(choices_.below(static_cast<int>(loaded.size())))];
    const std::string& form = screen.formName();
    Action a;
    a.screen = form;

    auto anyPoint = [&] {
        // Mostly inside the window, sometimes a little outside it.
        if (choices_.chance(85)) return Point{choices_.below(screen.width), choices_.below(screen.height)};
        return Point{choices_.between(-900, screen.width + 900), choices_.between(-900, screen.height + 900)};
    };
    auto anyControl = [&]() -> const ui::Control& {
        const std::vector<ui::Control*>& controls = screen.controls();
        std::vector<const ui::Control*> live;
        for (const ui::Control* c : controls) {
            bool acts = c->onClick || c->onMouseDown || c->onDblClick || c->kind() == ui::Kind::TextBox;
            if (c->isLive() && acts) live.push_back(c);
        }
        for (int attempt = 0; attempt < 20; ++attempt) {
            const ui::Control* c =
                !live.empty() && choices_.chance(75)
                    ? live[static_cast<std::size_t>(choices_.below(static_cast<int>(live.size())))]
                    : controls[static_cast<std::size_t>(choices_.below(static_cast<int>(controls.size())))];
            // Leaving the program ends the session: rarely.
            if (!isExit(form, c->name()) || choices_.chance(3)) return *c;
        }
        return *controls.front();
    };
    auto anyButton = [&] {
        int pick = choices_.below(10);
        return pick < 7 ? ui::kLeftButton : pick < 9 ? ui::kRightButton : ui::kMiddleButton;
    };
    auto pointOrControl = [&] {
        if (choices_.chance(60)) return centreOf(anyControl());
        return anyPoint();
    };

    // The point is drawn before the button, the same with every compiler.
    auto at = [&](Kind kind, Point p, int button) {
        a.kind = kind;
        a.x = p.x;
        a.y = p.y;
        a.button = button;
    };

    int pick = choices_.below(1000);
    if (pick < 220) {
        a.kind = Kind::Click;
        a.control = anyControl().name();
    } else if (pick < 260) {
        a.kind = Kind::DoubleClick;
        a.control = anyControl().name();
    } else if (pick < 320) {
        Point p = anyPoint();
        at(Kind::ClickAt, p, anyButton());
    } else if (pick < 340) {
        at(Kind::DoubleClickAt, pointOrControl(), ui::kLeftButton);
    } else if (pick < 420) {
        Point p = pointOrControl();
        at(Kind::Move, p, choices_.chance(80) ? 0 : anyButton());
    } else if (pick < 450) {
        Point p = pointOrControl();
        at(Kind::Down, p, anyButton());
    } else if (pick < 480) {
        Point p = pointOrControl();
        at(Kind::Up, p, anyButton());
    } else if (pick < 560) {
        a.kind = Kind::Drag;
        Point from = pointOrControl();
        Point to = choices_.chance(10) ? Point{choices_.between(-3000, screen.width + 3000),
                                               choices_.between(-3000, screen.height + 3000)}
                                       : pointOrControl();
        a.x = from.x;
        a.y = from.y;
        a.x2 = to.x;
        a.y2 = to.y;
    } else if (pick < 580) {
        a.kind = Kind::DragOutside;
        Point from = pointOrControl();
        a.x = from.x;
        a.y = from.y;
    } else if (pick < 995) {
        return keyAction(form);
    } else {
        a.kind = Kind::Close;
        // Closing the last window ends the session: rarely.
        if (loaded.size() == 1 && !choices_.chance(10)) return keyAction(form);
    }
    return a;
}

// ---------------------------------------------------------------------------
// Sessions, replays and shrinking.

namespace {

Outcome runWith(Choices& choices, int maxActions, const std::vector<std::string>& ignored = {}) {
    Outcome outcome;
    Session session;
    Generator generator(choices);
    Action start;
    start.kind = Kind::Clock;
    start.clock = anyTime(choices);
    outcome.actions.push_back(start);
    session.run(start);
    for (int i = 0; i < maxActions && choices.more() && !session.ended(); ++i) {
        Action a = generator.next(session.driver());
        outcome.actions.push_back(a);
        outcome.failure = session.run(a);
        for (const std::string& known : ignored) {
            if (outcome.failure && outcome.failure->rule.find(known) != std::string::npos)
                outcome.failure.reset();
        }
        if (outcome.failure) break;
    }
    outcome.screens = session.screensSeen();
    outcome.ended = session.ended();
    return outcome;
}

}  // namespace

Outcome explore(std::uint64_t seed, int maxActions, const std::vector<std::string>& ignored) {
    SeededChoices choices(seed);
    return runWith(choices, maxActions, ignored);
}

Outcome exploreBytes(const std::uint8_t* data, std::size_t size, int maxActions) {
    ByteChoices choices(data, size);
    return runWith(choices, maxActions);
}

Outcome replay(const std::vector<Action>& actions) {
    Outcome outcome;
    Session session;
    for (const Action& a : actions) {
        outcome.actions.push_back(a);
        outcome.failure = session.run(a);
        if (outcome.failure) break;
    }
    outcome.screens = session.screensSeen();
    outcome.ended = session.ended();
    return outcome;
}

std::vector<Action> shrink(std::vector<Action> actions, const Failure& failure) {
    auto failsAlike = [&](const std::vector<Action>& candidate) {
        Outcome o = replay(candidate);
        return o.failure && o.failure->rule == failure.rule;
    };
    if (!failsAlike(actions)) return actions;
    actions = replay(actions).actions;
    // Drop ever smaller runs of actions while the failure stays.
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t chunk = std::max<std::size_t>(1, actions.size() / 2); chunk >= 1; chunk /= 2) {
            for (std::size_t from = 0; from < actions.size();) {
                std::vector<Action> candidate = actions;
                candidate.erase(
                    candidate.begin() + static_cast<std::ptrdiff_t>(from),
                    candidate.begin() + static_cast<std::ptrdiff_t>(std::min(actions.size(), from + chunk)));
                if (failsAlike(candidate)) {
                    actions = replay(candidate).actions;
                    changed = true;
                } else {
                    from += chunk;
                }
            }
            if (chunk == 1) break;
        }
    }
    return actions;
}

}  // namespace explorer
