// The real public host of every service the lookup jobs ask, in one place.
// Addresses are built from these by plain concatenation (scheme + host +
// fixed path + query text); tests reach their own servers through
// TZL_CONNECT_TO routing, never by changing this table.
#pragma once

namespace tzl {

struct ServiceHosts {
  // Registration records, plain HTTP "/?domain=": no public service has
  // that shape, so this is the address of our own WHOIS gateway.
  static const char* const RegistrationRecord;
  static const char* const DeletionCountdown;  // Chinaz deletion countdown
  static const char* const Appraisal;          // GoDaddy appraisal API
  static const char* const Cxz;                // CXZ valuation and meanings
  static const char* const Wanmi;              // Wanmi appraisal and price history
  static const char* const Sogou;              // Sogou web search
  static const char* const Baidu;              // Baidu web search
  static const char* const CompanySearch;      // Aiqicha company search
  static const char* const DropCatch;          // Juming drop-catch status
  static const char* const Rank;               // Aizhan search-engine weights
  static const char* const ServerAddress;      // Chinaz IP page
  static const char* const SiteFiling;         // Chinaz ICP filing page
};

}  // namespace tzl
