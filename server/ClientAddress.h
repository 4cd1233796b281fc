#pragma once
// Who a request comes from, as the log shows it and as the per-address limits count it.
#include <boost/asio/ip/address.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tolvex {

// The address in its usual written form; an IPv4 client on an IPv6 socket is shown as IPv4.
std::string ShownAddress(const boost::asio::ip::address& address);
// The key the per-address limits count under: the shown address for IPv4, the /64 network for
// IPv6 ("2001:db8:1:2::/64"), because one host is usually handed a whole /64.
std::string LimitKey(const boost::asio::ip::address& address);
// The client that a proxy names as the last address of its X-Forwarded-For header; none when
// the header is empty or its last entry is not an address.
std::optional<boost::asio::ip::address> ForwardedClient(std::string_view forwardedFor);

}  // namespace tolvex
