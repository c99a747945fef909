// SPDX-License-Identifier: MIT
#include "echo.h"

#include <QDir>

namespace fourier {

namespace {

/// A quoted text is echoed at most this many characters long.
constexpr qsizetype longestEcho = 40;

/// The escape of control character \a c: a C escape where C has a short one, else \xHH (or
/// \uHHHH beyond Latin-1: the line and paragraph separators, which end a line too).
QString escapeOf(char16_t c)
{
    switch (c) {
    case u'\0':
        return QStringLiteral("\\0");
    case u'\a':
        return QStringLiteral("\\a");
    case u'\b':
        return QStringLiteral("\\b");
    case u'\t':
        return QStringLiteral("\\t");
    case u'\n':
        return QStringLiteral("\\n");
    case u'\v':
        return QStringLiteral("\\v");
    case u'\f':
        return QStringLiteral("\\f");
    case u'\r':
        return QStringLiteral("\\r");
    default:
        break;
    }
    constexpr int hexadecimal = 16;
    if (c <= 0xff)
        return QStringLiteral("\\x%1").arg(static_cast<int>(c), 2, hexadecimal, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(static_cast<int>(c), 4, hexadecimal, QLatin1Char('0'));
}

bool needsEscape(QChar c)
{
    // Cc: C0, DEL and C1; Zl and Zp: the Unicode line and paragraph separators.
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

} // namespace

QString withControlsEscaped(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (needsEscape(c))
            escaped += escapeOf(c.unicode());
        else
            escaped += c;
    }
    return escaped;
}

QString shownPath(const QString& path)
{
    return withControlsEscaped(QDir::toNativeSeparators(path));
}

QString echoed(const QString& text)
{
    const QString shown = text.size() <= longestEcho ? text : text.left(longestEcho) + u'\u2026';
    return withControlsEscaped(shown);
}

} // namespace fourier
