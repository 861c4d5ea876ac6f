#include "util/string_builder.h"

#include <charconv>

namespace pv {

TvdStringBuilder& TvdStringBuilder::Append(std::string_view s) {
    text_.append(s);
    return *this;
}

TvdStringBuilder& TvdStringBuilder::Append(const char* s) {
    if (s) text_.append(s);
    return *this;
}

TvdStringBuilder& TvdStringBuilder::Append(char c) {
    text_.push_back(c);
    return *this;
}

TvdStringBuilder& TvdStringBuilder::AppendLine(std::string_view s) {
    text_.append(s);
    text_.append("\r\n");
    return *this;
}

TvdStringBuilder& TvdStringBuilder::AppendSigned(int64_t value) {
    char buf[24];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    text_.append(buf, result.ptr);
    return *this;
}

TvdStringBuilder& TvdStringBuilder::AppendUnsigned(uint64_t value) {
    char buf[24];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    text_.append(buf, result.ptr);
    return *this;
}

}  // namespace pv
