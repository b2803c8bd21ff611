#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace pixo {

// A string of fixed capacity that lives inside its owner. Label texts and readouts use it, so that a
// draw of the loupe never allocates. Text past the capacity is cut off.
template <std::size_t Capacity>
class ShortString {
  public:
    ShortString() = default;
    ShortString(std::string_view s) { Assign(s); }  // NOLINT: implicit like std::string
    ShortString(const char* s) { Assign(s); }       // NOLINT

    ShortString& operator=(std::string_view s) {
        Assign(s);
        return *this;
    }
    ShortString& operator=(const char* s) {
        Assign(s);
        return *this;
    }

    void Assign(std::string_view s) {
        size_ = std::min(s.size(), Capacity);
        if (size_ != 0)
            std::memmove(data_, s.data(), size_);
        data_[size_] = '\0';
    }
    ShortString& Append(std::string_view s) {
        const std::size_t n = std::min(s.size(), Capacity - size_);
        if (n != 0)
            std::memmove(data_ + size_, s.data(), n);
        size_ += n;
        data_[size_] = '\0';
        return *this;
    }
    ShortString& Append(char c) { return Append(std::string_view(&c, 1)); }
    ShortString& operator+=(std::string_view s) { return Append(s); }
    ShortString& operator+=(char c) { return Append(c); }
    // Appends a decimal integer.
    ShortString& AppendInt(long long v) {
        char buf[24];
        int n = 0;
        const bool negative = v < 0;
        unsigned long long u =
            negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        do {
            buf[n++] = static_cast<char>('0' + u % 10);
            u /= 10;
        } while (u != 0);
        if (negative)
            buf[n++] = '-';
        std::reverse(buf, buf + n);
        return Append(std::string_view(buf, static_cast<std::size_t>(n)));
    }
    void Clear() { Assign({}); }

    std::string_view View() const { return {data_, size_}; }
    operator std::string_view() const { return View(); }  // NOLINT
    std::string Str() const { return std::string(View()); }
    const char* CStr() const { return data_; }
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    static constexpr std::size_t MaxSize() { return Capacity; }

    friend bool operator==(const ShortString& a, std::string_view b) { return a.View() == b; }

  private:
    char data_[Capacity + 1] = {};
    std::size_t size_ = 0;
};

// Label captions and readouts: Windows-1252 text, short.
using Text = ShortString<63>;

}  // namespace pixo
