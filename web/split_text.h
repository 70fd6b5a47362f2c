// Splitting by the rules the header and cookie steps share: the pieces
// between separators, empty pieces between adjacent separators kept, no
// piece after a final separator, nothing at all for the empty text.
#pragma once

#include <vector>

#include "text/text.h"

namespace tzl {

std::vector<Text> SplitText(const Text& text, const Text& separator);
Text JoinText(const std::vector<Text>& pieces, const Text& separator);

}  // namespace tzl
