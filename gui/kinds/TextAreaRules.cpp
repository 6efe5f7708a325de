#include "TextAreaRules.h"

#include "gui/TextAreaFunctions.h"

#include <algorithm>

namespace vandro {

TTextSpan TextSpan(int position, int length, int units, int total,
                   const std::function<int(int)>& lineStart) {
    const auto lineOr = [&](int line) {
        const int at = lineStart(line);
        return at < 0 ? total : std::min(at, total);
    };
    TTextSpan span;
    if (units == TextLines) {
        span.start = lineOr(std::max(position, 0));
        span.end = length < 0 ? total : lineOr(std::max(position, 0) + length);
    } else {
        span.start = std::clamp(position, 0, total);
        span.end = length < 0 ? total
                              : static_cast<int>(std::min<long long>(
                                    static_cast<long long>(span.start) + length, total));
    }
    span.end = std::max(span.end, span.start);
    return span;
}

String LineFeedsOnly(const String& text) {
    String out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

String WithFinalReturn(const String& text) {
    String out = text;
    if (!out.empty() && out.back() == u'\n')
        out.back() = u'\r';
    return out;
}

} // namespace vandro
