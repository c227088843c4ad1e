// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_reader.h"

#include <array>
#include <cmath>
#include <fast_float/fast_float.h>
#include <limits>
#include <system_error>

namespace velmora {

namespace {

// Blanks that may separate groups of digits, and so also stand around a
// number: space, tab, no-break space and narrow no-break space (what
// spreadsheets and word processors put into copied numbers).
constexpr std::array<std::string_view, 4> GroupBlanks = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
// A copied spreadsheet cell ends in a line break, which nobody sees.
constexpr std::array<std::string_view, 2> LineBreaks = {"\r", "\n"};
// U+2212 MINUS SIGN is what typeset documents contain instead of '-', and
// U+2013 EN DASH what word processors make of a typed one.
constexpr std::array<std::string_view, 3> Minuses = {"-", "\xE2\x88\x92", "\xE2\x80\x93"};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a sign may begin with this byte: '+', '-', or the first byte of
// U+2212 and U+2013.
bool MayBeSign(char c) {
    return c == '+' || c == '-' || c == '\xE2';
}

// Whether this byte may be (part of) a blank or a line break. Most texts
// begin and end with a digit, and so skip the search for blanks at once.
bool MayBeBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' ||
           (static_cast<unsigned char>(c) & 0x80U) != 0;
}

template <std::size_t N>
std::size_t PrefixLength(std::string_view text, const std::array<std::string_view, N>& tokens) {
    for (std::string_view token : tokens)
        if (StartsWith(text, token))
            return token.size();
    return 0;
}

template <std::size_t N>
std::size_t SuffixLength(std::string_view text, const std::array<std::string_view, N>& tokens) {
    for (std::string_view token : tokens)
        if (text.size() >= token.size() && text.substr(text.size() - token.size()) == token)
            return token.size();
    return 0;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text), m_rest(text) {}

    bool AtEnd() const { return m_rest.empty(); }
    std::string_view Rest() const { return m_rest; }
    // What has been taken so far.
    std::string_view Taken() const { return m_text.substr(0, m_text.size() - m_rest.size()); }

    bool Take(std::string_view token) {
        if (!StartsWith(m_rest, token))
            return false;
        m_rest.remove_prefix(token.size());
        return true;
    }

    template <std::size_t N>
    std::string_view TakeAny(const std::array<std::string_view, N>& tokens) {
        const std::size_t length = PrefixLength(m_rest, tokens);
        const std::string_view token = m_rest.substr(0, length);
        m_rest.remove_prefix(length);
        return token;
    }

    bool AtSign() const {
        return !m_rest.empty() && MayBeSign(m_rest.front()) &&
               (StartsWith(m_rest, "+") || PrefixLength(m_rest, Minuses) > 0);
    }

    // +1 or -1 for a sign, 0 for none.
    int TakeSign() {
        if (m_rest.empty() || !MayBeSign(m_rest.front()))
            return 0;
        if (Take("+"))
            return 1;
        return TakeAny(Minuses).empty() ? 0 : -1;
    }

    std::string_view TakeDigits() {
        std::size_t n = 0;
        while (n < m_rest.size() && IsDigit(m_rest[n]))
            ++n;
        std::string_view digits = m_rest.substr(0, n);
        m_rest.remove_prefix(n);
        return digits;
    }

    void SkipBlanks() {
        while (!m_rest.empty() && (!TakeAny(GroupBlanks).empty() || !TakeAny(LineBreaks).empty())) {
        }
    }

private:
    std::string_view m_text;
    std::string_view m_rest;
};

// The text without the blanks and line breaks around it.
std::string_view TrimBlanks(std::string_view text) {
    if (text.empty() || (!MayBeBlank(text.front()) && !MayBeBlank(text.back())))
        return text;
    for (std::size_t cut = 1; cut > 0;) {
        cut = PrefixLength(text, GroupBlanks) + PrefixLength(text, LineBreaks);
        text.remove_prefix(cut);
    }
    for (std::size_t cut = 1; cut > 0;) {
        cut = SuffixLength(text, GroupBlanks) + SuffixLength(text, LineBreaks);
        text.remove_suffix(cut);
    }
    return text;
}

// To a German reader a point followed by exactly three digits groups
// thousands, so "1.000" may mean one thousand or one. A whole part of one to
// three digits without a leading zero, a point, exactly three digits and no
// exponent: such a text is read as neither.
bool GroupsThousands(char separator, std::string_view whole, std::string_view fraction,
                     std::string_view exponent) {
    return separator == '.' && !whole.empty() && whole.size() <= 3 && whole.front() != '0' &&
           fraction.size() == 3 && exponent.empty();
}

// A number grouped the German way, which a program cannot read: one to three
// digits without a leading zero, then groups of exactly three, each after the
// same separator (a point or a blank), then perhaps a decimal comma with
// digits, and nothing after.
bool GroupsGermanThousands(std::string_view number) {
    Scanner scan(number);
    (void)scan.TakeSign();
    const std::string_view lead = scan.TakeDigits();
    if (lead.empty() || lead.size() > 3 || lead.front() == '0')
        return false;
    std::string_view separator = scan.Take(".") ? "." : scan.TakeAny(GroupBlanks);
    if (separator.empty())
        return false;
    do {
        if (scan.TakeDigits().size() != 3)
            return false;
    } while (scan.Take(separator));
    if (scan.Take(","))
        (void)scan.TakeDigits();
    return scan.AtEnd();
}

