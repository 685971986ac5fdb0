#include "password/scramble.h"

namespace velmora {
namespace {

constexpr std::string_view key = "ruKTB";

// Character j (counted from 1) uses key letter (j mod 5) + 1, so the first
// character takes the second letter and the cycle repeats every five.
unsigned char key_byte_for(std::size_t j) {
    return static_cast<unsigned char>(key[j % key.size()]);
}

}  // namespace

std::string scramble_password(std::string_view password) {
    std::string scrambled;
    scrambled.reserve(password.size() * 2);
    for (std::size_t j = 1; j <= password.size(); ++j) {
        const unsigned x = static_cast<unsigned char>(password[j - 1]) ^ key_byte_for(j);
        scrambled.push_back(static_cast<char>('z' - (x >> 4)));
        scrambled.push_back(static_cast<char>('a' + (x & 15)));
    }
    return scrambled;
}

std::string unscramble_password(std::string_view scrambled_password) {
    std::string password;
    password.reserve(scrambled_password.size() / 2);
    // A form we never write (odd length, letters outside "k".."z" / "a".."p", other
    // bytes) decodes each whole pair with its nibbles taken modulo 16; a lone last letter is dropped.
    for (std::size_t i = 0; i + 1 < scrambled_password.size(); i += 2) {
        const unsigned high = (unsigned{'z'} - static_cast<unsigned char>(scrambled_password[i])) & 15;
        const unsigned low = (static_cast<unsigned char>(scrambled_password[i + 1]) - unsigned{'a'}) & 15;
        const std::size_t j = i / 2 + 1;
        password.push_back(static_cast<char>((high * 16 + low) ^ key_byte_for(j)));
    }
    return password;
}

}  // namespace velmora
