#include "engine/gbk_text.h"

namespace quendral::engine {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::size_t gbkWidth(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) < 0x80 ? 1 : 2;
}

}  // namespace

std::size_t characterSize(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t size = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        size = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        size = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        size = 4;
    if (at + size > text.size()) return 1;
    for (std::size_t i = 1; i < size; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[at + i]))) return 1;
    }
    return size;
}

std::size_t gbkLength(std::string_view text) {
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size(); at += characterSize(text, at)) {
        length += gbkWidth(text, at);
    }
    return length;
}

std::string_view gbkPiece(std::string_view text, std::size_t first, std::size_t count) {
    if (count == 0) return {};
    const std::size_t last = first + count - 1;
    std::size_t begin = text.size();
    std::size_t end = text.size();
    std::size_t gbkStart = 1;  // GBK byte position of the character at `at`
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t size = characterSize(text, at);
        const std::size_t gbkEnd = gbkStart + gbkWidth(text, at) - 1;
        if (gbkEnd >= first && begin == text.size()) begin = at;
        if (gbkStart > last) {
            end = at;
            break;
        }
        gbkStart = gbkEnd + 1;
        at += size;
    }
    if (begin >= end) return {};
    return text.substr(begin, end - begin);
}

}  // namespace quendral::engine
