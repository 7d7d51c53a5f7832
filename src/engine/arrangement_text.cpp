#include "engine/arrangement_text.h"

#include <cstddef>

#include "engine/gbk_text.h"

namespace quendral::engine {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t digitsFrom(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end])) ++end;
    return end;
}

}  // namespace

std::optional<ArrangementPieces> loosePieces(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::size_t diameterBegin = characterSize(text, 0);
    const std::size_t diameterEnd = digitsFrom(text, diameterBegin);
    if (diameterEnd == diameterBegin || diameterEnd == text.size()) return std::nullopt;
    const std::size_t spacingBegin = diameterEnd + characterSize(text, diameterEnd);
    const std::size_t spacingEnd = digitsFrom(text, spacingBegin);
    if (spacingEnd == spacingBegin || spacingEnd != text.size()) return std::nullopt;
    return ArrangementPieces{text.substr(diameterBegin, diameterEnd - diameterBegin),
                             text.substr(spacingBegin, spacingEnd - spacingBegin)};
}

}  // namespace quendral::engine
