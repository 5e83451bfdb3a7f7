#pragma once

#include <string>
#include <vector>

#include "tests/support/MemoryDesktop.h"

namespace kestrow::testing {

// The editor on an in-memory desktop: its log window and a command line of the
// given kind. It enters the state script[k] once it has executed k commands, as
// it is next looked for; ready once the script runs out.
class FakeEditor final : public MemoryDesktop {
public:
    enum class State { Ready, Closed, ClipboardHeld, NotAnswering, Busy };

    explicit FakeEditor(std::vector<State> script = {},
                        uitest::CommandLineKind kind = uitest::CommandLineKind::PlainEdit)
        : script_(std::move(script)) {
        commandLine_ = AddEditor(kind);
    }

    // What the editor executed.
    std::vector<std::string> Sent() { return Executed(commandLine_); }
    WindowRef CommandLine() const { return commandLine_; }
    // The edit control the command is pasted into: Unreal 227's is in its box.
    WindowRef Edit() {
        const std::vector<WindowRef> inside = Children(commandLine_);
        return inside.empty() ? commandLine_ : inside.front();
    }

    WindowRef FindTopLevelWindow(const std::string& className, const std::string& title) override {
        const std::size_t executed = Executed(commandLine_).size();
        while (entered_ < script_.size() && entered_ <= executed)
            Enter(script_[entered_++]);
        return MemoryDesktop::FindTopLevelWindow(className, title);
    }

private:
    void Enter(State state) {
        switch (state) {
        case State::Ready:
            break;
        case State::Closed:
            RemoveOutsideWindows();
            break;
        case State::ClipboardHeld:
            HoldClipboard();
            break;
        case State::NotAnswering:
            StopAnswering(commandLine_);
            break;
        case State::Busy: // answers, then never takes what is posted next
            KeepBusyOnceAnswered(commandLine_);
            break;
        }
    }

    std::vector<State> script_;
    WindowRef commandLine_ = 0;
    std::size_t entered_ = 0;
};

} // namespace kestrow::testing
