#include "cli/json_report.h"

#include "cli/json_text.h"
#include "text/codepage.h"

namespace tzl {

std::string FormatJsonReport(const Text& requestedName, const NameFields& fields) {
  // The program's text is code page 936; JSON is UTF-8, converted here once.
  auto u = [](const Text& text) { return AnsiToUtf8(text); };

  std::vector<std::string> trades;
  for (const PriceTrade& trade : fields.priceHistory) {
    trades.push_back(JsonObject()
                         .Add("price_picture", u(trade.picture))
                         .Add("type", u(trade.type))
                         .Add("time", u(trade.time))
                         .Add("platform", u(trade.platform))
                         .Text());
  }
  JsonObject weights;
  for (const EngineWeight& weight : fields.weights) {
    weights.AddRaw(weight.key, JsonObject().Add("weight_picture", u(weight.picture)).Add("visitors", u(weight.visitors)).Text());
  }

  return JsonObject()
      .Add("name", u(requestedName))
      .Add("query", u(fields.query))
      .Add("registrar", u(fields.registrar))
      .Add("registrar_url", u(fields.registrarUrl))
      .Add("updated", u(fields.updated))
      .Add("created", u(fields.created))
      .Add("expires", u(fields.expires))
      .Add("deletion_countdown", u(fields.deletionCountdown))
      .Add("email", u(fields.email))
      .Add("phone", u(fields.phone))
      .Add("registrant", u(fields.registrant))
      .AddRaw("valuation", JsonObject()
                               .Add("godaddy", u(fields.godaddy))
                               .Add("cxz", u(fields.cxz))
                               .Add("wanmi", u(fields.wanmi))
                               .Add("meanings", u(fields.meanings))
                               .Text())
      .AddRaw("backlinks", JsonObject().Add("sogou", u(fields.sogouBacklinks)).Add("baidu", u(fields.baiduBacklinks)).Text())
      .AddRaw("index", JsonObject().Add("sogou", u(fields.sogouIndex)).Add("baidu", u(fields.baiduIndex)).Text())
      .Add("companies", u(fields.companies))
      .AddRaw("drop_catch", JsonObject()
                                .Add("status", u(fields.dropCatch))
                                .Add("time", u(fields.dropCatchTime))
                                .Add("type", u(fields.dropCatchType))
                                .Text())
      .AddRaw("price_history", JsonArray(trades))
      .AddRaw("weights", weights.Text())
      .Add("ip", u(fields.ip))
      .AddRaw("filing", JsonObject()
                            .Add("licence", u(fields.filingLicence))
                            .Add("approved", u(fields.filingApproved))
                            .Add("sponsor", u(fields.filingSponsor))
                            .Add("sponsor_type", u(fields.filingSponsorType))
                            .Add("site_name", u(fields.filingSiteName))
                            .Text())
      .Text();
}

}  // namespace tzl
