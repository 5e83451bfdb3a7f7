#pragma once

#include "link/EditorDelivery.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace kestrow {

// The one road to the editor. It remembers the command it delivered last, so
// that the next waits its turn: the editor reads the clipboard only when it
// handles the paste, and a command put there sooner would take the last one's
// place.
class EditorLink {
public:
    // Once the editor has taken the last command (EditorBusy if it has not within
    // `patience`), opens its command line and delivers.
    DeliveryResult Deliver(Desktop& desktop, const std::string& command,
                           std::chrono::milliseconds patience);
    // Delivered once the editor has taken the last command, NotTaken if it has
    // not within `patience` or went away before it could.
    DeliveryResult WaitUntilTaken(Desktop& desktop, std::chrono::milliseconds patience);

private:
    // A change posted behind the Enter that nothing shows: the command line's
    // text limit, one off. The editor has handled the Enter once it answers that.
    struct Marker {
        WindowRef edit;
        std::size_t marked;
        std::size_t limit;
    };
    enum class Wait { Taken, Gone, Busy };
    Wait WaitForLast(Desktop& desktop, std::chrono::milliseconds patience);

    std::optional<Marker> m_last;
};

// Delivers, then waits until the editor has taken the command, so that the next
// one cannot overtake it on the clipboard.
DeliveryResult DeliverAndWait(Desktop& desktop, const std::string& command);

} // namespace kestrow
