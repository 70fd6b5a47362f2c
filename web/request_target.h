// Makes an address safe to put on a request line: bytes that cannot stand
// in a request target are percent-encoded, everything else is left as the
// caller built it.
#pragma once

#include "text/text.h"

namespace tzl {

// After the host part, CR, LF, blanks, other control bytes and DEL become
// %XX; characters of 0x80 and above become the %XX of their UTF-8 form.
// The scheme and host are left alone.
Text EncodeUnsafeTargetBytes(const Text& url);

}  // namespace tzl
