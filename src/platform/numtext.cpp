#include "numtext.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Infinity and NaN have no digits: every form shows them as a word, so that a value that
// overflowed reads as what it is ("Inf", "-Inf", "NaN") instead of garbage.
QString non_finite_text(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// |value| as significant decimal digits d1 d2 ... dn with the value 0.d1d2...dn * 10^exponent.
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

Decimal decimal_of(double magnitude, int significant)
{
    Decimal d;
    if (magnitude == 0.0) {
        d.digits.assign(1, '0');
        d.exponent = 1;
        return d;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, magnitude);
    const std::string text = buffer;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

QString format_digits(double value, QStringView pattern, int significant)
{
    if (!std::isfinite(value))
        return non_finite_text(value);
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integer_part = point < 0 ? pattern : pattern.first(point);
    const int min_integer_digits = int(integer_part.count(u'0'));
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);

    Decimal d = decimal_of(std::fabs(value), significant);
    // Keep the digits down to 10^-decimals, rounding half away from zero on the magnitude.
    const int keep = d.exponent + decimals;
    std::string kept;
    if (keep >= 0) {
        kept = d.digits.substr(0, std::min<std::size_t>(std::size_t(keep), d.digits.size()));
        kept.resize(std::size_t(keep), '0');
        if (std::size_t(keep) < d.digits.size() && d.digits[std::size_t(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[std::size_t(i)] == '9')
                kept[std::size_t(i--)] = '0';
            if (i >= 0)
                ++kept[std::size_t(i)];
            else
                kept.insert(kept.begin(), '1');
        }
    }
    // kept now holds the number times 10^decimals as a digit string (possibly empty).
    if (kept.size() < std::size_t(decimals))
        kept.insert(kept.begin(), std::size_t(decimals) - kept.size(), '0');
    std::string integer = kept.substr(0, kept.size() - std::size_t(decimals));
    const std::string fraction = kept.substr(kept.size() - std::size_t(decimals));
    while (!integer.empty() && integer.front() == '0')
        integer.erase(integer.begin());
    if (integer.size() < std::size_t(min_integer_digits))
        integer.insert(integer.begin(), std::size_t(min_integer_digits) - integer.size(), '0');

    const bool nonzero = kept.find_first_not_of('0') != std::string::npos;
    std::string text = (value < 0 && nonzero) ? "-" : "";
    text += integer;
    if (decimals > 0)
        text += "." + fraction;
    return QString::fromStdString(text);
}

// The runtime's general number text: significant digits without trailing zeros, no zero
// before the decimal point, E notation for very large and very small numbers.
QString general_text(double value, int significant)
{
    if (!std::isfinite(value))
        return non_finite_text(value);
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significant, value);
    QString text = QString::fromLatin1(buffer);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

QString with_sign_blank(double value, QString text)
{
    return value >= 0 || std::isnan(value) ? QLatin1Char(' ') + text : text;
}

} // namespace

QString format_number(double value, QStringView pattern)
{
    return format_digits(value, pattern, 15);
}

QString format_number(float value, QStringView pattern)
{
    return format_digits(double(value), pattern, 7);
}

QString str_form(double value) { return with_sign_blank(value, general_text(value, 15)); }

QString str_form(float value)
{
    return with_sign_blank(double(value), general_text(double(value), 7));
}

QString str_form(int value) { return with_sign_blank(value, QString::number(value)); }

QString plain_form(double value) { return general_text(value, 15); }

QString plain_form(float value) { return general_text(double(value), 7); }

QString plain_form(int value) { return QString::number(value); }

QString print_form(double value) { return str_form(value) + QLatin1Char(' '); }

QString print_form(float value) { return str_form(value) + QLatin1Char(' '); }

QString single_text(float value)
{
    if (!std::isfinite(value))
        return non_finite_text(double(value));
    if (value == 0.0f)
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7G", double(value));
    return QString::fromLatin1(buffer);
}

QString with_decimal_separator(QString text, QChar separator)
{
    if (separator != u'.')
        text.replace(u'.', separator);
    return text;
}
