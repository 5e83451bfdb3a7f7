#pragma once

#include <windows.h>

#include <future>
#include <thread>

namespace uitest {

// Another program's hold on the clipboard, as clipboard managers and remote
// desktops take one for a moment: a thread that opens it and keeps it open until
// let go. Also used by the end-to-end tests.
class ClipboardHolder {
public:
    ~ClipboardHolder() { LetGo(); }

    // False when the clipboard could not be taken.
    bool Hold() {
        if (m_thread.joinable())
            return m_held;
        std::promise<bool> opened;
        std::future<bool> isOpen = opened.get_future();
        m_letGo = std::promise<void>();
        m_thread =
            std::thread([opened = std::move(opened), letGo = m_letGo.get_future()]() mutable {
                const bool held = OpenClipboard(nullptr) != FALSE;
                opened.set_value(held);
                letGo.wait();
                if (held)
                    CloseClipboard();
            });
        m_held = isOpen.get();
        return m_held;
    }

    void LetGo() {
        if (!m_thread.joinable())
            return;
        m_letGo.set_value();
        m_thread.join();
    }

private:
    std::thread m_thread;
    std::promise<void> m_letGo;
    bool m_held = false;
};

} // namespace uitest
