#pragma once

#include <cstddef>

// Per-class tables that route a control's command or notification to a handler,
// in the manner of the dialog framework's message maps.
template <class T> struct CommandEntry {
    int id;
    int code;
    void (T::*handler)();
};

template <class T> struct NotifyEntry {
    int id;
    int code;
    void (T::*handler)(long& result);
};

template <class T, std::size_t N>
bool DispatchCommand(T& target, const CommandEntry<T> (&map)[N], int id, int code) {
    for (const auto& entry : map) {
        if (entry.id == id && entry.code == code) {
            (target.*entry.handler)();
            return true;
        }
    }
    return false;
}

template <class T, std::size_t N>
bool DispatchNotify(T& target, const NotifyEntry<T> (&map)[N], int id, int code, long& result) {
    for (const auto& entry : map) {
        if (entry.id == id && entry.code == code) {
            (target.*entry.handler)(result);
            return true;
        }
    }
    return false;
}
