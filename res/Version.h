// Kestrow's version, shown in the main window's caption, the about box and the
// revision history, and stamped into the version resource. Change it here only;
// the numeric form below is the same version for the version resource.
#pragma once

#define KESTROW_VERSION "2.00-R0"
#define KESTROW_VERSION_NUMBERS 2, 0, 0, 0
