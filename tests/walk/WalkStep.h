#pragma once

#include <string>
#include <utility>
#include <vector>

namespace walk {

// The windows a step can address. Pages follow the tab order.
enum class Role { Main, PillarWrap, BevelScale, FloorScale, TextureSkew, About, Remote };

enum class Action {
    Type,             // text into control `id`
    Click,            // control `id`
    SelectTab,        // tab `id` of the main window
    Key,              // one of the keys below, to whatever holds the focus
    SysCommand,       // system command `id` to the main window
    Close,            // the caption's close button
    StartEditor,      // the editor's log window appears; `id` 1: with a plain edit box
                      // for its command line, 2: with the editor's own, 0: without
    TypeInEditor,     // the mapper leaves `text` typed in the editor's command line
    HoldClipboard,    // another program opens the clipboard for `id` ms of the
                      // program's pauses, or kUntilLetGo
    LetGoOfClipboard, // and closes it
};

inline constexpr int kEnter = 0;
inline constexpr int kEscape = 1;
inline constexpr int kCtrlTab = 2;
inline constexpr int kCtrlShiftTab = 3;
inline constexpr int kCtrlPageDown = 4;
inline constexpr int kCtrlPageUp = 5;

inline constexpr int kUntilLetGo = -1;

// One user action. It names its window and control instead of depending on the
// state it was generated in, so that a shorter list still replays: an action a
// user could not do at that moment is simply refused.
struct Step {
    Step(Action action_, Role role_, int id_, std::string text_ = {})
        : action(action_), role(role_), id(id_), text(std::move(text_)) {}

    Action action;
    Role role;
    int id;
    std::string text;
};

bool IsPage(Role role);
int PageIndex(Role role); // 0 to 3
Role PageRole(int index);
const char* RoleName(Role role);

// A line that reads as the step and compiles back into it, for a pinned test:
//   {Action::Type, Role::FloorScale, 1014, "2*128"}, // type into Floor Scale 1014
std::string Describe(const Step& step);
std::string DescribeList(const std::vector<Step>& steps);

} // namespace walk
