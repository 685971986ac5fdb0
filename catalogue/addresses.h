// The addresses the catalogue opens: the maker's home page, web sites carrying the
// partner code, and which addresses may be handed to the browser at all.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view maker_home_page = "http://www.orvane.example.com/";

// The address followed by "?PL=" and the partner code. The address is not
// examined: partner sites parse the code from this exact form, so it is appended
// even when the address already holds a query or is empty.
std::string with_partner_code(std::string_view address, std::string_view pid);

// The maker's home page with the partner code.
std::string home_page_address(std::string_view pid);

// Whether the address may go to the shell: a web address (http://, https://,
// ftp:// or one beginning "www.") with no quote or control character, so a data
// file can neither start a program nor add arguments to the browser's command line.
bool is_web_address(std::string_view address);

}  // namespace orvane
