#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <array>
#include <memory>
#include <stdexcept>

#include "report/report.h"

namespace quendral::report {

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A converter that stops at a character it cannot hold instead of substituting one.
Converter openStrict(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    if (U_FAILURE(status)) {
        throw std::runtime_error(std::string("no converter for ") + name);
    }
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    return converter;
}

// Appends the bytes of one character; false when the converter cannot hold it.
bool appendCharacter(UConverter* converter, const UChar* units, int32_t length, std::string& out) {
    std::array<char, 8> bytes{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written =
        ucnv_fromUChars(converter, bytes.data(), bytes.size(), units, length, &status);
    if (U_FAILURE(status)) return false;
    out.append(bytes.data(), static_cast<std::size_t>(written));
    return true;
}

}  // namespace

std::string encodeReport(std::string_view utf8) {
    // QString turns invalid UTF-8 into U+FFFD, which GB18030 holds.
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // "GBK" is the code page the fixed texts have always been written in (it has the euro
    // sign at 80); GB18030 takes every character it lacks, so nothing typed into a field is
    // lost.
    const Converter gbk = openStrict("GBK");
    const Converter gb18030 = openStrict("GB18030");
    std::string out;
    out.reserve(utf8.size());
    const auto* units = reinterpret_cast<const UChar*>(text.utf16());
    for (qsizetype i = 0; i < text.size();) {
        const int32_t length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (!appendCharacter(gbk.get(), units + i, length, out) &&
            !appendCharacter(gb18030.get(), units + i, length, out)) {
            throw std::runtime_error("GB18030 cannot hold a character of the report");
        }
        i += length;
    }
    return out;
}

}  // namespace quendral::report
