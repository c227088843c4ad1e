// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the same generated cases on whatever platform it is built for and
// prints every outcome, so that two builds (native and WebAssembly) can be
// compared byte for byte:
//   differential_driver CASES ROUND_TRIPS
// Each case is seven field texts, clicked through the click rules; each
// round trip a random double written as text and read back, and written in
// the copies' locale-free form and read back. The cases come
// from the raw output of mt19937_64 alone, which the C++ standard fixes on
// every platform (its distributions it does not).
#include "calc/start_calculation.h"
#include "platform/click_rules.h"
#include "platform/number_reader.h"
#include "platform/number_writer.h"
#include "platform/text_to_double.h"
#include "testing/fake_form.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

using velmora::FakeForm;

// std::bit_cast is missing from emscripten's C++ library.
double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

unsigned long long ToBits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

class Cases {
public:
    explicit Cases(std::uint64_t seed) : m_random(seed) {}

    std::uint64_t Next(std::uint64_t below) { return m_random() % below; }

    std::string Digits(std::uint64_t most) {
        std::string digits;
        for (std::uint64_t n = Next(most + 1); n > 0; --n)
            digits += static_cast<char>('0' + Next(10));
        return digits;
    }

    // A finite double of any magnitude, subnormals included.
    double AnyDouble() {
        for (;;) {
            const double value = FromBits(m_random());
            if (std::isfinite(value))
                return value;
        }
    }

    // A number in one of the spellings people type or paste.
    std::string Number() {
        static const std::array<const char*, 8> Around = {"",     " ",  "\t",           "\xC2\xA0",
                                                          "\r\n", "\n", "\xE2\x80\xAF", "  "};
        static const std::array<const char*, 5> Minus = {"-", "-", "\xE2\x88\x92", "\xE2\x80\x93",
                                                         "+"};
        std::string text;
        switch (Next(4)) {
        case 0: { // a shown result, perhaps with a point and a small e
            text = velmora::DoubleToText(AnyDouble());
            if (Next(2) == 0)
                for (char& c : text)
                    c = c == ',' ? '.' : c == 'E' ? 'e' : c;
            break;
        }
        case 1: { // digits, a separator, digits, an exponent
            text = Digits(6);
            if (Next(3) > 0)
                text += Next(2) == 0 ? "," : ".";
            text += Digits(6);
            if (Next(4) == 0) {
                // One draw a statement: the order in which the operands of
                // one expression are evaluated differs between compilers.
                text += Next(2) == 0 ? "e" : "E";
                text += Next(2) == 0 ? "-" : "";
                text += Digits(3);
            }
            break;
        }
        case 2: // small values, as lab readings are
            text = std::to_string(Next(2000)) + ",";
            text += Digits(3);
            break;
        default: { // near the ends of the double range
            static const std::array<const char*, 10> Edges = {"1e308",
                                                              "1,7976931348623157E+308",
                                                              "1,79769313486232E+308",
                                                              "4,9e-324",
                                                              "2,4e-324",
                                                              "2,5e-324",
                                                              "1e-400",
                                                              "2,2250738585072011e-308",
                                                              "1,49e305",
                                                              "7,5e305"};
            text = Edges[Next(Edges.size())];
        }
        }
        if (Next(3) == 0 && (text.empty() || text.front() != '-'))
            text = Minus[Next(Minus.size())] + text;
        const std::string before = Around[Next(Around.size())];
        return before + text + Around[Next(Around.size())];
    }

    // What is almost a number, or anything at all.
    std::string NoNumber() {
        static const std::array<const char*, 24> Near = {
            "",         "   ",          "1.000",      "1.000,5",    "1 000",  "1,5,5",
            "--1",      "1e",           "1,5e+",      "1,5 kg",     "5€",     "inf",
            "nan",      "0x10",         "1.0000.000", "1234.567,5", "1.000x", "12.34.567",
            "\xD9\xA3", "\xEF\xBC\x91", "1e309",      "-2e308",     "1\n000", "1,5\n2,5"};
        if (Next(2) == 0)
            return Near[Next(Near.size())];
        static const std::array<const char*, 12> Pieces = {
            "1", "5", ",", ".", "-", "+", "e", " ", "\xC2\xA0", "\xE2\x88\x92", "\xFF", "\n"};
        std::string text;
        for (std::uint64_t n = Next(12); n > 0; --n)
            text += Pieces[Next(Pieces.size())];
        if (Next(8) == 0)
            text += std::string(1, '\0');
        return text;
    }

    // Nine in ten fields a number, so that about half the clicks give results.
    std::string Field() { return Next(10) < 9 ? Number() : NoNumber(); }

private:
    std::mt19937_64 m_random;
};

// Bytes outside printable ASCII as \xNN, so every line is one line.
std::string Shown(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += c;
        } else {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\x%02X", byte);
            shown += escaped.data();
        }
    }
    return shown;
}

} // namespace

int main(int argc, char** argv) {
    const long cases = argc > 1 ? std::stol(argv[1]) : 100000;
    const long roundTrips = argc > 2 ? std::stol(argv[2]) : 100000;
    Cases generate(20261209);
    for (long n = 0; n < cases; ++n) {
        std::vector<std::string> texts;
        texts.reserve(7);
        for (int k = 0; k < 7; ++k)
            texts.push_back(generate.Field());
        FakeForm form(texts);
        velmora::RunClick(form, velmora::StartCalculation);
        std::string line = std::to_string(n);
        for (const std::string& text : texts)
            line += " [" + Shown(text) + "]";
        line += " -> " + Shown(form.caption);
        for (const std::string& box : form.messages)
            line += " | " + Shown(box);
        for (const std::string& box : form.errorBoxes)
            line += " | " + Shown(box);
        line += " @" + std::to_string(form.focusedField.value_or(0));
        line += form.resultCurrent ? " current" : " outdated";
        std::puts(line.c_str());
    }
    for (long n = 0; n < roundTrips; ++n) {
        const double value = generate.AnyDouble();
        const std::string text = velmora::DoubleToText(value);
        const double back = velmora::TextToDouble(text);
        // And as the copies' HTML carries it, read back (fewest digits
        // natively, 17 in WebAssembly; the same double in both).
        const double exact = std::strtod(velmora::DoubleToLocaleFreeText(value).c_str(), nullptr);
        std::printf("%016llx %s %016llx %016llx\n", ToBits(value), text.c_str(), ToBits(back),
                    ToBits(exact));
    }
    return 0;
}
