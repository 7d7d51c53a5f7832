#pragma once

#include <cstddef>
#include <string_view>

namespace quendral::engine {

// Positions in a field text counted as the window counts them: in bytes of the text's GBK
// form, where an ASCII character takes one byte and any other character two. The texts
// themselves are UTF-8; a byte that is not part of a well-formed UTF-8 sequence counts as a
// character of its own.

// Bytes of the character that starts at text[at] (at < text.size()): a well-formed UTF-8
// sequence, or 1 for a stray byte.
//   characterSize("Φ1", 0) -> 2   characterSize("\xCE", 0) -> 1
std::size_t characterSize(std::string_view text, std::size_t at);

// gbkLength("d10@140") -> 7   gbkLength("Φ10@150") -> 8   gbkLength("") -> 0
std::size_t gbkLength(std::string_view text);

// The characters that cover GBK bytes first .. first + count - 1 (counted from 1), whole:
// a character cut by either end of the range is taken complete. Past the end of the text
// the piece is shorter or empty.
//   gbkPiece("C20", 2, 2) -> "20"   gbkPiece("C", 2, 2) -> ""   gbkPiece("中20", 2, 2) -> "中2"
std::string_view gbkPiece(std::string_view text, std::size_t first, std::size_t count);

}  // namespace quendral::engine
