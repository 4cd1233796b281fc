#pragma once
// What a fuzz target does when the game breaks a promise about its input.
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvex::fuzz {

// A promise the game makes about the result of reading an input, found broken.
class BrokenPromise : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

inline void Require(bool kept, std::string_view promise) {
  if (!kept) throw BrokenPromise("broken promise: " + std::string(promise));
}

inline std::string_view AsText(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace tolvex::fuzz
