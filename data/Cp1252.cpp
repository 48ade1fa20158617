#include "data/Cp1252.h"

#include <array>
#include <cstdint>

namespace qnt {
namespace {

// Unicode code points of bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> kHoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t zuUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHoch[b - 0x80];
    return b;
}

int zuCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (std::size_t i = 0; i < kHoch.size(); ++i)
        if (kHoch[i] == u) return static_cast<int>(0x80 + i);
    return -1;
}

void haengeUtf8An(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns the code point or -1, advancing i.
long naechsterCodepunkt(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int laenge = 0;
    char32_t u = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        laenge = 2;
        u = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        laenge = 3;
        u = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        laenge = 4;
        u = b0 & 0x07;
    } else {
        ++i;
        return -1;
    }
    if (i + laenge > s.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        u = (u << 6) | (b & 0x3F);
    }
    i += laenge;
    return static_cast<long>(u);
}

} // namespace

std::string cp1252ZuUtf8(std::string_view cp) {
    std::string out;
    out.reserve(cp.size() + cp.size() / 4);
    for (char c : cp) haengeUtf8An(out, zuUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ZuCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const long u = naechsterCodepunkt(utf8, i);
        const int b = u < 0 ? -1 : zuCp1252(static_cast<char32_t>(u));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

bool utf8InCp1252(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const long u = naechsterCodepunkt(utf8, i);
        if (u < 0 || zuCp1252(static_cast<char32_t>(u)) < 0) return false;
    }
    return true;
}

char grossCp1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 16); // š œ ž
    if (b == 0xFF) return static_cast<char>(0x9F);                                // ÿ
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);  // à..þ except ÷
    return c;
}

std::string grossCp1252(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = grossCp1252(c);
    return out;
}

} // namespace qnt
