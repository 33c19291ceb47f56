// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellnumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits kept of the significand. Beyond these a single 1 stands for any non-zero rest, which is
// enough for correct rounding of a double (that needs at most 767 significant digits).
constexpr int KeptDigits = 800;
// Decimal exponents are clamped to this size while they are read, so no integer can overflow; any
// exponent past it is already far outside a double's range.
constexpr long long ExponentLimit = 100000;

// Walks the text once, skipping blanks, and collects the number at its start as a sign, the
// significant digits and the decimal exponent of the digit after the last one kept.
class Reader {
public:
    explicit Reader(const QString &text) : m_text(text) {}

    double read()
    {
        bool negative = false;
        if (QChar c = peek(); c == u'+' || c == u'-') {
            negative = c == u'-';
            next();
        }
        bool anyDigit = false;
        bool point = false;
        for (QChar c = peek(); !c.isNull(); c = peek()) {
            if (isDigit(c)) {
                anyDigit = true;
                digit(c.unicode() - u'0', point);
            } else if (c == u'.' && !point) {
                point = true;
            } else {
                break;
            }
            next();
        }
        if (!anyDigit)
            return 0.0;
        if (QChar c = peek(); c == u'E' || c == u'e')
            readExponent();
        return value(negative);
    }

private:
    QChar peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text.at(m_pos)))
            ++m_pos;
        return m_pos < m_text.size() ? m_text.at(m_pos) : QChar();
    }
    void next() { ++m_pos; }

    void digit(int d, bool afterPoint)
    {
        if (m_digits.empty() && d == 0) {
            // Leading zeros only shift the point.
            if (afterPoint)
                --m_pointShift;
            return;
        }
        if (int(m_digits.size()) < KeptDigits) {
            m_digits.push_back(char('0' + d));
            if (afterPoint)
                --m_pointShift;
        } else {
            if (d != 0)
                m_sticky = true;
            if (!afterPoint && m_pointShift < ExponentLimit)
                ++m_pointShift;
        }
    }

    // An exponent counts only when at least one digit follows the E and its sign; otherwise the
    // reading stops before the E.
    void readExponent()
    {
        const qsizetype mark = m_pos;
        next();
        bool negative = false;
        if (QChar c = peek(); c == u'+' || c == u'-') {
            negative = c == u'-';
            next();
        }
        long long exponent = 0;
        bool anyDigit = false;
        for (QChar c = peek(); isDigit(c); c = peek()) {
            anyDigit = true;
            exponent = std::min(exponent * 10 + (c.unicode() - u'0'), ExponentLimit);
            next();
        }
        if (!anyDigit) {
            m_pos = mark;
            return;
        }
        m_exponent = negative ? -exponent : exponent;
    }

    double value(bool negative) const
    {
        if (m_digits.empty())
            return 0.0;
        // The number is 0.DIGITS times ten to the power of this.
        const long long magnitude = m_pointShift + m_exponent + (long long)m_digits.size();
        double result = 0.0;
        if (magnitude > 400) {
            result = std::numeric_limits<double>::max();
        } else if (magnitude < -400) {
            result = 0.0;
        } else {
            std::string text = "0." + m_digits + (m_sticky ? "1" : "") + "e" + std::to_string(magnitude);
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
            Q_UNUSED(end);
            if (error == std::errc::result_out_of_range)
                result = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
        }
        if (result == 0.0)
            return 0.0;
        return negative ? -result : result;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    std::string m_digits;
    bool m_sticky = false;
    long long m_pointShift = 0;
    long long m_exponent = 0;
};

} // namespace

namespace CellNumber {

double read(const QString &text)
{
    return Reader(text).read();
}

double roundHalfEven(double value)
{
    const double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5)
        return whole + 1;
    if (rest < 0.5)
        return whole;
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1;
}

qint16 count(const QString &text)
{
    const double rounded = roundHalfEven(read(text));
    if (rounded >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (rounded <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return qint16(rounded);
}

} // namespace CellNumber
