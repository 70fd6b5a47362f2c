#include "web/web_transport.h"

namespace tzl {

bool AppendWithinLimit(std::string* body, const char* data, size_t size) {
  size_t room = kMaxResponseBodyBytes - body->size();
  body->append(data, size < room ? size : room);
  return body->size() < kMaxResponseBodyBytes;
}

}  // namespace tzl
