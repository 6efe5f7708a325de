#include "Text.h"

#include "LowerCaseTable.h"
#include "NumberChars.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vandro {

namespace {

String Widen(std::string_view ascii) { return String(ascii.begin(), ascii.end()); }

template <class T> String IntegerText(T value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Widen(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// The "%#.<precision>g" conversion of the C library, built on exactly rounded conversions so
// that every platform gives the same characters.
String AlternateGeneral(double value, int precision) {
    if (std::isnan(value))
        return std::signbit(value) ? u"-nan" : u"nan";
    if (std::isinf(value))
        return value < 0 ? u"-inf" : u"inf";

    char buffer[400];
    char* end = buffer + sizeof buffer;
    char* sci = FloatingChars(buffer, end, value, 'e', precision - 1);
    std::string_view text(buffer, static_cast<std::size_t>(sci - buffer));
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    std::string out;
    if (exponent < -4 || exponent >= precision) {
        out.assign(text.substr(0, e));
        if (precision == 1)
            out += '.';
        out.append(text.substr(e));
    } else {
        char* fixed = FloatingChars(buffer, end, value, 'f', precision - 1 - exponent);
        out.assign(buffer, fixed);
        if (precision - 1 - exponent == 0)
            out += '.';
    }
    return Widen(out);
}

int FindFrom(const String& text, const String& part, std::size_t from) {
    auto at = text.find(part, from);
    return at == String::npos ? -1 : static_cast<int>(at);
}

} // namespace

String IntText(int value) { return IntegerText(value); }
String LongText(std::int64_t value) { return IntegerText(value); }
String FloatText(float value) { return AlternateGeneral(static_cast<double>(value), 9); }
String DoubleText(double value) { return AlternateGeneral(value, 17); }

String CharText(char16_t unit) { return String(1, unit); }

int Find(const String& text, const String& part, int start) {
    if (start < 0)
        start = 0;
    if (static_cast<std::size_t>(start) > text.size())
        return -1;
    return FindFrom(text, part, static_cast<std::size_t>(start));
}

int FindLast(const String& text, const String& part) {
    auto at = text.rfind(part);
    return at == String::npos ? -1 : static_cast<int>(at);
}

String Replace(const String& text, const String& part, const String& with) {
    if (part.empty())
        return text;
    String out;
    std::size_t from = 0;
    for (auto at = text.find(part); at != String::npos; at = text.find(part, from)) {
        out.append(text, from, at - from).append(with);
        from = at + part.size();
    }
    return out.append(text, from, String::npos);
}

String Slice(const String& text, int start, int end) {
    if (end <= start)
        return String();
    String out(static_cast<std::size_t>(end - start), u' ');
    const int size = static_cast<int>(text.size());
    for (int i = std::max(start, 0); i < std::min(end, size); ++i)
        out[static_cast<std::size_t>(i - start)] = text[static_cast<std::size_t>(i)];
    return out;
}

char16_t LowerUnit(char16_t unit) {
    if (unit >= u'A' && unit <= u'Z')
        return static_cast<char16_t>(unit + 32);
    if (unit < 0xC0)
        return unit;
    // The runs are sorted by their first unit: find the last run starting at or before it.
    int lo = 0, hi = kLowerCaseRunCount;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (kLowerCaseRuns[mid].first <= unit)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo == 0)
        return unit;
    const LowerCaseRun& run = kLowerCaseRuns[lo - 1];
    const int distance = unit - run.first;
    if (distance % run.step != 0 || distance / run.step >= run.count)
        return unit;
    return static_cast<char16_t>(unit + run.offset);
}

String Lower(const String& text) {
    String out(text);
    for (auto& unit : out)
        unit = LowerUnit(unit);
    return out;
}

String FromUtf8(std::string_view bytes) {
    String out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
        char32_t cp = extra == 3 ? b & 7u : extra == 2 ? b & 15u : extra == 1 ? b & 31u : b;
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < bytes.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (!ok) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string ToUtf8(const String& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

String EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? FromUtf8(value) : String();
}

} // namespace vandro
