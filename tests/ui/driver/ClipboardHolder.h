#pragma once

#include <windows.h>

#include <future>
#include <thread>

namespace uitest {

// Another program's hold on the clipboard: a thread that opens it and keeps it
// open until let go.
class ClipboardHolder {
public:
    ~ClipboardHolder() { LetGo(); }

    void Hold() {
        if (m_thread.joinable())
            return;
        std::promise<void> opened;
        std::future<void> isOpen = opened.get_future();
        m_letGo = std::promise<void>();
        m_thread =
            std::thread([opened = std::move(opened), letGo = m_letGo.get_future()]() mutable {
                const bool held = OpenClipboard(nullptr) != FALSE;
                opened.set_value();
                letGo.wait();
                if (held)
                    CloseClipboard();
            });
        isOpen.wait();
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
};

} // namespace uitest
