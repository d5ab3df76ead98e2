// UTF-8 in and out of the game's 16-bit text (the command line and the tests speak UTF-8).
#pragma once

#include <string>
#include <string_view>

// Surrogate halves pass through as they are; every other unit becomes its UTF-8 bytes.
std::string ToUtf8(std::u16string_view text);

// Bytes that are not UTF-8, and characters beyond the 16-bit range, become U+FFFD.
std::u16string FromUtf8(std::string_view text);
