#pragma once

#include <string>
#include <vector>

#include "tests/support/MemoryDesktop.h"

namespace kestrow::testing {

// The editor on an in-memory desktop: its log window and a command line of the
// given kind, in the state a script gives for each look-up of the log window in
// turn (ready once the script runs out).
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
    int LookUps() const { return lookUps_; }

    // Every delivery, and send's check before it, starts by looking for the log
    // window by its class.
    WindowRef FindTopLevelWindow(const std::string& className, const std::string& title) override {
        if (!className.empty()) {
            if (lookUps_ < static_cast<int>(script_.size()))
                Enter(script_[static_cast<std::size_t>(lookUps_)]);
            ++lookUps_;
        }
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
    int lookUps_ = 0;
};

} // namespace kestrow::testing
