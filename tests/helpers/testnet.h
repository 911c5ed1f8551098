#pragma once

#include <QString>

// Loopback addresses of a test's own, so that suites running side by side,
// a running demo or a simulator never take each other's address and port.
namespace TestNet {

// "127.a.b." for a subnet chosen at random once per process, on which the
// controllers' default port is free for hosts 1 to 20 when it is chosen.
QString subnet();
QString host(int n); // host n of that subnet

} // namespace TestNet
