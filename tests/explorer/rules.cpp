#include "tests/explorer/rules.h"

#include <algorithm>

namespace explorer {

namespace {

const std::vector<const char*> kFrameFaces{"Image1", "Image2", "Image3"};
const std::vector<BoxLimit> kCountingLimits{{"Text16", 2}, {"Text2", 2}, {"Text3", 2}, {"Text4", 2},
                                            {"Text5", 2},  {"Text6", 2}, {"Text7", 2}, {"Text8", 2},
                                            {"Text9", 2},  {"Text10", 2}};

}  // namespace

const std::vector<ScreenRules>& allScreens() {
    static const std::vector<ScreenRules> screens{
        {.form = "Form1", .exits = {"Label15"}},
        {.form = "Form2",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .esattiRestarts = true,
         .newProblem = "Label6",
         .exits = {"Label9"},
         .singleDigit = {"Text15"},
         .limits = kCountingLimits,
         .dialog = "Form19"},
        {.form = "Form3",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .newProblem = "Label9",
         .exits = {"Label8"},
         .limits = {{"Text1", 2}}},
        {.form = "Form4",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .newProblem = "Label6",
         .exits = {"Label9"},
         .singleDigit = {"Text5", "Text6"}},
        {.form = "Form5",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .esattiRestarts = true,
         .newProblem = "Label8",
         .exits = {"Label9"},
         .singleDigit = {"Text5", "Text6"}},
        {.form = "Form6",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .newProblem = "Label6",
         .exits = {"Label9"},
         .singleDigit = {"Text5", "Text6"}},
        {.form = "Form7",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .esattiRestarts = true,
         .newProblem = "Label8",
         .exits = {"Label9"},
         .singleDigit = {"Text5", "Text6"}},
        {.form = "Form8",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .mostProblems = 98,
         .newProblem = "Label5",
         .exits = {"Label6"},
         .singleDigit = {"Text5"},
         .limits = {{"Text3", 2}},
         .dialog = "Form21"},
        {.form = "Form9",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .newProblem = "Label11",
         .exits = {"Label12"},
         .singleDigit = {"Text5", "Text4"}},
        {.form = "Form10",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .esattiRestarts = true,
         .newProblem = "Label11",
         .exits = {"Label12"},
         .singleDigit = {"Text5", "Text4"}},
        {.form = "Form11",
         .faces = kFrameFaces,
         .esatti = "Label15",
         .su = "Label19",
         .esattiRestarts = true,
         .newProblem = "Label6",
         .exits = {"Label5"},
         .singleDigit = {"Text1", "Text2"}},
        {.form = "Form12", .exits = {"Label4"}, .dialog = "Form18"},
        {.form = "Form13",
         .faces = kFrameFaces,
         .esatti = "Label6",
         .su = "Label10",
         .esattiRestarts = true,
         .newProblem = "Label1",
         .exits = {"Label2"},
         .limits = {{"Text2", 2}, {"Text1", 2}}},
        {.form = "Form14",
         .faces = kFrameFaces,
         .esatti = "Label6",
         .su = "Label10",
         .newProblem = "Label1",
         .exits = {"Label2"},
         .limits = {{"Text2", 2}}},
        {.form = "Form15",
         .faces = {"Image4", "Image2", "Image3"},
         .singleDigit = {"Text2", "Text3", "Text4", "Text5"}},
        {.form = "Form16", .faces = {"Image8", "Image6", "Image7"}, .limits = {{"Text1", 4}}},
        {.form = "Form17", .faces = {"Image4", "Image2", "Image3"}},
        {.form = "Form18"},
        {.form = "Form19"},
        {.form = "Form20"},
        {.form = "Form21"},
    };
    return screens;
}

const ScreenRules* rulesOf(std::string_view form) {
    for (const ScreenRules& rules : allScreens()) {
        if (form == rules.form) return &rules;
    }
    return nullptr;
}

const ScreenRules* ownerOf(std::string_view dialog) {
    for (const ScreenRules& rules : allScreens()) {
        if (rules.dialog && dialog == rules.dialog) return &rules;
    }
    return nullptr;
}

bool isExit(std::string_view form, std::string_view control) {
    const ScreenRules* rules = rulesOf(form);
    return rules && std::any_of(rules->exits.begin(), rules->exits.end(),
                                [&](const char* exit) { return control == exit; });
}

const std::vector<Way>& ways() {
    static const std::vector<Way> all{
        {"Form12", "Label2", "Form1"},   {"Form12", "Label8", "Form18"},  {"Form1", "Image5", "Form12"},
        {"Form1", "Label16", "Form20"},  {"Form1", "Label13", "Form13"},  {"Form1", "Label14", "Form14"},
        {"Form1", "Label4", "Form3"},    {"Form1", "Label5", "Form4"},    {"Form1", "Label7", "Form6"},
        {"Form1", "Label6", "Form5"},    {"Form1", "Label8", "Form7"},    {"Form1", "Label1", "Form2"},
        {"Form1", "Label9", "Form8"},    {"Form1", "Label10", "Form9"},   {"Form1", "Label11", "Form10"},
        {"Form1", "Label12", "Form11"},  {"Form2", "Image5", "Form1"},    {"Form3", "Image5", "Form1"},
        {"Form4", "Image5", "Form1"},    {"Form5", "Image4", "Form1"},    {"Form6", "Image4", "Form1"},
        {"Form7", "Image4", "Form1"},    {"Form8", "Image4", "Form1"},    {"Form9", "Image4", "Form1"},
        {"Form10", "Image5", "Form1"},   {"Form11", "Image5", "Form1"},   {"Form13", "Image5", "Form1"},
        {"Form14", "Image5", "Form1"},   {"Form20", "Image12", "Form15"}, {"Form20", "Image13", "Form17"},
        {"Form20", "Image16", "Form16"}, {"Form20", "Image19", "Form16"}, {"Form20", "Image6", "Form1"},
        {"Form15", "Image5", "Form20"},  {"Form16", "Image4", "Form20"},  {"Form17", "Image5", "Form20"},
    };
    return all;
}

std::vector<const char*> dialogAnswers(std::string_view dialog) {
    if (dialog == "Form18") return {"Label1"};
    if (dialog == "Form19" || dialog == "Form21") return {"Label3", "Label4"};
    return {};
}

}  // namespace explorer
