#pragma once

// What the walker works out before a step and holds it to afterwards; shared by
// the files of the walker alone.

#include "Walker.h"

#include <chrono>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace walk {

inline constexpr const char* kNothingPending = "CMD: ( None )";

// The command forms, by page: a pan on one axis, a fitted scale, the three skews.
const std::regex& PanPattern(char axis);
const std::regex& ScalePattern();
const std::regex& SkewPattern(bool horz, bool vert);
// Every form a command may take under its label.
std::vector<const std::regex*> PatternsOf(const std::string& label);

// How a Key step's key is pressed, and how many tabs it moves on (0: none).
struct KeyPress {
    ui::DialogKey key;
    ui::KeyModifiers modifiers;
    int tabStep;
};
KeyPress PressOf(int key);

// What a step must do, worked out before it runs.
struct Walker::Plan {
    std::vector<ShownMessage> messages;
    Role rejectedPage = Role::Main;
    int rejectedField = 0;
    enum class Pending { Unchanged, Cleared, Published } pending = Pending::Unchanged;
    std::string label;
    const std::regex* pattern = nullptr;
    int rewritePage = -1; // the page whose fields are written back
    std::map<int, std::string> rewrite;
    bool resultsChange = false;
    bool apply = false;
    bool clipboardBusy = false; // Apply gives up on a clipboard held past its patience
    bool opensModal = false;
    std::optional<int> endCode;
    bool escapesPage = false;
    std::optional<bool> iconicAfter;
    std::optional<int> tabAfter; // taken as a click on the tab: the focus goes to the tabs
    // A Texture Skew toggle that reads the page: the boxes and groups after it.
    bool toggleCompletes = false;
    bool horzSet = false; // the handler set the group's controls
    bool vertSet = false;
    bool horzOn = false;
    bool vertOn = false;
};

struct Walker::Before {
    std::string command;
    std::string label;
    std::string clipboard;
    std::size_t posted = 0;
    std::chrono::milliseconds clock{0};
    std::vector<std::string> executed; // by the editor's command line
    std::string typed;                 // left in it
};

} // namespace walk
