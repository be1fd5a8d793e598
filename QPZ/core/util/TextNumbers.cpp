#include "TextNumbers.h"

#include <cmath>
#include <limits>

namespace {

bool IsSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text with the skipped characters removed; they may stand anywhere, even between digits.
QString Compact(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!IsSkipped(c))
            out.append(c);
    }
    return out;
}

double ReadHex(QStringView digits)
{
    quint64 value = 0;
    for (QChar c : digits) {
        const int d = QStringView(u"0123456789ABCDEF").indexOf(c.toUpper());
        if (d < 0)
            break;
        value = (value << 4) | quint64(d);
        if (value > 0xFFFFFFFFull)
            return 0; // Overflow: no valid 32-bit number.
    }
    // Eight hexadecimal digits describe a 32-bit pattern, as colours and port masks are stored.
    return double(qint32(quint32(value)));
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double LenientNumber(QStringView text)
{
    const QString s = Compact(text);
    if (s.size() >= 2 && s[0] == u'&' && s[1].toUpper() == u'H')
        return ReadHex(QStringView(s).mid(2));

    qsizetype i = 0;
    const qsizetype n = s.size();
    QString number;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        number.append(s[i++]);
    bool anyDigit = false;
    while (i < n && IsDigit(s[i])) {
        number.append(s[i++]);
        anyDigit = true;
    }
    if (i < n && s[i] == u'.') {
        number.append(s[i++]);
        while (i < n && IsDigit(s[i])) {
            number.append(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            exponent.append(s[j++]);
        const qsizetype digitsStart = j;
        while (j < n && IsDigit(s[j]))
            exponent.append(s[j++]);
        if (j > digitsStart)
            number.append(exponent);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok) // Only an exponent out of range can fail here.
        return std::isinf(value) ? value : 0;
    return value;
}

int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // nearbyint rounds with the current rounding mode, which is round-half-to-even by default.
    const double rounded = std::nearbyint(value);
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

QString AddBackslash(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}
