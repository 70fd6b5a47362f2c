#include "tests/support/wine_detection.h"

namespace tzl::test {

bool RunningUnderWine() { return false; }

}  // namespace tzl::test
