#pragma once

// Unicode blocks of the scripts recognition tells apart, in one place.
namespace Scripts {

constexpr bool isKana(char32_t c)
{
    return c >= 0x3040 && c <= 0x30FF;
}

// Unified ideographs and their first extension: what Chinese and Japanese text uses.
constexpr bool isHan(char32_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF);
}

constexpr bool isHangul(char32_t c)
{
    return c >= 0xAC00 && c <= 0xD7AF;
}

constexpr bool isCJK(char32_t c)
{
    return isHan(c) || isKana(c) || isHangul(c);
}

// Scripts written without spaces between words, with their punctuation and full-width forms.
constexpr bool isUnspaced(char32_t c)
{
    return isHan(c) || isKana(c)
        || (c >= 0x2E80 && c <= 0x2FFF)    // CJK radicals
        || (c >= 0x3000 && c <= 0x303F)    // CJK punctuation
        || (c >= 0xF900 && c <= 0xFAFF)    // compatibility ideographs
        || (c >= 0xFF00 && c <= 0xFFEF);   // full-width forms
}

constexpr bool isAsciiLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

} // namespace Scripts
