#pragma once

// An IPv4 address as its four bytes, first byte first: {127, 0, 0, 1} is "127.0.0.1".

#include <array>
#include <cstdint>

namespace platform {

using TIPv4Address = std::array<std::uint8_t, 4>;

} // namespace platform
