#include "cli/panel_fields.h"

#include "lookups/picture_format.h"

namespace tzl {

namespace {

// Blanks, the ideographic blank and line breaks.
Text TrimAll(const Text& text) {
  Text out = text;
  for (;;) {
    Text trimmed = TrimBlanks(out);
    while (!trimmed.empty() && (trimmed.back() == '\r' || trimmed.back() == '\n' || trimmed.back() == '\t')) {
      trimmed.pop_back();
    }
    while (!trimmed.empty() && (trimmed[0] == '\r' || trimmed[0] == '\n' || trimmed[0] == '\t')) trimmed.erase(0, 1);
    if (trimmed == out) return out;
    out = trimmed;
  }
}

Text PictureName(const std::vector<std::string>& pictures, int index) {
  if (index < 0 || static_cast<size_t>(index) >= pictures.size()) return Text();
  switch (RecognisePicture(pictures[static_cast<size_t>(index)])) {
    case PictureFormat::Png: return "png";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::None: return Text();
  }
  return Text();
}

// "到期：" + date (as cut, with its line break) + countdown + "后删除": the
// countdown stands after the date's line break.
void SplitExpiry(const Text& label, Text* expires, Text* countdown) {
  Text rest = StartsWith(label, "到期：") ? label.substr(Text("到期：").size()) : label;
  countdown->clear();
  if (EndsWith(rest, "后删除")) {
    rest.erase(rest.size() - Text("后删除").size());
    size_t lineBreak = rest.find_last_of("\r\n");
    size_t start = lineBreak == Text::npos ? 0 : lineBreak + 1;
    if (lineBreak == Text::npos) {
      // No line break after the date: the countdown is the run of digits
      // and short units at the end.
      start = rest.find_last_not_of("0123456789ydhms");
      start = start == Text::npos ? 0 : start + 1;
    }
    *countdown = TrimAll(rest.substr(start));
    rest.erase(start);
  }
  *expires = TrimAll(rest);
}

// The three lines of the valuation label (separated by blank lines).
void SplitValuation(const Text& label, NameFields* fields) {
  Text godaddyLine, cxzLine, meaningsLine;
  size_t start = 0;
  while (start < label.size()) {
    size_t end = label.find('\n', start);
    if (end == Text::npos) end = label.size();
    Text line = TrimAll(label.substr(start, end - start));
    if (StartsWith(line, "Godaddy")) godaddyLine = line;
    if (StartsWith(line, "CXZ")) cxzLine = line;
    if (StartsWith(line, "域名含义：")) meaningsLine = line;
    start = end + 1;
  }
  fields->godaddy = LabelValue(TextBetween(godaddyLine + "\n", "Godaddy保守估值为:", "美元"), Text());
  Text cxzPart = cxzLine.substr(0, FindText(cxzLine, "   玩米网："));
  fields->cxz = LabelValue(cxzPart, "CXZ估值为：");
  if (fields->cxz == "元") fields->cxz.clear();
  if (cxzPart == "CXZ无法估值") fields->cxz = "无法估值";
  size_t wanmi = FindText(cxzLine, "   玩米网：");
  fields->wanmi = wanmi == kNotFound ? Text() : LabelValue(cxzLine.substr(wanmi), "玩米网：", "元");
  fields->meanings = LabelValue(meaningsLine, "域名含义：");
}

void SplitDropCatch(const Text& label, NameFields* fields) {
  fields->dropCatch = TrimAll(label);
  if (!StartsWith(fields->dropCatch, "预定竞价中：")) return;
  size_t type = FindText(fields->dropCatch, "   类型：");
  fields->dropCatchTime = LabelValue(fields->dropCatch.substr(0, type), "预定竞价中：");
  if (type != kNotFound) fields->dropCatchType = LabelValue(fields->dropCatch.substr(type), "类型：");
}

}  // namespace

Text LabelValue(const Text& labelText, const Text& prefix, const Text& suffix) {
  Text value = TrimAll(labelText);
  if (!prefix.empty() && StartsWith(value, prefix)) value.erase(0, prefix.size());
  if (!suffix.empty() && EndsWith(value, suffix)) value.erase(value.size() - suffix.size());
  return TrimAll(value);
}

NameFields ReadNameFields(MemoryResultPanel& panel) {
  NameFields fields;
  fields.query = panel.QueryText();
  auto label = [&panel](ResultLabel which) { return panel.LabelText(which); };
  fields.registrarUrl = LabelValue(label(ResultLabel::RegistrarUrl), "注册商网址：");
  fields.registrar = LabelValue(label(ResultLabel::Registrar), "注册商：");
  fields.updated = LabelValue(label(ResultLabel::Updated), "更新：");
  fields.created = LabelValue(label(ResultLabel::Created), "注册：");
  SplitExpiry(label(ResultLabel::Expires), &fields.expires, &fields.deletionCountdown);
  fields.email = LabelValue(label(ResultLabel::Email), "邮箱：");
  fields.phone = LabelValue(label(ResultLabel::Phone), "电话：");
  fields.registrant = LabelValue(label(ResultLabel::Registrant), "注册人：");
  SplitValuation(label(ResultLabel::Valuation), &fields);
  fields.sogouBacklinks = LabelValue(label(ResultLabel::SogouBacklinks), "搜狗反链：", "条");
  fields.baiduBacklinks = LabelValue(label(ResultLabel::BaiduBacklinks), "百度反链：", "条");
  fields.sogouIndex = LabelValue(label(ResultLabel::SogouIndex), "搜狗收录：", "条");
  fields.baiduIndex = LabelValue(label(ResultLabel::BaiduIndex), "百度收录：", "条");
  fields.companies = LabelValue(label(ResultLabel::Companies), "共匹配到", "个公司企业终端");
  SplitDropCatch(label(ResultLabel::DropCatch), &fields);

  const std::vector<std::string> tradePictures = panel.Pictures(ResultList::PriceHistory);
  for (const MemoryResultPanel::Row& row : panel.Rows(ResultList::PriceHistory)) {
    PriceTrade trade;
    trade.picture = PictureName(tradePictures, row.image);
    if (row.cells.size() >= 4) {
      trade.type = TrimAll(row.cells[1]);
      trade.time = TrimAll(row.cells[2]);
      trade.platform = TrimAll(row.cells[3]);
    }
    fields.priceHistory.push_back(trade);
  }

  static const char* const kEngineKeys[] = {"baidu_pc", "baidu_mobile", "sogou_pc", "sogou_mobile",
                                            "360_pc", "360_mobile", "shenma_mobile"};
  const std::vector<std::string> weightPictures = panel.Pictures(ResultList::Details);
  const std::vector<MemoryResultPanel::Row> details = panel.Rows(ResultList::Details);
  auto cell = [&details](size_t row, size_t column) {
    return row < details.size() && column < details[row].cells.size() ? details[row].cells[column] : Text();
  };
  for (size_t i = 0; i < 7; ++i) {
    EngineWeight weight;
    weight.key = kEngineKeys[i];
    weight.caption = cell(i, 0);
    weight.picture = i < details.size() ? PictureName(weightPictures, details[i].image) : Text();
    weight.visitors = TrimAll(cell(i, 1));
    fields.weights.push_back(weight);
  }
  fields.ip = TrimAll(cell(8, 1));
  fields.filingLicence = TrimAll(cell(9, 1));
  fields.filingApproved = TrimAll(cell(10, 1));
  fields.filingSponsor = TrimAll(cell(11, 1));
  fields.filingSponsorType = TrimAll(cell(12, 1));
  fields.filingSiteName = TrimAll(cell(13, 1));
  return fields;
}

}  // namespace tzl
