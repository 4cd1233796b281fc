#pragma once
// An answer's bytes as they arrive, handed out line by line: LF ends a line, CR bytes are
// dropped, and a last line without LF still counts once the stream has ended.
#include <cstddef>
#include <string>
#include <string_view>

namespace tolvex {

class LineBuffer {
 public:
  // maxBytes: the most the whole answer may hold; more fails it.
  explicit LineBuffer(std::size_t maxBytes) : maxBytes_(maxBytes) {}

  // Takes the next bytes of the stream; false (and Failed) when the answer grows past its cap.
  bool Append(std::string_view bytes);
  // The stream has ended: a last line without LF can be read now.
  void End() { ended_ = true; }
  // The next whole line; false when none is there yet, at the end of the stream, or after a failure.
  bool ReadLine(std::string& line);

  bool Ended() const { return ended_; }
  bool Failed() const { return failed_; }

 private:
  std::size_t maxBytes_;
  std::string buffer_;
  std::size_t start_ = 0;
  std::size_t received_ = 0;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace tolvex
