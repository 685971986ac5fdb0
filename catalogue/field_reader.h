// The field syntax of pid.txt and orvane_products.txt: a stream of fields, each
// ended by a comma or a line end, a field in double quotes holding both.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The longest value a field may hold; a longer one is a read error. No catalogue
// comes near it, and it keeps every text box fast: Wine's text boxes take time
// that grows with the square of an unbroken line (4,000 digits take up to a
// second to show, 40,000 letters over fifteen), while every shown field at this
// length fills the boxes in well under half a second.
inline constexpr std::size_t max_field_length = 2048;

struct FieldReader {
    std::string_view bytes;
    std::size_t position = 0;
};

// True once every byte has been read; reading another field is then a read error.
bool at_end(const FieldReader& reader);

// True when nothing but blanks and line ends is left to read (nothing at all
// included): what a text editor often leaves after the last line of a file.
bool only_blank_lines_left(const FieldReader& reader);

// The next field's value, its separator consumed; nothing on a read error (the end
// was already reached, a quote is never closed, or the value is longer than
// max_field_length).
std::optional<std::string> read_field(FieldReader& reader);

}  // namespace orvane
