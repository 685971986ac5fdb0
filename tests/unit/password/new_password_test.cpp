#include "password/frm_newpassword.h"
#include "password/scramble.h"
#include "tests/unit/password/fake_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace velmora {
namespace {

using testing::FakeUsLayout;

TEST(NormalizePassword, EachCharacterBecomesWhatItsKeyTypesWithoutShift) {
    struct Case {
        std::string typed, normal;
    };
    const Case cases[] = {
        {"", ""},
        {"abcxyz", "ABCXYZ"},
        {"ABC", "ABC"},
        {"a!b", "A1B"},
        {")!@#$%^&*(", "0123456789"},
        {"0123456789", "0123456789"},
        {"_+{}|:\"<>?~", "-=[]\\;',./`"},
        {"-=[]\\;',./`", "-=[]\\;',./`"},
        {"Hello World", "HELLO WORLD"},
    };
    const FakeUsLayout us;
    for (const Case& c : cases) EXPECT_EQ(normalize_password(c.typed, us), c.normal) << c.typed;
}

TEST(NormalizePassword, CharactersWithoutAKeyOfTheirOwnAreKept) {
    FakeUsLayout layout;
    // No key types "é" or "£" on a US keyboard.
    EXPECT_EQ(normalize_password("caf\xE9 \xA3" "5", layout), "CAF\xE9 \xA3" "5");
    // On US-International the quote key is a dead key: its characters stay as typed.
    layout.international = true;
    EXPECT_EQ(normalize_password("it's \"x\"", layout), "IT'S \"X\"");
    // Both bytes of a two-byte character stay, though the second looks like a letter;
    // a lead byte that ends the text is one more character without a key.
    layout.lead_bytes = {0x82};
    EXPECT_EQ(normalize_password("a\x82" "a" "b\x82", layout), "A\x82" "a" "B\x82");
}

TEST(NormalizePassword, KeepsTheLengthOfAnyText) {
    FakeUsLayout layout;
    layout.lead_bytes = {0x81, 0x9F};
    std::string every_byte;
    for (int c = 1; c < 256; ++c) every_byte.push_back(static_cast<char>(c));
    EXPECT_EQ(normalize_password(every_byte, layout).size(), every_byte.size());
}

TEST(CheckNewPassword, Verdicts) {
    struct Case {
        const char* what;
        std::string first, second;
        NewPasswordVerdict verdict;
        std::string normal_first;
    };
    const std::string thirty(30, 'q'), thirty_one(31, 'q');
    const Case cases[] = {
        {"both empty clears the password", "", "", NewPasswordVerdict::accepted, ""},
        {"the same twice", "secret", "secret", NewPasswordVerdict::accepted, "SECRET"},
        {"letter case does not matter", "Secret", "sECRET", NewPasswordVerdict::accepted, "SECRET"},
        {"a shifted character and its key agree", "a!b", "A1B", NewPasswordVerdict::accepted, "A1B"},
        {"different entries", "secret", "secrets", NewPasswordVerdict::mismatch, "SECRET"},
        {"different shifted characters", "a!b", "a@b", NewPasswordVerdict::mismatch, "A1B"},
        {"30 characters", thirty, thirty, NewPasswordVerdict::accepted, std::string(30, 'Q')},
        {"31 characters", thirty_one, thirty_one, NewPasswordVerdict::too_long, std::string(31, 'Q')},
        {"mismatch is tested before length", thirty_one, std::string(31, 'r'), NewPasswordVerdict::mismatch,
         std::string(31, 'Q')},
        {"mismatch before length, lengths differing", thirty_one, thirty_one + "q", NewPasswordVerdict::mismatch,
         std::string(31, 'Q')},
    };
    const FakeUsLayout us;
    for (const Case& c : cases) {
        const NewPasswordCheck check = check_new_password(c.first, c.second, us);
        EXPECT_EQ(check.verdict, c.verdict) << c.what;
        EXPECT_EQ(check.new_password, c.normal_first) << c.what;
        EXPECT_EQ(check.confirmation, normalize_password(c.second, us)) << c.what;
    }
}

TEST(StoreNewPassword, WritesTheScrambledFormToMiscAtOnce) {
    Settings settings;
    settings.password = "OLD";
    MemorySettingsStore store;
    store_new_password(settings, store, std::string(30, 'Q'));
    EXPECT_EQ(settings.password, std::string(30, 'Q'));
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].first, "misc");
    EXPECT_EQ(store.writes[0].second.size(), 60u);
    EXPECT_EQ(store.writes[0].second, settings.scrambled_password);
    EXPECT_EQ(unscramble_password(store.values["misc"]), std::string(30, 'Q'));

    store_new_password(settings, store, "");
    EXPECT_EQ(settings.password, "");
    EXPECT_EQ(store.values["misc"], "");
}

}  // namespace
}  // namespace velmora
