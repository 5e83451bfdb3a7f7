#pragma once

#include <string>
#include <vector>

#include "tests/support/MemoryDesktop.h"

namespace kestrow::testing {

// The editor on an in-memory desktop: its log window and command line, in the
// state a script gives for each look-up of the log window in turn (ready once
// the script runs out). Records each command put before the command line with
// its Enter.
class FakeEditor final : public MemoryDesktop {
public:
    enum class State { Ready, Closed, ClipboardHeld, NotAnswering, Busy };

    explicit FakeEditor(std::vector<State> script = {}) : script_(std::move(script)) {
        commandLine_ = AddChildWindow(AddTopLevelWindow("Unreal Log Window"));
    }

    const std::vector<std::string>& Sent() const { return sent_; }
    int LookUps() const { return lookUps_; }

    // Every delivery, and send's check before it, starts by looking for the log
    // window.
    WindowRef FindTopLevelWindow(const std::string& title) override {
        if (lookUps_ < static_cast<int>(script_.size()))
            Enter(script_[static_cast<std::size_t>(lookUps_)]);
        ++lookUps_;
        return MemoryDesktop::FindTopLevelWindow(title);
    }

    void Post(WindowRef target, EditMessage message, std::size_t textLimit) override {
        if (message == EditMessage::Enter)
            sent_.push_back(Clipboard());
        MemoryDesktop::Post(target, message, textLimit);
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
        case State::Busy:
            KeepBusy(commandLine_);
            break;
        }
    }

    std::vector<State> script_;
    WindowRef commandLine_ = 0;
    std::vector<std::string> sent_;
    int lookUps_ = 0;
};

} // namespace kestrow::testing
