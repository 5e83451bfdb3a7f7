#include "cli/EditorChannel.h"

#include "app/EditorDelivery.h"
#include "app/Win32Desktop.h"

#include <windows.h>

#include <optional>

namespace kestrow::cli {
namespace {

constexpr std::chrono::milliseconds kPollPause{2};

class Deadline {
public:
    Deadline() : end_(GetTickCount64() + static_cast<ULONGLONG>(kEditorPatience.count()) * 1000) {}
    UINT RemainingMs() const {
        const ULONGLONG now = GetTickCount64();
        return now >= end_ ? 0 : static_cast<UINT>(end_ - now);
    }

private:
    ULONGLONG end_;
};

// The window's answer, or nothing when it is gone or did not answer in time.
std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, const Deadline& deadline) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL, deadline.RemainingMs(),
                            &answer) == 0)
        return std::nullopt;
    return static_cast<LRESULT>(answer);
}

// Posted messages reach the command line in the order posted, but a message sent
// to it is handled ahead of any posted one, so a round trip alone says nothing
// about the paste. A change posted behind the Enter does: the command line's text
// limit, which nothing shows, one lower. Once the command line reports that limit,
// it has handled the paste and the Enter, and the limit is put back.
class DesktopEditor final : public EditorChannel {
public:
    SendResult Send(const std::string& command) override {
        const WindowRef target = FindEditorCommandLine(desktop_);
        if (target == 0)
            return SendResult::NoEditor;
        const HWND commandLine = reinterpret_cast<HWND>(target);
        const std::optional<LRESULT> limit = Ask(commandLine, EM_GETLIMITTEXT, 0, Deadline());
        if (!limit)
            return SendResult::NotResponding;
        if (PasteIntoCommandLine(desktop_, target, command) == DeliveryResult::ClipboardBusy)
            return SendResult::ClipboardBusy;
        const LRESULT marker = *limit > 1 ? *limit - 1 : *limit + 1;
        PostMessageA(commandLine, EM_SETLIMITTEXT, static_cast<WPARAM>(marker), 0);
        if (!WaitForLimit(commandLine, marker))
            return SendResult::NotTaken;
        Ask(commandLine, EM_SETLIMITTEXT, static_cast<WPARAM>(*limit), Deadline());
        return SendResult::Taken;
    }

private:
    bool WaitForLimit(HWND commandLine, LRESULT marker) {
        const Deadline deadline;
        for (;;) {
            const std::optional<LRESULT> limit = Ask(commandLine, EM_GETLIMITTEXT, 0, deadline);
            if (!limit || deadline.RemainingMs() == 0)
                return limit == marker;
            if (*limit == marker)
                return true;
            desktop_.Pause(kPollPause);
        }
    }

    Win32Desktop desktop_;
};

} // namespace

std::unique_ptr<EditorChannel> OpenDesktopEditor() {
    return std::make_unique<DesktopEditor>();
}

} // namespace kestrow::cli
