// Building and checking the addresses the catalogue's buttons open.
#include "catalogue/addresses.h"

#include <algorithm>
#include <cctype>

namespace orvane {
namespace {

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

std::string with_partner_code(std::string_view address, std::string_view pid) {
    std::string out(address);
    out += "?PL=";
    out += pid;
    return out;
}

std::string home_page_address(std::string_view pid) { return with_partner_code(maker_home_page, pid); }

bool is_web_address(std::string_view address) {
    static constexpr std::string_view web_prefixes[] = {"http://", "https://", "ftp://", "www."};
    const bool web = std::any_of(std::begin(web_prefixes), std::end(web_prefixes),
                                 [&](std::string_view prefix) { return starts_with_ignoring_case(address, prefix); });
    return web && std::none_of(address.begin(), address.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return c == '"' || byte < 0x20 || byte == 0x7F;
           });
}

}  // namespace orvane
