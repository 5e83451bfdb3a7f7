#include "cli/EditorChannel.h"

#include "app/EditorDelivery.h"

namespace kestrow::cli {

std::string SendFailureMessage(SendResult result) {
    const std::string patience = std::to_string(kEditorPatience.count()) + " seconds";
    switch (result) {
    case SendResult::Taken:
        break;
    case SendResult::NoEditor:
        return "No window titled \"Unreal Log Window\" with a command line was found, so "
               "nothing was sent.";
    case SendResult::NotResponding:
        return "The editor did not answer within " + patience + ", so nothing was sent.";
    case SendResult::ClipboardBusy:
        return kClipboardBusyMessage;
    case SendResult::NotTaken:
        return "The command was sent, but the editor did not take it within " + patience + ".";
    }
    return {};
}

} // namespace kestrow::cli
