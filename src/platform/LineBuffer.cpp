#include "platform/LineBuffer.h"

#include <algorithm>

namespace tolvex {

bool LineBuffer::Append(std::string_view bytes) {
  if (failed_) return false;
  if (bytes.size() > maxBytes_ - std::min(received_, maxBytes_)) {
    failed_ = true;
    return false;
  }
  received_ += bytes.size();
  // Lines already handed out are dropped before the buffer grows.
  buffer_.erase(0, start_);
  start_ = 0;
  buffer_.append(bytes);
  return true;
}

bool LineBuffer::ReadLine(std::string& line) {
  if (failed_) return false;
  const std::size_t end = buffer_.find('\n', start_);
  if (end == std::string::npos && !(ended_ && start_ < buffer_.size())) return false;
  const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
  line.assign(buffer_, start_, stop - start_);
  std::erase(line, '\r');
  start_ = std::min(stop + 1, buffer_.size());
  return true;
}

}  // namespace tolvex
