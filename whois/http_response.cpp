#include "whois/http_response.h"

namespace tzl {

namespace {

const char* ReasonPhrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    default: return "Error";
  }
}

}  // namespace

std::string HttpResponse(int status, const std::string& contentType, const std::string& extraHeaders,
                         const std::string& body, bool headOnly) {
  std::string response = "HTTP/1.1 " + std::to_string(status) + " " + ReasonPhrase(status) + "\r\n";
  response += "Content-Type: " + contentType + "\r\n";
  response += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  response += "Connection: close\r\n";
  response += extraHeaders;
  response += "\r\n";
  if (!headOnly) response += body;
  return response;
}

}  // namespace tzl
