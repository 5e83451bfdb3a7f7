#include "WalkStep.h"

#include "tests/support/EditorCommandLine.h"

#include <cstdio>

namespace walk {

namespace {

constexpr std::size_t kShownTextLength = 120;

const char* ActionName(Action action) {
    switch (action) {
    case Action::Type:
        return "Type";
    case Action::Click:
        return "Click";
    case Action::SelectTab:
        return "SelectTab";
    case Action::Key:
        return "Key";
    case Action::SysCommand:
        return "SysCommand";
    case Action::Close:
        return "Close";
    case Action::StartEditor:
        return "StartEditor";
    case Action::TypeInEditor:
        return "TypeInEditor";
    case Action::HoldClipboard:
        return "HoldClipboard";
    case Action::LetGoOfClipboard:
        return "LetGoOfClipboard";
    }
    return "?";
}

std::string CLiteral(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x\"\"", c);
            out += escaped; // closes the literal so that a following hex digit stays apart
        }
    }
    return out + "\"";
}

const char* KeyName(int key) {
    switch (key) {
    case kEnter:
        return "Enter";
    case kEscape:
        return "Escape";
    case kCtrlTab:
        return "Ctrl+Tab";
    case kCtrlShiftTab:
        return "Ctrl+Shift+Tab";
    case kCtrlPageDown:
        return "Ctrl+Page Down";
    case kCtrlPageUp:
        return "Ctrl+Page Up";
    }
    return "?";
}

std::string Comment(const Step& step) {
    const std::string where = std::string(RoleName(step.role)) + " " + std::to_string(step.id);
    switch (step.action) {
    case Action::Type:
        return "type into " + where;
    case Action::Click:
        return "click " + where;
    case Action::SelectTab:
        return "select tab " + std::to_string(step.id);
    case Action::Key:
        return std::string("press ") + KeyName(step.id);
    case Action::SysCommand:
        return "system command " + std::to_string(step.id);
    case Action::Close:
        return "close button of " + std::string(RoleName(step.role));
    case Action::StartEditor:
        return step.id == 0 ? "editor's log window appears without a command line"
                            : std::string("editor starts, its command line of the kind ") +
                                  uitest::KindName(uitest::kEveryKind[step.id - 1]);
    case Action::TypeInEditor:
        return "type into the editor's command line";
    case Action::HoldClipboard:
        return step.id == kUntilLetGo
                   ? "another program holds the clipboard until it lets go"
                   : "another program holds the clipboard for " + std::to_string(step.id) + " ms";
    case Action::LetGoOfClipboard:
        return "the other program lets go of the clipboard";
    }
    return "";
}

} // namespace

bool IsPage(Role role) {
    return role == Role::PillarWrap || role == Role::BevelScale || role == Role::FloorScale ||
           role == Role::TextureSkew;
}

int PageIndex(Role role) {
    return static_cast<int>(role) - static_cast<int>(Role::PillarWrap);
}

Role PageRole(int index) {
    return static_cast<Role>(static_cast<int>(Role::PillarWrap) + index);
}

const char* RoleName(Role role) {
    switch (role) {
    case Role::Main:
        return "Main";
    case Role::PillarWrap:
        return "PillarWrap";
    case Role::BevelScale:
        return "BevelScale";
    case Role::FloorScale:
        return "FloorScale";
    case Role::TextureSkew:
        return "TextureSkew";
    case Role::About:
        return "About";
    case Role::Remote:
        return "Remote";
    }
    return "?";
}

std::string Describe(const Step& step) {
    std::string line = std::string("{Action::") + ActionName(step.action) +
                       ", Role::" + RoleName(step.role) + ", " + std::to_string(step.id);
    std::string comment = Comment(step);
    if (step.action == Action::Type) {
        if (step.text.size() <= kShownTextLength) {
            line += ", " + CLiteral(step.text);
        } else {
            line += ", " + CLiteral(step.text.substr(0, kShownTextLength));
            comment += "; the text has " + std::to_string(step.text.size()) +
                       " characters, only the first " + std::to_string(kShownTextLength) +
                       " are shown";
        }
    }
    return line + "}, // " + comment;
}

std::string DescribeList(const std::vector<Step>& steps) {
    std::string out;
    for (const Step& step : steps)
        out += "    " + Describe(step) + "\n";
    return out;
}

} // namespace walk
