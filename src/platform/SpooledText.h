#pragma once
// Text that only ever grows, such as a session's replay, kept in an unnamed temporary file rather
// than in memory: an hour's session would otherwise hold megabytes for as long as it runs.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/BinaryFiles.h"

namespace tolvex {

class SpooledText {
 public:
  // Appended text is written out whenever this much of it has gathered.
  static constexpr std::size_t kPieceBytes = 64 * 1024;

  SpooledText();

  // The end of the text, not yet written out: append to it, then call Spill.
  std::string& Tail() { return tail_; }
  // Writes the tail out once a piece's worth has gathered. When there is no temporary file, or
  // the disk is full, the text stays in memory from then on, whole and in order.
  void Spill();
  // Hands the whole text to the writer, from its start, in pieces; false when one failed.
  bool WriteTo(const PieceWriter& write) const;

  std::size_t Size() const { return written_ + tail_.size(); }

 private:
  struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, CloseFile> file_;
  bool spilling_;
  std::size_t written_ = 0;
  std::string tail_;
};

}  // namespace tolvex
