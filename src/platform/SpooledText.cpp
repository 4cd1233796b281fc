#include "platform/SpooledText.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

namespace tolvex {

SpooledText::SpooledText() : file_(std::tmpfile()), spilling_(file_ != nullptr) {
  // Room for a piece and the frame that completes it, so the tail never has to grow.
  tail_.reserve(2 * kPieceBytes);
}

void SpooledText::Spill() {
  if (!spilling_ || tail_.size() < kPieceBytes) return;
  std::size_t done = 0;
  while (done < tail_.size()) {
    const ssize_t wrote = ::write(::fileno(file_.get()), tail_.data() + done, tail_.size() - done);
    if (wrote <= 0) {
      // Whatever did not fit stays in memory, behind what the file already holds.
      spilling_ = false;
      break;
    }
    done += static_cast<std::size_t>(wrote);
  }
  written_ += done;
  tail_.erase(0, done);
}

bool SpooledText::WriteTo(const PieceWriter& write) const {
  if (written_ > 0) {
    // Read back by position: the file stays open for writing at its end.
    std::vector<std::uint8_t> piece(kPieceBytes);
    for (std::size_t at = 0; at < written_;) {
      const ssize_t read = ::pread(::fileno(file_.get()), piece.data(), std::min(piece.size(), written_ - at),
                                   static_cast<off_t>(at));
      if (read <= 0 || !write({piece.data(), static_cast<std::size_t>(read)})) return false;
      at += static_cast<std::size_t>(read);
    }
  }
  return write(TextBytes(tail_));
}

}  // namespace tolvex
