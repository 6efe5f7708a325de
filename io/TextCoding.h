// One character of a text stream's encoding, decoded from or encoded to bytes. Text streams
// decode character by character from their stream and in bulk from a buffer; both go
// through these templates, so they cannot come to different texts.
#pragma once

#include <cstdint>

namespace vandro::textcoding {

constexpr int LATIN1 = 1, UTF8 = 2, UTF16BE = 3, UTF16LE = 4;
constexpr char32_t kReplacement = 0xFFFD;

constexpr char16_t HighSurrogate(char32_t code) {
    return static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
}
constexpr char16_t LowSurrogate(char32_t code) {
    return static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
}

// Bytes come from in.Next(), which answers -1 at the end; in.Unread() gives back the byte
// just taken. Answers a code point up to 0x10FFFF; what cannot be decoded is U+FFFD.
// Overlong forms and three-byte surrogates decode as they are: they are how files of this
// program spelled characters beyond U+FFFF before it wrote four-byte sequences.
template <class Source> char32_t DecodeUtf8(int first, Source& in) {
    if (first < 0x80)
        return static_cast<char32_t>(first);
    if (first < 0xC0 || first >= 0xF8)
        return kReplacement;
    const int extra = first < 0xE0 ? 1 : first < 0xF0 ? 2 : 3;
    char32_t code = static_cast<char32_t>(first & (0x3F >> extra));
    for (int k = 0; k < extra; ++k) {
        const int next = in.Next();
        if (next < 0)
            return kReplacement;
        if ((next & 0xC0) != 0x80) {
            // Not part of this character: the start of the next one.
            in.Unread();
            return kReplacement;
        }
        code = code << 6 | static_cast<char32_t>(next & 0x3F);
    }
    if (extra == 3 && (code < 0x10000 || code > 0x10FFFF))
        return kReplacement;
    return code;
}

template <class Source> char32_t DecodeCharacter(int encoding, int first, Source& in) {
    if (encoding == UTF8)
        return DecodeUtf8(first, in);
    if (encoding != UTF16BE && encoding != UTF16LE)
        return static_cast<char32_t>(first);
    const int second = in.Next();
    if (second < 0)
        return kReplacement;
    return static_cast<char32_t>(encoding == UTF16BE ? first << 8 | second : second << 8 | first);
}

// out.Put(byte) takes each byte. Codes beyond U+FFFF become four UTF-8 bytes or a UTF-16
// surrogate pair; Latin-1 keeps the low byte of any code.
template <class Sink> void EncodeCharacter(int encoding, char32_t code, Sink& out) {
    const auto put = [&out](char32_t byte) { out.Put(static_cast<std::uint8_t>(byte & 0xFF)); };
    if (encoding == UTF8) {
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 + (code >> 6));
            put(0x80 + (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 + (code >> 12));
            put(0x80 + ((code >> 6) & 0x3F));
            put(0x80 + (code & 0x3F));
        } else {
            put(0xF0 + (code >> 18));
            put(0x80 + ((code >> 12) & 0x3F));
            put(0x80 + ((code >> 6) & 0x3F));
            put(0x80 + (code & 0x3F));
        }
    } else if (encoding == UTF16BE || encoding == UTF16LE) {
        if (code >= 0x10000) {
            EncodeCharacter(encoding, HighSurrogate(code), out);
            code = LowSurrogate(code);
        }
        if (encoding == UTF16BE)
            put(code >> 8);
        put(code);
        if (encoding == UTF16LE)
            put(code >> 8);
    } else {
        put(code);
    }
}

} // namespace vandro::textcoding
