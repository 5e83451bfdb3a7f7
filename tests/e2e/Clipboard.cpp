#include "Clipboard.h"

#include "Polling.h"

#include <windows.h>

#include <cstring>

namespace e2e {

namespace {

// Another program may hold the clipboard open for a moment.
bool OpenClipboardSoon() {
    return WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, Millis{2000});
}

} // namespace

bool SetClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboardSoon()) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!stored)
        GlobalFree(memory);
    return stored;
}

std::optional<std::string> ClipboardText() {
    if (!OpenClipboardSoon())
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace e2e
