#pragma once
// Composes a whole text file in memory, so that the caller writes it with one write and a
// failure part-way leaves no half-written file behind. Appends are amortised constant time.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace pv {

class TvdStringBuilder {
public:
    TvdStringBuilder& Append(std::string_view s);
    // A null pointer appends nothing.
    TvdStringBuilder& Append(const char* s);
    TvdStringBuilder& Append(char c);
    // Integers in decimal. Character types are excluded, so Append('x') stays a character.
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, wchar_t> &&
                 !std::same_as<T, char8_t> && !std::same_as<T, char16_t> && !std::same_as<T, char32_t>)
    TvdStringBuilder& Append(T value) {
        if constexpr (std::is_signed_v<T>) return AppendSigned(value);
        else return AppendUnsigned(value);
    }
    // Would otherwise append the character 0 or 1.
    TvdStringBuilder& Append(bool) = delete;

    // The text followed by CR LF, the line break of every file the program writes.
    TvdStringBuilder& AppendLine(std::string_view s = {});

    size_t Length() const { return text_.size(); }
    bool IsEmpty() const { return text_.empty(); }
    void Clear() { text_.clear(); }
    void Reserve(size_t capacity) { text_.reserve(capacity); }

    const std::string& Text() const { return text_; }
    const std::string& ToString() const { return text_; }

private:
    TvdStringBuilder& AppendSigned(int64_t value);
    TvdStringBuilder& AppendUnsigned(uint64_t value);

    std::string text_;
};

}  // namespace pv
