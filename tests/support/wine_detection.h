// Whether this Windows program runs under Wine, for the few cases where
// Wine's libraries are known to differ from Windows.
#pragma once

namespace tzl::test {

bool RunningUnderWine();

}  // namespace tzl::test
