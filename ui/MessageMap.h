#pragma once

#include <cstddef>
#include <type_traits>

// Per-class tables that route a control's command or notification to a handler,
// in the manner of the dialog framework's message maps.
template <class T, class... Args> struct MessageEntry {
    int id;
    int code;
    void (T::*handler)(Args...);
};
template <class T> using CommandEntry = MessageEntry<T>;
template <class T> using NotifyEntry = MessageEntry<T, long&>;

// Calls the handler of the first entry for the control and code; false when none.
template <class T, class... Args, std::size_t N>
bool Dispatch(T& target, const MessageEntry<T, Args...> (&map)[N], int id, int code,
              std::type_identity_t<Args>... args) {
    for (const auto& entry : map) {
        if (entry.id == id && entry.code == code) {
            (target.*entry.handler)(args...);
            return true;
        }
    }
    return false;
}
