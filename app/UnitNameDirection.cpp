#include "app/UnitNameDirection.h"

#include <algorithm>
#include <string>

namespace ratio {

namespace {

using CodePoints = std::u32string;
using Span = std::pair<std::size_t, std::size_t>; // begin, end

constexpr char32_t leftToRightIsolate = 0x2066;
constexpr char32_t popDirectionalIsolate = 0x2069;

bool isRightToLeft(char32_t c) {
    const QChar::Direction direction = QChar::direction(c);
    return direction == QChar::DirR || direction == QChar::DirAL;
}

bool isLeftToRight(char32_t c) {
    return QChar::direction(c) == QChar::DirL;
}

bool isSpace(char32_t c) {
    return QChar::isSpace(c);
}

bool isOpening(char32_t c) {
    return c == u'(' || c == u'[' || c == u'{';
}

bool isClosing(char32_t c) {
    return c == u')' || c == u']' || c == u'}';
}

bool isIsolateControl(char32_t c) {
    return c >= 0x2066 && c <= 0x2069;
}

// The end of the word that starts at `from`: a bracket opened in it closes
// in it, spaces and all, unless the run ends first.
std::size_t wordEnd(const CodePoints& text, std::size_t from, std::size_t end) {
    int depth = 0;
    std::size_t at = from;
    for (; at < end && (depth > 0 || !isSpace(text[at])); ++at) {
        if (isOpening(text[at]))
            ++depth;
        else if (isClosing(text[at]) && depth > 0)
            --depth;
    }
    return at;
}

// Drops a bracket at either edge whose partner lies outside `span`: the
// bracket belongs to the right-to-left text around it and is mirrored with it.
Span withoutLooseBrackets(const CodePoints& text, Span span) {
    auto [begin, end] = span;
    while (begin < end) {
        int depth = 0;
        int lowest = 0;
        for (std::size_t at = begin; at < end; ++at) {
            depth += isOpening(text[at]) ? 1 : isClosing(text[at]) ? -1 : 0;
            lowest = std::min(lowest, depth);
        }
        if (depth > lowest && isOpening(text[begin]))
            ++begin;
        else if (lowest < 0 && isClosing(text[end - 1]))
            --end;
        else
            break;
        while (begin < end && isSpace(text[begin]))
            ++begin;
        while (begin < end && isSpace(text[end - 1]))
            --end;
    }
    return {begin, end};
}

// The part of the run [begin, end), which holds no right-to-left letter, that
// reads left to right: from the word of its first left-to-right letter to the
// word of its last. Empty when the run has none (digits and symbols alone
// already keep their order).
Span leftToRightPart(const CodePoints& text, std::size_t begin, std::size_t end) {
    std::size_t first = CodePoints::npos;
    std::size_t last = CodePoints::npos;
    for (std::size_t at = begin; at < end;) {
        if (isSpace(text[at])) {
            ++at;
            continue;
        }
        const std::size_t next = wordEnd(text, at, end);
        if (std::any_of(text.begin() + static_cast<std::ptrdiff_t>(at),
                        text.begin() + static_cast<std::ptrdiff_t>(next), isLeftToRight)) {
            if (first == CodePoints::npos)
                first = at;
            last = next;
        }
        at = next;
    }
    if (first == CodePoints::npos)
        return {begin, begin};
    return withoutLooseBrackets(text, {first, last});
}

} // namespace

QString unitNameForDirection(const QString& text, Qt::LayoutDirection paragraph) {
    if (paragraph != Qt::RightToLeft)
        return text;
    const CodePoints points = text.toStdU32String();
    if (std::any_of(points.begin(), points.end(), isIsolateControl))
        return text;
    CodePoints shown;
    shown.reserve(points.size() + 4);
    for (std::size_t at = 0; at < points.size();) {
        if (isRightToLeft(points[at])) {
            shown.push_back(points[at++]);
            continue;
        }
        std::size_t runEnd = at;
        while (runEnd < points.size() && !isRightToLeft(points[runEnd]))
            ++runEnd;
        const auto [begin, end] = leftToRightPart(points, at, runEnd);
        shown.append(points.substr(at, begin - at));
        if (begin < end) {
            shown.push_back(leftToRightIsolate);
            shown.append(points.substr(begin, end - begin));
            shown.push_back(popDirectionalIsolate);
        }
        shown.append(points.substr(end, runEnd - end));
        at = runEnd;
    }
    return QString::fromStdU32String(shown);
}

} // namespace ratio
