#include "platform/number_text.h"

#include "platform/runtime_error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

namespace velmora {

namespace {

// UTF-8 sequences that count as a blank around the number: space, tab,
// no-break space and narrow no-break space (what spreadsheets and word
// processors put into copied numbers).
constexpr std::array<std::string_view, 4> Blanks = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
// U+2212 MINUS SIGN is what typeset documents contain instead of '-'.
constexpr std::string_view MinusSign = "\xE2\x88\x92";

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_rest(text) {}

    bool AtEnd() const { return m_rest.empty(); }

    bool Take(std::string_view token) {
        if (m_rest.substr(0, token.size()) != token)
            return false;
        m_rest.remove_prefix(token.size());
        return true;
    }

    void SkipBlanks() {
        bool skipped = true;
        while (skipped) {
            skipped = false;
            for (std::string_view blank : Blanks)
                skipped = skipped || Take(blank);
        }
    }

    // +1 or -1 for a sign, 0 for none.
    int TakeSign() {
        if (Take("+"))
            return 1;
        if (Take("-") || Take(MinusSign))
            return -1;
        return 0;
    }

    std::string_view TakeDigits() {
        std::size_t n = 0;
        while (n < m_rest.size() && m_rest[n] >= '0' && m_rest[n] <= '9')
            ++n;
        std::string_view digits = m_rest.substr(0, n);
        m_rest.remove_prefix(n);
        return digits;
    }

private:
    std::string_view m_rest;
};

// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text) {
    bool trimmed = true;
    while (trimmed) {
        trimmed = false;
        for (std::string_view blank : Blanks) {
            if (text.substr(0, blank.size()) == blank) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.size() >= blank.size() && text.substr(text.size() - blank.size()) == blank) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
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

// A number grouped the German way, which a program cannot read: one to three
// digits without a leading zero, then groups of three, each after the same
// separator (a point or a blank), then perhaps a decimal comma with digits.
bool GroupsGermanThousands(std::string_view number) {
    Scanner scan(number);
    (void)scan.TakeSign();
    const std::string_view lead = scan.TakeDigits();
    if (lead.empty() || lead.size() > 3 || lead.front() == '0')
        return false;
    std::string_view separator;
    if (scan.Take("."))
        separator = ".";
    for (std::string_view blank : Blanks)
        if (separator.empty() && scan.Take(blank))
            separator = blank;
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

// The value of a number text, or why the grammar rejects it. Whether a
// rejected text is a German grouping only matters for the conversion error,
// so TextToDouble tells that apart.
std::optional<double> ParseNumber(std::string_view text, NumberProblem& problem) {
    problem = NumberProblem::NoNumber;
    if (TrimBlanks(text).empty()) {
        problem = NumberProblem::Empty;
        return std::nullopt;
    }
    Scanner scan(text);
    scan.SkipBlanks();
    const bool negative = scan.TakeSign() < 0;
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
        return std::nullopt;
    int exponentSign = 1;
    std::string_view exponent;
    if (scan.Take("E") || scan.Take("e")) {
        exponentSign = scan.TakeSign() < 0 ? -1 : 1;
        exponent = scan.TakeDigits();
        if (exponent.empty())
            return std::nullopt;
    }
    scan.SkipBlanks();
    if (!scan.AtEnd())
        return std::nullopt;
    if (GroupsThousands(separator, whole, fraction, exponent)) {
        problem = NumberProblem::AmbiguousPoint;
        return std::nullopt;
    }

    if (AllZeros(whole) && AllZeros(fraction))
        return negative ? -0.0 : 0.0;

    // from_chars is locale-independent and correctly rounded; give it the
    // plain C form of what was typed.
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
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Either beyond the largest double (no number) or below the smallest
        // subnormal, which rounds to zero like any other tiny value.
        const long long order = LeadingOrder(whole, fraction, exponentSign, exponent);
        if (order <= 0)
            return negative ? -0.0 : 0.0;
        if (ShownAsLargestDouble(whole, fraction, order))
            return negative ? -std::numeric_limits<double>::max()
                            : std::numeric_limits<double>::max();
        problem = negative ? NumberProblem::BelowLowest : NumberProblem::AboveLargest;
        return std::nullopt;
    }
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

bool IsNumericText(std::string_view text) {
    NumberProblem problem{};
    return ParseNumber(text, problem).has_value();
}

double TextToDouble(std::string_view text) {
    NumberProblem problem{};
    const std::optional<double> value = ParseNumber(text, problem);
    if (value)
        return *value;
    const std::string_view number = TrimBlanks(text);
    // Only a text the grammar rejects can be a German grouping ("1.000" alone
    // is the ambiguous case, "0.125" a number).
    if (problem == NumberProblem::NoNumber && GroupsGermanThousands(number))
        problem = NumberProblem::ThousandsSeparators;
    throw RuntimeError(problem, number);
}

std::string NumberProblemMessage(NumberProblem problem, std::string_view text,
                                 std::string_view caption) {
    const std::string field = caption.empty() ? "Feld" : "Feld " + QuotedText(caption);
    const std::string holds = "Im " + field + " steht " + QuotedText(text) + ". ";
    // The ways to write it instead, made from what was typed.
    const auto without = [text](std::string_view drop) {
        std::string rest;
        for (char c : text)
            if (drop.find(c) == std::string_view::npos)
                rest += c;
        return rest;
    };
    switch (problem) {
    case NumberProblem::Empty:
        return "Das " + field + " ist leer.";
    case NumberProblem::AmbiguousPoint: {
        std::string decimal(text);
        decimal[decimal.find('.')] = ',';
        return holds + "Das ist mehrdeutig (Tausenderpunkt oder Dezimalpunkt?). Bitte " +
               without(".") + " oder " + decimal + " schreiben.";
    }
    case NumberProblem::ThousandsSeparators: {
        const bool points = text.find('.') != std::string_view::npos;
        std::string plain = without(".");
        for (std::string_view blank : Blanks)
            for (std::size_t at = plain.find(blank); at != std::string::npos;
                 at = plain.find(blank))
                plain.erase(at, blank.size());
        return holds + "Bitte ohne " + (points ? "Tausenderpunkte" : "Leerzeichen") +
               " schreiben, also " + plain + ".";
    }
    case NumberProblem::AboveLargest:
        return holds + "Das ist zu groß. Der größte mögliche Wert ist " +
               DoubleToText(std::numeric_limits<double>::max()) + ".";
    case NumberProblem::BelowLowest:
        return holds + "Das ist zu klein. Der kleinste mögliche Wert ist " +
               DoubleToText(std::numeric_limits<double>::lowest()) + ".";
    case NumberProblem::NoNumber:
        break;
    }
    return "Im " + field + " steht keine Zahl: " + QuotedText(text) + ".";
}

std::string DoubleToText(double value) {
    if (!std::isfinite(value))
        RaiseFloatingPointError("Die Zahl");
    if (value == 0.0)
        return "0";

    // Round to 15 significant digits first: the rounded value, not the
    // original, decides between plain and exponent form (9,99999999999999949E+14
    // becomes 1E+15).
    constexpr int SignificantDigits = 15;
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t ePos = scientific.find('e');
    const int exponent = std::atoi(scientific.data() + ePos + 1);
    const bool negative = scientific.front() == '-';

    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits += c;
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = negative ? "-" : "";
    constexpr int SmallestPlainExponent = -4;
    constexpr int LargestPlainExponent = 14;
    if (exponent >= SmallestPlainExponent && exponent <= LargestPlainExponent) {
        if (exponent < 0) {
            text += "0,";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= wholeDigits) {
                text += digits;
                text.append(wholeDigits - digits.size(), '0');
            } else {
                text += digits.substr(0, wholeDigits);
                text += ',';
                text += digits.substr(wholeDigits);
            }
        }
        return text;
    }

    text += digits.front();
    if (digits.size() > 1) {
        text += ',';
        text += digits.substr(1);
    }
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

} // namespace velmora
