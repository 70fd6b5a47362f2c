// What the window shows for one name, read back out of a filled panel and
// taken apart into the values the services gave (label prefixes and fixed
// wording removed), for the command-line reports.
#pragma once

#include <vector>

#include "lookups/memory_result_panel.h"
#include "text/text.h"

namespace tzl {

struct PriceTrade {
  Text picture;  // "png", "gif", "jpeg", "bmp": the price is only shown as this picture; "" for none
  Text type, time, platform;
};

struct EngineWeight {
  Text key;      // "baidu_pc", ...
  Text caption;  // the window's row caption, "百度PC", ...
  Text picture;  // the weight is only shown as a picture: its format, "" for none
  Text visitors;
};

struct NameFields {
  Text query;  // the name as the jobs asked for it (after the cleaning)
  Text registrar, registrarUrl, updated, created, expires, deletionCountdown, email, phone, registrant;
  Text godaddy, cxz, wanmi, meanings;
  Text sogouBacklinks, baiduBacklinks, sogouIndex, baiduIndex;
  Text companies;
  Text dropCatch, dropCatchTime, dropCatchType;
  std::vector<PriceTrade> priceHistory;
  std::vector<EngineWeight> weights;  // the seven engines, in the window's order
  Text ip;
  Text filingLicence, filingApproved, filingSponsor, filingSponsorType, filingSiteName;
};

NameFields ReadNameFields(MemoryResultPanel& panel);

// The value inside a label's text: `prefix` and `suffix` removed when they
// stand there, then blanks and line breaks trimmed from both ends.
Text LabelValue(const Text& labelText, const Text& prefix, const Text& suffix = Text());

}  // namespace tzl
