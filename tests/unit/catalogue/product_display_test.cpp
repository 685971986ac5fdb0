// Showing a product and the addresses the buttons open: the partner code on web
// sites only, and only web addresses ever handed to the browser.
#include "catalogue/addresses.h"
#include "catalogue/product_display.h"
#include "catalogue/product_reading.h"

#include "tests/unit/catalogue/catalogue_fixtures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using fixtures::fresh_state;
using fixtures::record;

TEST(CatalogueDisplay, WebSiteCarriesThePartnerCodeDownloadLinkDoesNot) {
    auto state = fresh_state();
    state->pid = "7";
    ASSERT_EQ(read_records(*state, record("A", "About A", "page", "http://d/a.exe")), ReadResult::loaded);
    EXPECT_TRUE(state->selected_home_url.empty());
    EXPECT_TRUE(state->selected_download_url.empty());

    const Product* shown = update_display(*state, "A");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->description, "About A");
    EXPECT_EQ(state->selected_home_url, "page?PL=7");
    EXPECT_EQ(state->selected_download_url, "http://d/a.exe");
}

TEST(CatalogueDisplay, OfTwoProductsOfTheSameNameTheFirstIsShown) {
    auto state = fresh_state();
    ASSERT_EQ(read_records(*state, record("Twin", "first", "http://one/", "http://one/dl") +
                                       record("Twin", "second", "http://two/", "http://two/dl")),
              ReadResult::loaded);
    EXPECT_EQ(update_display(*state, "Twin")->description, "first");
    EXPECT_EQ(state->selected_home_url, "http://one/?PL=");
    EXPECT_EQ(state->selected_download_url, "http://one/dl");
}

TEST(CatalogueDisplay, NoSuchNameChangesNothing) {
    auto state = fresh_state();
    ASSERT_EQ(read_records(*state, record("A")), ReadResult::loaded);
    update_display(*state, "A");
    const std::string home = state->selected_home_url, download = state->selected_download_url;
    for (const char* name : {"a", "", "A ", "B"}) {
        EXPECT_EQ(update_display(*state, name), nullptr) << name;
        EXPECT_EQ(state->selected_home_url, home);
        EXPECT_EQ(state->selected_download_url, download);
    }
}

TEST(CatalogueDisplay, AListEntryShowsTheFirstRecordOfItsName) {
    auto state = fresh_state();
    const std::string long_name(600, 'N');
    ASSERT_EQ(read_records(*state, record("A", "about A", "http://a/") + record("Twin", "first twin") +
                                       record("Twin", "second twin") + record(long_name, "about the long one")),
              ReadResult::loaded);
    struct Case {
        int entry;
        const char* description;  // null: no record, nothing changes
    };
    const Case cases[] = {
        {0, "about A"}, {1, "first twin"}, {2, "first twin"}, {3, "about the long one"}, {-1, nullptr}, {4, nullptr},
    };
    for (const Case& c : cases) {
        update_display(*state, "A");
        const Product* shown = update_display_for_entry(*state, c.entry);
        if (!c.description) {
            EXPECT_EQ(shown, nullptr) << c.entry;
            EXPECT_EQ(state->selected_home_url, "http://a/?PL=") << c.entry;
            continue;
        }
        ASSERT_NE(shown, nullptr) << c.entry;
        EXPECT_EQ(shown->description, c.description) << c.entry;
    }
}

TEST(CatalogueAddresses, PartnerCodeIsAppendedAsItStands) {
    struct Case {
        const char* address;
        const char* pid;
        const char* expected;
    };
    const Case cases[] = {
        {"page", "7", "page?PL=7"},
        {"http://w.example.com/", "1001", "http://w.example.com/?PL=1001"},
        {"http://w.example.com/?lang=en", "1001", "http://w.example.com/?lang=en?PL=1001"},
        {"http://w.example.com/", "", "http://w.example.com/?PL="},
        {"", "1001", "?PL=1001"},
    };
    for (const Case& c : cases) EXPECT_EQ(with_partner_code(c.address, c.pid), c.expected) << c.address << " " << c.pid;
    EXPECT_EQ(home_page_address("1001"), "http://www.orvane.example.com/?PL=1001");
}

TEST(CatalogueAddresses, OnlyWebAddressesGoToTheBrowser) {
    struct Case {
        const char* address;
        bool web;
    };
    const Case cases[] = {
        {"http://www.orvane.example.com/?PL=1", true},
        {"HTTPS://download.orvane.example.com/a.exe", true},
        {"http://x/a b", true},
        {"", false},
        {"?PL=1001", false},
        {"www.orvane.example.com", true},
        {"ftp://files.orvane.example.com/a.zip", true},
        {"C:\\Windows\\System32\\calc.exe", false},
        {"file:///C:/Windows/System32/calc.exe", false},
        {"httpx://x/", false},
        {"http://x/\" --argument", false},
        {"http://x/\r\nmore", false},
        {"http://x/\x7F", false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_web_address(c.address), c.web) << c.address;
}

}  // namespace
}  // namespace orvane
