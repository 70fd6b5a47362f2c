// A minimal HTTP/1.0 client over a raw loopback socket, for talking to the
// fixture server's control addresses without the code under test.
#pragma once

#include <string>

namespace tzl::test {

// GET `target` from 127.0.0.1:port; the body of the answer, or false when
// no complete answer arrived.
bool FixtureHttpGet(int port, const std::string& target, std::string* body);

// A loopback port nobody listens on (bound for a moment, then released),
// for provoking a refused connection.
int ClosedLoopbackPort();

}  // namespace tzl::test
