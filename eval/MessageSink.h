#pragma once

#include <string>

namespace kestrow {

// Receives the messages meant for the user: a message box owned by a window in
// the program, a recorder in tests, stderr in the command-line tool.
class MessageSink {
public:
    virtual void ShowMessage(const std::string& text) = 0;

protected:
    ~MessageSink() = default;
};

} // namespace kestrow
