// The gateway's side of HTTP/1.x: finding the end of a request head,
// reading its request line, and what the request asks for.
#pragma once

#include <cstddef>
#include <string>

namespace tzl {

// A request head longer than this is refused: the gateway's requests are
// one short line, and a client must not make it buffer without bound.
constexpr size_t kMaxRequestHeadBytes = 8192;

enum class HeadState { NeedMore, Complete, TooLarge };

// Looks for the blank line ending the head in the bytes received so far
// (CR LF CR LF, or bare LF LF from lenient clients). On Complete,
// `headLength` is the head's length including the blank line.
HeadState FindHeadEnd(const std::string& received, size_t* headLength);

// "%41" becomes "A"; a "%" not followed by two hexadecimal digits stays as
// it is. "+" stays "+".
std::string PercentDecode(const std::string& text);

// The percent-decoded value of the first `key=` parameter of a query
// string (the part after "?"); false when there is none.
bool QueryParameter(const std::string& query, const std::string& key, std::string* value);

enum class RequestKind {
  Record,            // GET or HEAD of "/" (with or without a query)
  NotFound,          // another path
  MethodNotAllowed,  // a method other than GET and HEAD
  BadRequest,        // no well-formed request line
};

struct GatewayRequest {
  RequestKind kind = RequestKind::BadRequest;
  bool headOnly = false;  // HEAD: the same answer without its body
  std::string domain;     // decoded "domain" value; empty when absent
};

// Reads the request line of a complete head.
GatewayRequest ParseGatewayRequest(const std::string& head);

}  // namespace tzl
