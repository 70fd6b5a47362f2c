#include "lookups/service_hosts.h"

namespace tzl {

const char* const ServiceHosts::RegistrationRecord = "127.0.0.1:4343";
const char* const ServiceHosts::DeletionCountdown = "tool.chinaz.com";
const char* const ServiceHosts::Appraisal = "api.godaddy.com";
const char* const ServiceHosts::Cxz = "www.cxz.com";
const char* const ServiceHosts::Wanmi = "www.wanmi.cc";
const char* const ServiceHosts::Sogou = "www.sogou.com";
const char* const ServiceHosts::Baidu = "www.baidu.com";
const char* const ServiceHosts::CompanySearch = "aiqicha.baidu.com";
const char* const ServiceHosts::DropCatch = "www.juming.com";
const char* const ServiceHosts::Rank = "rank.aizhan.com";
const char* const ServiceHosts::ServerAddress = "ip.tool.chinaz.com";
const char* const ServiceHosts::SiteFiling = "icp.chinaz.com";

}  // namespace tzl
