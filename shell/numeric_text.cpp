#include "shell/numeric_text.h"

#include "ui/rounding.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace velmora {

using ui::round_to_int32;
namespace {

// Walks a text and skips the characters that the parser ignores wherever they stand.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The next meaningful character, upper-cased, or 0 at the end.
    char peek() {
        while (pos_ < text_.size() && is_ignored(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_]))) : 0;
    }
    void advance() { ++pos_; }

private:
    static bool is_ignored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

int digit_value(char c, int radix) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < radix ? value : -1;
}

double read_radix(Reader& in, int radix) {
    // A value of more than 32 bits is beyond any 32-bit pattern: it saturates like a huge decimal.
    std::uint64_t value = 0;
    bool beyond_32_bits = false;
    for (int d; (d = digit_value(in.peek(), radix)) >= 0; in.advance()) {
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) beyond_32_bits = true;
    }
    if (beyond_32_bits) return HUGE_VAL;  // saturates when rounded to 32 bits
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace

double read_number(std::string_view text) {
    Reader in(text);
    if (in.peek() == '&') {
        in.advance();
        const char prefix = in.peek();
        if (prefix == 'H' || prefix == 'O') {
            in.advance();
            return read_radix(in, prefix == 'H' ? 16 : 8);
        }
        return 0;
    }

    // Collect a clean decimal literal and let the C library convert it exactly.
    std::string literal;
    if (in.peek() == '-' || in.peek() == '+') {
        literal.push_back(in.peek());
        in.advance();
    }
    bool any_digit = false;
    for (; std::isdigit(static_cast<unsigned char>(in.peek())); in.advance()) {
        literal.push_back(in.peek());
        any_digit = true;
    }
    if (in.peek() == '.') {
        literal.push_back('.');
        in.advance();
        for (; std::isdigit(static_cast<unsigned char>(in.peek())); in.advance()) {
            literal.push_back(in.peek());
            any_digit = true;
        }
    }
    if (!any_digit) return 0;

    if (in.peek() == 'E' || in.peek() == 'D') {
        in.advance();
        bool negative = false;
        if (in.peek() == '-' || in.peek() == '+') {
            negative = in.peek() == '-';
            in.advance();
        }
        // Exponents are capped at 99999: far past the point where a double over- or underflows.
        long exponent = 0;
        for (; std::isdigit(static_cast<unsigned char>(in.peek())); in.advance())
            exponent = std::min(exponent * 10 + (in.peek() - '0'), 99999L);
        literal += negative ? "e-" : "e";
        literal += std::to_string(exponent);
    }
    // The programs never change the C locale, so strtod reads "." as the decimal point.
    return std::strtod(literal.c_str(), nullptr);
}

std::int32_t read_int32(std::string_view text) {
    return round_to_int32(read_number(text));
}

}  // namespace velmora
