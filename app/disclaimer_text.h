// The disclaimer the user accepts on the first start; the agreement marker
// holds exactly these bytes.
#pragma once

namespace tzl::app {

inline constexpr char kDisclaimerText[] =
    "探址灵是一款免费软件，仅限用于学习和研究目的；不得将\"探址灵\"用于商业或者其他非法用途，否则，一切后果由用户自负。"
    "\r\n\r\n"
    "本软件的初衷是为了方便查询域名信息，防止上当受骗，反诈骗的一款软件。";

}  // namespace tzl::app
