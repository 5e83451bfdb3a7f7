#include "cli/EditorChannel.h"

namespace kestrow::cli {

// This build has no window system to find the editor in.
std::unique_ptr<EditorChannel> OpenDesktopEditor() {
    return nullptr;
}

} // namespace kestrow::cli
