// The program's directory and the user's desktop folder.
#pragma once

#include "text/text.h"

namespace tzl::app {

// The directory of the executable file, without a closing backslash.
Text ProgramDirectory();

// The per-user desktop folder (the file-system folder, not the virtual
// desktop), ending in a backslash; the program's directory stands in when
// the system has none. Read afresh on every call.
Text DesktopDirectory();

}  // namespace tzl::app
