// The field syntax of the data files, including the choices made for what
// hand-written files hold beyond the plain syntax.
#include "catalogue/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace orvane {
namespace {

constexpr const char* read_error = "<read error>";

// Every field up to the end of the bytes; a read error ends the list with its marker.
std::vector<std::string> all_fields(std::string_view bytes) {
    FieldReader reader{bytes};
    std::vector<std::string> fields;
    while (!at_end(reader)) {
        std::optional<std::string> field = read_field(reader);
        if (!field) {
            fields.push_back(read_error);
            break;
        }
        fields.push_back(*field);
    }
    return fields;
}

TEST(CatalogueFieldReader, ReadsTheFieldsOfAText) {
    using namespace std::string_view_literals;
    struct Case {
        const char* what;
        std::string_view input;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"comma and CR LF end fields", "a,b\r\nc", {"a", "b", "c"}},
        {"blanks before a field are skipped", "  a,\t b", {"a", "b"}},
        {"quoted comma and line end belong to the field", "\"a, b\r\nc\",d", {"a, b\r\nc", "d"}},
        {"quoted blanks are kept", "\"  a  \",b", {"  a  ", "b"}},
        {"nothing between separators is an empty field", "a,,b", {"a", "", "b"}},
        {"an empty line is an empty field", "a\r\n\r\nb", {"a", "", "b"}},
        {"a separator at the very end starts no field", "a,", {"a"}},
        {"a line end at the very end starts no field", "a\r\n", {"a"}},
        {"an empty quoted field", "\"\",b", {"", "b"}},
        {"blanks before the end are one empty field", "a,  ", {"a", ""}},
        {"a quote inside an unquoted field is text", "ab\"c,d", {"ab\"c", "d"}},
        {"a quote never closed is a read error", "a,\"bc\r\nd", {"a", read_error}},
        {"a lone quote at the end is a read error", "a,\"", {"a", read_error}},
        // The finer points.
        {"a lone LF ends a field", "a\nb\n", {"a", "b"}},
        {"a lone CR ends a field", "a\rb\r", {"a", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"trailing blanks of unquoted fields are dropped", "a  \t,b \r\n", {"a", "b"}},
        {"a tab inside a field is kept", "a\tb,c", {"a\tb", "c"}},
        {"any line end inside quotes becomes CR LF", "\"1\n2\r3\r\n4\"", {"1\r\n2\r\n3\r\n4"}},
        {"two quotes inside quotes are one quote", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"a doubled quote before the end is still unclosed", "\"ab\"\"", {read_error}},
        {"text after the closing quote is kept", "\"Big Game\" 2,x", {"Big Game 2", "x"}},
        {"blanks after the closing quote are dropped", "\"a\"  \t,b", {"a", "b"}},
        {"NUL bytes are dropped", "a\0b,\"c\0\"\0,d"sv, {"ab", "c", "d"}},
        {"other bytes pass unchanged", "\xE9t\xE9\x01,\xFF", {"\xE9t\xE9\x01", "\xFF"}},
    };
    for (const Case& c : cases) EXPECT_EQ(all_fields(c.input), c.fields) << c.what;
}

TEST(CatalogueFieldReader, ReadingAtTheEndIsAReadError) {
    FieldReader empty{""};
    EXPECT_TRUE(at_end(empty));
    EXPECT_FALSE(read_field(empty).has_value());

    FieldReader one{"only\r\n"};
    EXPECT_EQ(read_field(one), "only");
    EXPECT_TRUE(at_end(one));
    EXPECT_FALSE(read_field(one).has_value());
}

TEST(CatalogueFieldReader, AValueLongerThanTheBoundIsAReadError) {
    const std::string at_bound(max_field_length, 'x'), past_bound(max_field_length + 1, 'x');
    const std::string quoted_at_bound = "\"" + std::string(max_field_length - 4, ',') + "\r\n\r\n\"";
    struct Case {
        const char* what;
        std::string input;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"unquoted, at the bound", at_bound + ",y", {at_bound, "y"}},
        {"unquoted, one past it", past_bound + ",y", {read_error}},
        {"quoted commas and line ends, at the bound", quoted_at_bound + ",y",
         {std::string(max_field_length - 4, ',') + "\r\n\r\n", "y"}},
        {"quoted, one past it", "\"" + past_bound + "\",y", {read_error}},
        {"trailing blanks dropped before counting", at_bound + "   ,y", {at_bound, "y"}},
        {"a lone LF inside quotes counts as the CR LF it becomes",
         "\"" + std::string(max_field_length - 1, 'x') + "\n\",y", {read_error}},
        {"a field of a megabyte", "a,\"" + std::string(1 << 20, 'x') + "\",y", {"a", read_error}},
    };
    for (const Case& c : cases) EXPECT_EQ(all_fields(c.input), c.fields) << c.what;
}

}  // namespace
}  // namespace orvane
