#include "web/web_request.h"

#include "text/regex_matcher.h"
#include "web/cookies.h"
#include "web/request_headers.h"
#include "web/request_target.h"
#include "web/response_decoding.h"
#include "web/web_transport.h"

namespace tzl {

namespace {

const char* const kMethodWords[] = {"GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};

Text MethodWord(int method) { return method >= 0 && method <= 7 ? kMethodWords[method] : "GET"; }

Text FailureText(TransportStep step) {
  switch (step) {
    case TransportStep::kPlatform: return "700 当前系统不支持WinHttp服务!";
    case TransportStep::kCrackUrl: return "701 解析URL地址失败!";
    case TransportStep::kSession: return "702 创建WinHttp会话失败!";
    case TransportStep::kTimeouts: return "705 设置超时时间失败!";
    case TransportStep::kConnect: return "703 创建WinHttp连接失败!";
    case TransportStep::kOpenRequest: return "704 创建WinHttp请求失败!";
    case TransportStep::kCredentials: return "707 设置代理凭证失败!";
    case TransportStep::kSecurityFlags: return "忽略错误/证书错误  失败！";
    case TransportStep::kCookieOption: return "708 禁止自动设置Cookies失败!";
    case TransportStep::kRedirectOption: return "709 重定向设置失败!";
    case TransportStep::kAddHeaders: return "710 设置协议头失败!";
    case TransportStep::kSend: return "711 发送请求失败!";
    case TransportStep::kReceive: return "712 服务器未响应!";
    case TransportStep::kNone:
    case TransportStep::kRawHeaders: break;
  }
  return Text();
}

const char kReadFailureText[] = "713 读取数据失败!";

// "HTTP/1.1 200 OK\r\n..." gives "200 OK": from the tenth byte to the next
// CR LF, empty when none follows.
Text StatusTextOf(const Text& rawHeaders) {
  if (rawHeaders.size() < 10) return Text();
  size_t end = rawHeaders.find("\r\n", 9);
  return end == Text::npos ? Text() : rawHeaders.substr(9, end - 9);
}

}  // namespace

Text WebRequest(const Text& url, WebRequestArgs& args) {
  // Lives for the whole call: on Windows it holds COM initialised on this
  // thread until the call returns.
  RegexMatcher matcher;

  TransportRequest request;
  request.url = EncodeUnsafeTargetBytes(url);
  request.methodWord = MethodWord(args.method);
  request.headerBlock = BuildRequestHeaderBlock(args.extraHeaders, args.method, args.cookiesIn,
                                                args.addDefaultHeaders, args.normaliseHeaderCase);
  request.body = args.bodyBytes.empty() ? args.bodyText : args.bodyBytes;
  request.noRedirect = args.noRedirect;
  request.cookiesGiven = !args.cookiesIn.empty();
  request.serverUser = args.serverUser;
  request.serverPassword = args.serverPassword;
  request.proxy = args.proxy;
  request.proxyUser = args.proxyUser;
  request.proxyPassword = args.proxyPassword;
  request.timeoutMilliseconds = args.timeoutSeconds > 0 ? args.timeoutSeconds * 1000 : 30000;

  TransportResult result = SendTransportRequest(request);
  if (result.failedStep != TransportStep::kNone && result.failedStep != TransportStep::kRawHeaders) {
    args.status = FailureText(result.failedStep);
    return Text();
  }
  if (result.readFailed) args.status = kReadFailureText;
  if (result.failedStep == TransportStep::kRawHeaders) return Text();

  args.responseHeaders = result.rawHeaders;
  args.status = StatusTextOf(result.rawHeaders);
  ScanResponseHeaderLines(args.responseHeaders, &args.cookiesOut, &args.location);
  TidyCookies(&args.cookiesOut);
  if (args.mergeCookies && !args.cookiesIn.empty()) MergeCookies(&args.cookiesIn, &args.cookiesOut);

  args.responseBytes = result.body;
  return DecodeDeclaredCharset(matcher, result.body, TextUpToNul(result.body));
}

Text WebRequest(const Text& url) {
  WebRequestArgs args;
  return WebRequest(url, args);
}

}  // namespace tzl
