#include <chrono>
#include <thread>

#include "lookups/countdown_text.h"
#include "lookups/jobs.h"
#include "lookups/service_hosts.h"
#include "web/web_request.h"

namespace tzl {

namespace {

struct RecordRow {
  const char* left;
  const char* right;
  ResultLabel label;
  const char* prefix;
};

// The markers stand exactly as the registries write them, trailing blanks
// included: "Expiration Time:" ends the registration date without one.
const RecordRow kGenericRows[] = {
    {"Registrar URL: ", "Updated Date: ", ResultLabel::RegistrarUrl, "注册商网址："},
    {"Registrar: ", "Registrar", ResultLabel::Registrar, "注册商："},
    {"Updated Date: ", "Creation ", ResultLabel::Updated, "更新："},
    {"Creation Date: ", "Registry Expiry Date: ", ResultLabel::Created, "注册："},
    {"Registry Expiry Date: ", "Registrar", ResultLabel::Expires, "到期："},
    {"Email: ", "Registrar Abuse Contact Phone: ", ResultLabel::Email, "邮箱："},
    {"Registrar Abuse Contact Phone: ", "Domain Status:", ResultLabel::Phone, "电话："},
};

const RecordRow kChineseRows[] = {
    {"Registrar URL: ", "Updated Date: ", ResultLabel::RegistrarUrl, "注册商网址："},
    {"Sponsoring Registrar: ", "Name", ResultLabel::Registrar, "注册商："},
    {"Updated Date: ", "Creation ", ResultLabel::Updated, "更新："},
    {"Registration Time: ", "Expiration Time:", ResultLabel::Created, "注册："},
    {"Expiration Time: ", "DNSSEC", ResultLabel::Expires, "到期："},
    {"Email: ", "Sponsoring ", ResultLabel::Email, "邮箱："},
    {"Registrar Abuse Contact Phone: ", "Domain Status:", ResultLabel::Phone, "电话："},
    {"Registrant: ", "Registrant ", ResultLabel::Registrant, "注册人："},
};

template <size_t N>
void WriteRows(ResultPanel& panel, const Text& record, const RecordRow (&rows)[N]) {
  for (const RecordRow& row : rows) panel.SetLabelText(row.label, row.prefix + TextBetween(record, row.left, row.right));
}

// Chinese country-code names, second-level ones included, end in ".cn";
// the test is on bytes, so ".CN" is not one of them.
bool IsChineseCountryCode(const Text& query) {
  return query.size() >= 3 && query.compare(query.size() - 3, 3, ".cn") == 0;
}

Text FetchCountdown(ResultPanel& panel) {
  Text page = WebRequest(Text("https://") + ServiceHosts::DeletionCountdown + "/DomainDel/?wd=" + panel.QueryText());
  return TextBetween(page, "删除倒计时</span></div><div class=\"fr zTContrig\"><span class=\"col-hint\">",
                     "（删除倒计时仅供参考）");
}

}  // namespace

void RegistrationLookup(ResultPanel& panel) {
  Text query = panel.QueryText();
  Text record = WebRequest(Text("http://") + ServiceHosts::RegistrationRecord + "/?domain=" + query);
  if (IsChineseCountryCode(query)) {
    WriteRows(panel, record, kChineseRows);
    return;
  }
  WriteRows(panel, record, kGenericRows);

  Text countdown;
  for (int attempt = 0; attempt < kCountdownAttempts && !HasCountdown(countdown); ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(kCountdownPause);
    countdown = FetchCountdown(panel);
  }
  // A name outside its deletion period has no countdown: the expiry label
  // then keeps the date alone rather than an empty "后删除".
  if (!HasCountdown(countdown)) return;
  panel.SetLabelText(ResultLabel::Expires, panel.LabelText(ResultLabel::Expires) + ShortenCountdownUnits(countdown) + "后删除");
}

}  // namespace tzl
