#pragma once
// Texts inside the core are code page 1252 bytes; these are the only two crossings to UTF-8.
#include <string>
#include <string_view>

namespace qnt {

// Every byte 0..255 maps to a character (the five holes of 0x80..0x9F map to the C1 controls).
std::string cp1252ZuUtf8(std::string_view cp);

// Characters code page 1252 cannot hold become '?'. Malformed UTF-8 bytes also become '?'.
std::string utf8ZuCp1252(std::string_view utf8);

// True when every character of the UTF-8 text has a code page 1252 byte.
bool utf8InCp1252(std::string_view utf8);

// Upper-casing by the platform rules of code page 1252: a-z, the accented letters and umlauts,
// the Latin ligatures and y with diaeresis; "ß" and "µ" stay as they are.
char grossCp1252(char c);
std::string grossCp1252(std::string_view s);

} // namespace qnt
