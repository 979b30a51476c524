#include "platform/LeadingNumber.h"

#include "platform/Errors.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace platform {
namespace {

bool isIgnored(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value of `c` as a digit of `base` (8 or 16), or -1.
int digitValue(QChar c, int base) {
    const char16_t u = c.toUpper().unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'A' && u <= u'F')
        d = 10 + (u - u'A');
    return d < base ? d : -1;
}

double checked(double v) {
    if (!std::isfinite(v))
        throw OverflowError();
    return v;
}

// Digits after "&H" / "&O", up to the first character that is not one.
double readRadix(const QString& s, int base) {
    double v = 0;
    for (qsizetype i = 2; i < s.size(); ++i) {
        const int d = digitValue(s.at(i), base);
        if (d < 0)
            break;
        v = checked(v * base + d);
    }
    return v;
}

// Out of a double's range: too large is an overflow, too small reads 0. The
// decimal magnitude tells which: where the first significant digit stands.
double outOfRange(const std::string& mantissa, long exponent) {
    long magnitude = 0;
    const auto point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        magnitude = static_cast<long>(whole.size() - firstWhole);
    } else if (point != std::string::npos) {
        const auto firstFrac = mantissa.find_first_not_of('0', point + 1);
        if (firstFrac == std::string::npos)
            return 0;
        magnitude = -static_cast<long>(firstFrac - point - 1);
    }
    if (magnitude + exponent > 0)
        throw OverflowError();
    return 0;
}

} // namespace

double leadingNumber(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isIgnored(c))
            s.append(c);

    if (s.size() >= 2 && s.at(0) == u'&') {
        const QChar kind = s.at(1).toUpper();
        if (kind == u'H')
            return readRadix(s, 16);
        if (kind == u'O')
            return readRadix(s, 8);
        return 0;
    }

    // The longest prefix that reads as a decimal number.
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        negative = s.at(i++) == u'-';
    std::string mantissa;
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (isDigit(c)) {
            digits = true;
            mantissa += static_cast<char>(c.unicode());
        } else if (c == u'.' && !point) {
            point = true;
            mantissa += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return 0;

    std::string exponentText;
    if (i < s.size() && (s.at(i).toUpper() == u'E' || s.at(i).toUpper() == u'D')) {
        qsizetype j = i + 1;
        std::string e;
        if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-'))
            e += static_cast<char>(s.at(j++).unicode());
        bool expDigits = false;
        for (; j < s.size() && isDigit(s.at(j)); ++j) {
            expDigits = true;
            e += static_cast<char>(s.at(j).unicode());
        }
        // "1E" and "1E+" keep the mantissa alone.
        if (expDigits)
            exponentText = e;
    }

    // from_chars reads the same text whatever the locale's decimal point.
    const std::string number = exponentText.empty() ? mantissa : mantissa + 'e' + exponentText;
    double v = 0;
    const auto [end, err] = std::from_chars(number.data(), number.data() + number.size(), v);
    (void)end;
    if (err == std::errc::result_out_of_range) {
        // A huge exponent is itself out of range: its sign is all that matters.
        long exponent = 0;
        if (!exponentText.empty()) {
            const bool negExp = exponentText.front() == '-';
            const auto digitsAt = exponentText.find_first_of("0123456789");
            const std::string expDigits = exponentText.substr(digitsAt);
            exponent = expDigits.size() > 6 ? 1000000 : std::stol(expDigits);
            if (negExp)
                exponent = -exponent;
        }
        v = outOfRange(mantissa, exponent);
    }
    return negative ? -v : v;
}

} // namespace platform
