#pragma once
// Readable test failures for online records.
#include <ostream>

#include "scores/OnlineRecord.h"

namespace tolvex {

inline void PrintTo(const OnlineRecord& record, std::ostream* out) {
  *out << '[' << record.name << '|' << record.points << '|' << record.time << '|' << record.rank << ']';
}

}  // namespace tolvex
