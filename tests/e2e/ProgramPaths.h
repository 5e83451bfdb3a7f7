#pragma once

#include <string>
#include <string_view>

namespace e2e {

// A path of the build machine as programs under Wine see it: Wine maps the
// root of the Unix file system to drive Z:.
std::string WinePathOf(std::string_view hostPath);

// The programs under test, built beside the tests.
std::string KestrowExePath();
std::string StandInEditorExePath();

} // namespace e2e
