// Fields are read the way hand-written files are best served: the choices for
// what such files hold beyond the plain syntax are one line each below.
#include "catalogue/field_reader.h"

#include <algorithm>

namespace orvane {
namespace {

// Tabs count as blanks: skipped before a field, trimmed after an unquoted one.
bool is_blank(char c) { return c == ' ' || c == '\t'; }

char current(const FieldReader& reader) { return reader.bytes[reader.position]; }

void skip_separator(FieldReader& reader) {
    if (at_end(reader)) return;
    const char c = current(reader);
    if (c == ',' || c == '\n') {
        ++reader.position;
    } else if (c == '\r') {
        ++reader.position;
        // CR LF is one line end; a lone CR or a lone LF (files from other systems) is one too.
        if (!at_end(reader) && current(reader) == '\n') ++reader.position;
    }
}

// Everything up to the next comma or line end, which is left for skip_separator.
std::string read_unquoted(FieldReader& reader) {
    const std::size_t end = std::min(reader.bytes.find_first_of(",\r\n", reader.position), reader.bytes.size());
    std::string value(reader.bytes.substr(reader.position, end - reader.position));
    reader.position = end;
    // A NUL byte is dropped: a Win32 text ends at the first NUL, so it could never be shown whole.
    std::erase(value, '\0');
    // Trailing blanks of an unquoted value are dropped, so "Name   ,next" means "Name".
    while (!value.empty() && is_blank(value.back())) value.pop_back();
    return value;
}

std::optional<std::string> read_quoted(FieldReader& reader) {
    ++reader.position;  // the opening quote
    std::string value;
    for (;;) {
        // A quote never closed is a read error, not the rest of the file swallowed into one field.
        if (at_end(reader)) return std::nullopt;
        const char c = current(reader);
        ++reader.position;
        if (c == '"') {
            // Two quotes inside a quoted field are one literal quote, as spreadsheets write it.
            if (!at_end(reader) && current(reader) == '"') {
                value += '"';
                ++reader.position;
                continue;
            }
            break;
        }
        if (c == '\r' || c == '\n') {
            // Any line end inside quotes (CR LF, lone CR, lone LF) is kept as CR LF, the one a text box shows.
            if (c == '\r' && !at_end(reader) && current(reader) == '\n') ++reader.position;
            value += "\r\n";
        } else if (c != '\0') {
            value += c;
        }
    }
    // Text after a closing quote is kept ("Big Game" 2 reads Big Game 2); blanks alone there are dropped.
    value += read_unquoted(reader);
    return value;
}

}  // namespace

bool at_end(const FieldReader& reader) { return reader.position >= reader.bytes.size(); }

bool only_blank_lines_left(const FieldReader& reader) {
    return at_end(reader) || reader.bytes.find_first_not_of(" \t\r\n", reader.position) == std::string_view::npos;
}

std::optional<std::string> read_field(FieldReader& reader) {
    if (at_end(reader)) return std::nullopt;
    while (!at_end(reader) && is_blank(current(reader))) ++reader.position;
    std::optional<std::string> value =
        !at_end(reader) && current(reader) == '"' ? read_quoted(reader) : std::optional(read_unquoted(reader));
    if (!value || value->size() > max_field_length) return std::nullopt;
    skip_separator(reader);
    return value;
}

}  // namespace orvane
