#include "server/ClientAddress.h"

#include <algorithm>

namespace tolvex {

namespace {

boost::asio::ip::address Unmapped(const boost::asio::ip::address& address) {
  if (address.is_v6() && address.to_v6().is_v4_mapped())
    return boost::asio::ip::make_address_v4(boost::asio::ip::v4_mapped, address.to_v6());
  return address;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string ShownAddress(const boost::asio::ip::address& address) { return Unmapped(address).to_string(); }

std::string LimitKey(const boost::asio::ip::address& address) {
  const boost::asio::ip::address client = Unmapped(address);
  if (client.is_v4()) return client.to_string();
  boost::asio::ip::address_v6::bytes_type bytes = client.to_v6().to_bytes();
  std::fill(bytes.begin() + 8, bytes.end(), 0);
  return boost::asio::ip::address_v6(bytes).to_string() + "/64";
}

std::optional<boost::asio::ip::address> ForwardedClient(std::string_view forwardedFor) {
  const std::size_t comma = forwardedFor.rfind(',');
  const std::string last(Trimmed(comma == std::string_view::npos ? forwardedFor : forwardedFor.substr(comma + 1)));
  boost::system::error_code error;
  const boost::asio::ip::address address = boost::asio::ip::make_address(last, error);
  if (error) return std::nullopt;
  return address;
}

}  // namespace tolvex
