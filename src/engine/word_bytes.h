#pragma once
// A search over the bytes of a word whose length is known (the word-file reader hands out each
// line's length with it), eight bytes at a time. It reads exactly the `length` bytes at `text`,
// never past them, so it is safe on any buffer.

#include <cstddef>

namespace kwintel {

// The offset of the first byte that ends a sequence word (below 32 or 128 and above), or length.
std::size_t WordEndOffset(const char* text, std::size_t length);

}  // namespace kwintel
