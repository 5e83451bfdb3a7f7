#include "ProgramPaths.h"

#include <algorithm>

namespace e2e {

std::string WinePathOf(std::string_view hostPath) {
    std::string path(hostPath);
    if (path.empty() || path.front() != '/')
        return path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

std::string KestrowExePath() {
    return WinePathOf(KESTROW_EXE);
}

std::string StandInEditorExePath() {
    return WinePathOf(KESTROW_STAND_IN_EDITOR_EXE);
}

} // namespace e2e
