#pragma once

namespace e2e {

// Tests run under a bare X server with no window manager. Wine waits up to two
// seconds for a window manager to acknowledge each hidden window that it lets
// the manager handle; this asks Wine to handle the programs' windows itself, for
// the programs the tests start. Harmless outside Wine, where nobody reads the key.
void LetWineManageTestedWindows();

} // namespace e2e
