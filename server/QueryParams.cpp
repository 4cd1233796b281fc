#include "server/QueryParams.h"

#include "scores/PercentEncoding.h"

namespace tolvex {

bool ParseQuery(std::string_view target, QueryParams& params) {
  const std::size_t question = target.find('?');
  if (question == std::string_view::npos) return true;
  std::string_view query = target.substr(question + 1);
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view piece = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (piece.empty()) continue;
    const std::size_t equals = piece.find('=');
    std::string key, value;
    if (!PercentDecode(piece.substr(0, equals), key)) return false;
    if (equals != std::string_view::npos && !PercentDecode(piece.substr(equals + 1), value)) return false;
    params.emplace(std::move(key), std::move(value));
  }
  return true;
}

}  // namespace tolvex
