#include "password/scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(Scramble, KnownPairs) {
    struct Case {
        std::string password, stored;
    };
    // "a" (97) uses the second key letter "u" (117): 97 ^ 117 = 0x14 -> "y" (z - 1), "e" (a + 4).
    const Case cases[] = {
        {"", ""},
        {"a", "ye"},
        {"A", "we"},
        {"ab", "yexj"},
        {"12345", "vesjthsgvh"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scramble_password(c.password), c.stored) << c.password;
        EXPECT_EQ(unscramble_password(c.stored), c.password) << c.stored;
    }
}

TEST(Scramble, StoredFormIsPairsOfLettersInTheirRanges) {
    std::string every_byte;
    for (int c = 0; c < 256; ++c) every_byte.push_back(static_cast<char>(c));
    const std::string stored = scramble_password(every_byte);
    ASSERT_EQ(stored.size(), 512u);
    for (std::size_t i = 0; i < stored.size(); i += 2) {
        EXPECT_TRUE(stored[i] >= 'k' && stored[i] <= 'z') << i;
        EXPECT_TRUE(stored[i + 1] >= 'a' && stored[i + 1] <= 'p') << i;
    }
    EXPECT_EQ(unscramble_password(stored), every_byte);
}

TEST(Scramble, KeyCyclesEveryFiveCharacters) {
    const std::string stored = scramble_password("xxxxxxx");
    // Characters 1 and 6 share a key letter; neighbours do not.
    EXPECT_EQ(stored.substr(0, 2), stored.substr(10, 2));
    EXPECT_EQ(stored.substr(2, 2), stored.substr(12, 2));
    EXPECT_NE(stored.substr(0, 2), stored.substr(2, 2));
}

TEST(Scramble, RoundTripsEveryByteAtEveryKeyPositionAndLongPasswords) {
    for (int position = 0; position < 5; ++position) {
        for (int c = 0; c < 256; ++c) {
            std::string password(static_cast<std::size_t>(position), 'q');
            password.push_back(static_cast<char>(c));
            EXPECT_EQ(unscramble_password(scramble_password(password)), password);
        }
    }
    const std::string thirty = "Aa1!zZ9@ -_=+[]{};:'\",.<>/?`~\\";
    ASSERT_EQ(thirty.size(), 30u);
    EXPECT_EQ(scramble_password(thirty).size(), 60u);
    EXPECT_EQ(unscramble_password(scramble_password(thirty)), thirty);
}

TEST(Scramble, MalformedStoredFormsDecodeWholePairsModulo16) {
    struct Case {
        std::string stored, password;
    };
    const std::string a = "a";
    const Case cases[] = {
        {"y", ""},               // a lone letter is dropped
        {"yeu", a},              // so is a trailing one
        {"ye\xff", a},
        {"je", unscramble_password("ze")},  // "j" is 16 below "z": the same nibble as "z"
        {"yu", unscramble_password("ye")},  // "u" is 16 above "e"
        {std::string("\0\0", 2), unscramble_password(std::string(1, char('z' - 10)) + char('a' + 15))},
    };
    for (const Case& c : cases) EXPECT_EQ(unscramble_password(c.stored), c.password);
    // Whatever the bytes, the result has one character per whole pair.
    std::string noise;
    for (int i = 0; i < 301; ++i) noise.push_back(static_cast<char>(i * 37));
    EXPECT_EQ(unscramble_password(noise).size(), 150u);
}

}  // namespace
}  // namespace velmora