bool AllZeros(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

// Decimal order of magnitude of the leading significant digit, saturated so a
// thousand-digit exponent cannot overflow.
long long LeadingOrder(std::string_view whole, std::string_view fraction, int exponentSign,
                       std::string_view exponent) {
    constexpr long long Saturation = 1'000'000'000'000LL;
    long long order = 0;
    if (!AllZeros(whole))
        order = static_cast<long long>(whole.size() - whole.find_first_not_of('0')) - 1;
    else
        order = -static_cast<long long>(fraction.find_first_not_of('0')) - 1;
    long long exp = 0;
    for (char digit : exponent) {
        exp = exp * 10 + (digit - '0');
        if (exp > Saturation)
            break;
    }
    return order + exponentSign * exp;
}

// The largest double is shown as 1,79769313486232E+308, which strictly lies
// beyond it. So that every shown number can be typed back, texts up to where
// 15 digits stop telling them apart from it read as the largest double.
bool ShownAsLargestDouble(std::string_view whole, std::string_view fraction, long long order) {
    constexpr std::string_view Limit = "1797693134862325"; // 1,797693134862325E+308, excluded
    if (order != 308)
        return false;
    std::string digits(whole);
    digits += fraction;
    digits.erase(0, digits.find_first_not_of('0'));
    return digits < Limit;
}

// What follows a number and makes the text no number: a unit or a word
// ("1,5 kg", "5€"), unlike a digit, sign or separator, which make a number
// that is wrong in itself.
bool IsTextAfterNumber(std::string_view rest) {
    const char first = rest.front();
    return !(first >= '0' && first <= '9') && first != ',' && first != '.' && first != '+' &&
           PrefixLength(rest, Minuses) == 0;
}

// The value of a trimmed, non-empty text, or why it is no number.
NumberReading Read(NumberReading reading) {
    const auto refuse = [&reading](NumberProblem problem) {
        reading.problem = problem;
        return reading;
    };
    Scanner scan(reading.text);
    const bool negative = scan.TakeSign() < 0;
    if (scan.AtSign())
        return refuse(NumberProblem::TwoSigns);
    const std::string_view whole = scan.TakeDigits();
    std::string_view fraction;
    char separator = 0;
    if (scan.Take(","))
        separator = ',';
    else if (scan.Take("."))
        separator = '.';
    if (separator != 0)
        fraction = scan.TakeDigits();
    if (whole.empty() && fraction.empty())
        return refuse(NumberProblem::NoNumber);
    if (separator != 0 && (scan.Take(",") || scan.Take(".")))
        return refuse(NumberProblem::TwoSeparators);
    int exponentSign = 1;
    std::string_view exponent;
    if (scan.Take("E") || scan.Take("e")) {
        exponentSign = scan.TakeSign() < 0 ? -1 : 1;
        reading.number = scan.Taken();
        exponent = scan.TakeDigits();
        if (exponent.empty())
            return refuse(NumberProblem::ExponentWithoutDigits);
    }
    reading.number = scan.Taken();
    scan.SkipBlanks();
    if (!scan.AtEnd())
        return refuse(IsTextAfterNumber(scan.Rest()) ? NumberProblem::TextAfterNumber
                                                     : NumberProblem::NoNumber);
    reading.number = {};
    if (GroupsThousands(separator, whole, fraction, exponent))
        return refuse(NumberProblem::AmbiguousPoint);

    const double zero = negative ? -0.0 : 0.0;
    if (AllZeros(whole) && AllZeros(fraction)) {
        reading.value = zero;
        return reading;
    }

    // The reader is locale-independent and correctly rounded, the same on
    // every platform; give it the plain C form of what was typed.
    std::string plain;
    plain.reserve(whole.size() + fraction.size() + exponent.size() + 4);
    if (negative)
        plain += '-';
    plain += whole.empty() ? "0" : whole;
    plain += '.';
    plain += fraction;
    if (!exponent.empty()) {
        plain += exponentSign < 0 ? "e-" : "e";
        plain += exponent;
    }
    double value = 0.0;
    const auto [end, error] =
        fast_float::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return refuse(NumberProblem::NoNumber);
    if (std::isinf(value)) {
        // Beyond the largest double: no number, but for the largest double's
        // own text form.
        const long long order = LeadingOrder(whole, fraction, exponentSign, exponent);
        if (!ShownAsLargestDouble(whole, fraction, order))
            return refuse(negative ? NumberProblem::BelowLowest : NumberProblem::AboveLargest);
        value = std::numeric_limits<double>::max();
        value = negative ? -value : value;
    }
    // Below the smallest subnormal the value rounds to zero, keeping its sign.
    reading.value = value == 0.0 ? zero : value;
    return reading;
}

} // namespace

NumberReading ReadNumber(std::string_view text) {
    NumberReading reading;
    reading.text = TrimBlanks(text);
    if (reading.text.empty()) {
        reading.problem = NumberProblem::Empty;
        return reading;
    }
    // Only a text the grammar refuses can be a German grouping ("1.000"
    // alone is the ambiguous case, "0.125" a number).
    reading = Read(reading);
    if (!reading.value && reading.problem != NumberProblem::AmbiguousPoint &&
        GroupsGermanThousands(reading.text)) {
        reading.problem = NumberProblem::ThousandsSeparators;
        reading.number = {};
    }
    return reading;
}

bool IsNumericText(std::string_view text) {
    return ReadNumber(text).value.has_value();
}

std::string WithoutGrouping(std::string_view number) {
    std::string plain;
    plain.reserve(number.size());
    while (!number.empty()) {
        const std::size_t blank = PrefixLength(number, GroupBlanks);
        if (blank == 0 && number.front() != '.')
            plain += number.front();
        number.remove_prefix(blank == 0 ? 1 : blank);
    }
    return plain;
}

} // namespace velmora
