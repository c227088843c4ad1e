// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/checked.h"
#include "platform/control_access.h"
#include "platform/dialog_placement.h"
#include "platform/number_messages.h"
#include "platform/number_reader.h"
#include "platform/number_writer.h"
#include "platform/readable_notices.h"
#include "platform/runtime_error.h"
#include "platform/text_to_double.h"
#include "testing/read_back.h"
#include "tests/exact_double.h"
#include "tests/raised_error.h"

#include <QtTest>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

using namespace velmora;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void noticesAreReadAsText_data();
    void noticesAreReadAsText();
    void quotedCopyrightFilesAreReadAsText_data();
    void quotedCopyrightFilesAreReadAsText();
    void aDialogOpensBesideTheWindow_data();
    void aDialogOpensBesideTheWindow();
    void numberTextsAreReadWithCommaOrPoint_data();
    void numberTextsAreReadWithCommaOrPoint();
    void everythingElseIsNoNumberAndFailsToConvert_data();
    void everythingElseIsNoNumberAndFailsToConvert();
    void theConversionErrorSaysWhyAndWhatToType_data();
    void theConversionErrorSaysWhyAndWhatToType();
    void aPointBeforeExactlyThreeDigitsMayGroupThousands_data();
    void aPointBeforeExactlyThreeDigitsMayGroupThousands();
    void quotedTextIsCutOnlyBeyondItsLimit_data();
    void quotedTextIsCutOnlyBeyondItsLimit();
    void doublesBecomeGermanText_data();
    void doublesBecomeGermanText();
    void textOfANonFiniteValueIsAFloatingPointError();
    void formattedNumbersReadBackWithinFifteenDigits();
    void doublesBecomeLocaleFreeText_data();
    void doublesBecomeLocaleFreeText();
    void localeFreeTextReadsBackAsTheSameDouble();
    void countersStopAtTheirLimit();
    void boundsAreChecked_data();
    void boundsAreChecked();
    void onlyOverflowInvalidAndDivisionByZeroStopAStep_data();
    void onlyOverflowInvalidAndDivisionByZeroStopAStep();
    void aFailedPropertyAccessIsARuntimeError();
};

void PlatformTest::numberTextsAreReadWithCommaOrPoint_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << QByteArray("42") << 42.0;
    QTest::newRow("1,5 with comma") << QByteArray("1,5") << 1.5;
    QTest::newRow("1.5 with point") << QByteArray("1.5") << 1.5;
    QTest::newRow("negative") << QByteArray("-3") << -3.0;
    QTest::newRow("explicit plus") << QByteArray("+7") << 7.0;
    QTest::newRow("+,5") << QByteArray("+,5") << 0.5;
    QTest::newRow("5,") << QByteArray("5,") << 5.0;
    QTest::newRow(",25") << QByteArray(",25") << 0.25;
    QTest::newRow("leading zeros") << QByteArray("007,50") << 7.5;
    QTest::newRow("blanks around") << QByteArray("  12,5 \t") << 12.5;
    QTest::newRow("exponent") << QByteArray("1,5e3") << 1500.0;
    QTest::newRow("exponent capital, signed") << QByteArray("2E-3") << 0.002;
    QTest::newRow("exponent with plus") << QByteArray("1e+2") << 100.0;
    QTest::newRow("0,1 rounds correctly") << QByteArray("0,1") << 0.1;
    QTest::newRow("largest double")
        << QByteArray("1,7976931348623157E+308") << std::numeric_limits<double>::max();
    QTest::newRow("1e308") << QByteArray("1e308") << 1e308;
    QTest::newRow("smallest subnormal")
        << QByteArray("4,9e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below the smallest subnormal is zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("negative underflow keeps its sign") << QByteArray("-1e-400") << -0.0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e999999999999999999999") << 0.0;
    QTest::newRow("negative zero") << QByteArray("-0") << -0.0;
    QTest::newRow("many fraction digits scaled up")
        << QByteArray("0," + QByteArray(400, '0') + "1e402") << 10.0;
    QTest::newRow("a megabyte of zeros") << QByteArray(1'000'000, '0') << 0.0;
    QTest::newRow("a megabyte of leading zeros") << QByteArray(1'000'000, '0') + "12,5" << 12.5;
    // The largest double's own text form must read back (a fuzzer finding).
    QTest::newRow("largest double as shown")
        << QByteArray("1,79769313486232E+308") << std::numeric_limits<double>::max();
    QTest::newRow("negative largest double as shown")
        << QByteArray("-1,79769313486232E+308") << -std::numeric_limits<double>::max();
    QTest::newRow("minus sign U+2212") << QByteArray("\xE2\x88\x92"
                                                     "2,5")
                                       << -2.5;
    QTest::newRow("no-break spaces around") << QByteArray("\xC2\xA0"
                                                          "3\xE2\x80\xAF")
                                            << 3.0;
    QTest::newRow("a copied cell, LF") << QByteArray("1,5\n") << 1.5;
    QTest::newRow("a copied cell, CR LF") << QByteArray("1,5\r\n") << 1.5;
    QTest::newRow("line breaks before and after") << QByteArray("\r\n 2,5\t\n") << 2.5;
    QTest::newRow("en dash U+2013 as minus") << QByteArray("\xE2\x80\x93"
                                                           "1,5")
                                             << -1.5;
}

void PlatformTest::numberTextsAreReadWithCommaOrPoint() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const std::string utf8 = text.toStdString();
    QVERIFY(IsNumericText(utf8));
    VERIFY_SAME_DOUBLE(TextToDouble(utf8), value);
}

void PlatformTest::everythingElseIsNoNumberAndFailsToConvert_data() {
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blank") << QByteArray("   ");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("sign alone") << QByteArray("-");
    QTest::newRow("separator alone") << QByteArray(",");
    QTest::newRow("two separators") << QByteArray("1,2,3");
    QTest::newRow("German thousands") << QByteArray("1.000,5");
    QTest::newRow("grouped with blank") << QByteArray("1 000");
    QTest::newRow("1e") << QByteArray("1e");
    QTest::newRow("1e+") << QByteArray("1e+");
    QTest::newRow("exponent alone") << QByteArray("e5");
    QTest::newRow("two signs") << QByteArray("+-1");
    QTest::newRow("trailing unit") << QByteArray("12 °C");
    QTest::newRow("inf") << QByteArray("inf");
    QTest::newRow("nan") << QByteArray("nan");
    QTest::newRow("hex") << QByteArray("0x10");
    QTest::newRow("currency") << QByteArray("5€");
    QTest::newRow("1e309 beyond the largest double") << QByteArray("1e309");
    QTest::newRow("next 15-digit number beyond the largest double")
        << QByteArray("1,79769313486233E+308");
    QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999");
    QTest::newRow("a million digits") << QByteArray(1'000'000, '9');
    QTest::newRow("NUL inside") << QByteArray("1\0"
                                              "5",
                                              3);
    QTest::newRow("Arabic-Indic digits") << QByteArray("\xD9\xA1\xD9\xA2\xD9\xA3");
    QTest::newRow("fullwidth digits") << QByteArray("\xEF\xBC\x91\xEF\xBC\x92");
    QTest::newRow("invalid UTF-8") << QByteArray("1\xFF");
    QTest::newRow("where 15 digits tell it from the largest double")
        << QByteArray("1,797693134862325E+308");
    QTest::newRow("combining acute accent") << QByteArray("1\xCC\x81");
    QTest::newRow("right-to-left mark") << QByteArray("\xE2\x80\x8F"
                                                      "12");
    QTest::newRow("left-to-right mark") << QByteArray("12\xE2\x80\x8E");
    QTest::newRow("NUL alone") << QByteArray("\0", 1);
    QTest::newRow("minus sign twice") << QByteArray("\xE2\x88\x92\xE2\x88\x92"
                                                    "1");
    QTest::newRow("no-break space inside") << QByteArray("1\xC2\xA0"
                                                         "000");
    QTest::newRow("two cells") << QByteArray("1,5\n2,5");
    QTest::newRow("a line break inside") << QByteArray("1\n000");
    QTest::newRow("en dash and minus") << QByteArray("\xE2\x80\x93-1");
    QTest::newRow("en dash after the number") << QByteArray("1\xE2\x80\x93");
}

void PlatformTest::everythingElseIsNoNumberAndFailsToConvert() {
    QFETCH(QByteArray, text);
    const std::string utf8 = text.toStdString();
    QVERIFY(!IsNumericText(utf8));
    QCOMPARE(KindRaisedBy([&] { (void)TextToDouble(utf8); }), std::optional(ErrorKind::Conversion));
}

void PlatformTest::theConversionErrorSaysWhyAndWhatToType_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("caption"); // "" when no field is named
    QTest::addColumn<QString>("message");

    const QString example =
        QStringLiteral(" Bitte eine Zahl schreiben, zum Beispiel 12,5 oder -0,25.");
    QTest::newRow("empty") << QByteArray("") << "T = 0 °C"
                           << "Das Feld „T = 0 °C“ ist leer. Bitte den Messwert eintragen.";
    QTest::newRow("blanks and a line break, no field named")
        << QByteArray(" \t\r\n") << ""
        << "Das Feld ist leer. Bitte den Messwert eintragen.";
    QTest::newRow("letters") << QByteArray("x7") << "T = 0 °C"
                             << "Im Feld „T = 0 °C“ steht keine Zahl: „x7“." + example;
    QTest::newRow("letters, no field named") << QByteArray("zwölf") << ""
                                             << "Im Feld steht keine Zahl: „zwölf“." + example;
    QTest::newRow("a copied cell's line break is not quoted")
        << QByteArray("abc\r\n") << ""
        << "Im Feld steht keine Zahl: „abc“." + example;
    QTest::newRow("cut after 40 bytes, never inside a character")
        << QByteArray(39, 'x') + "ööö"
        << ""
        << "Im Feld steht keine Zahl: „" + QString(39, 'x') + "…“." + example;
    QTest::newRow("inf") << QByteArray("inf") << ""
                         << "Im Feld steht keine Zahl: „inf“." + example;
    QTest::newRow("Arabic-Indic three") << QByteArray("\xD9\xA3") << ""
                                        << "Im Feld steht keine Zahl: „\u0663“." + example;
    QTest::newRow("ambiguous point")
        << QByteArray("1.000") << "T = 1000 °C"
        << "Im Feld „T = 1000 °C“ steht „1.000“. Das ist mehrdeutig (Tausenderpunkt oder "
           "Dezimalpunkt?). Bitte 1000 oder 1,000 schreiben.";
    QTest::newRow("1.000,5") << QByteArray("1.000,5") << "T = 0 °C"
                             << "Im Feld „T = 0 °C“ steht „1.000,5“. Bitte ohne Tausenderpunkte "
                                "schreiben, also 1000,5.";
    QTest::newRow("1.000.000") << QByteArray(" -1.000.000 ") << "T = 0 °C"
                               << "Im Feld „T = 0 °C“ steht „-1.000.000“. Bitte ohne "
                                  "Tausenderpunkte schreiben, also -1000000.";
    QTest::newRow("1 000") << QByteArray("1 000") << "T = 0 °C"
                           << "Im Feld „T = 0 °C“ steht „1 000“. Bitte ohne Leerzeichen "
                              "schreiben, also 1000.";
    QTest::newRow("12 345,5 with no-break space") << QByteArray("12\xC2\xA0"
                                                                "345,5")
                                                  << "T = 0 °C"
                                                  << "Im Feld „T = 0 °C“ steht „12\u00A0345,5“. "
                                                     "Bitte ohne Leerzeichen schreiben, also "
                                                     "12345,5.";
    // Advice made from a megabyte would be a megabyte long.
    QTest::newRow("twenty groups of thousands")
        << "1" + QByteArray(".000").repeated(20) << ""
        << "Im Feld steht keine Zahl: „1" + QString(".000").repeated(9) + ".00…“." + example;
    QTest::newRow("1e309") << QByteArray("1e309") << "T = 0 °C"
                           << "Im Feld „T = 0 °C“ steht „1e309“. Das ist zu groß. Der größte "
                              "mögliche Wert ist 1,79769313486232E+308.";
    QTest::newRow("-2e308") << QByteArray("-2e308") << "T = 0 °C"
                            << "Im Feld „T = 0 °C“ steht „-2e308“. Das ist zu klein. Der "
                               "kleinste mögliche Wert ist -1,79769313486232E+308.";
    const QString oneSeparator = QStringLiteral(
        "Eine Zahl hat nur ein Dezimalzeichen (Komma oder Punkt), zum Beispiel 12,5.");
    QTest::newRow("1,5,5") << QByteArray("1,5,5") << ""
                           << "Im Feld steht „1,5,5“. " + oneSeparator;
    // Not groups of three, or English grouping: no advice that would be wrong.
    QTest::newRow("12.34.567") << QByteArray("12.34.567") << ""
                               << "Im Feld steht „12.34.567“. " + oneSeparator;
    QTest::newRow("1,000.5") << QByteArray("1,000.5") << ""
                             << "Im Feld steht „1,000.5“. " + oneSeparator;
    QTest::newRow("0.125.000") << QByteArray("0.125.000") << ""
                               << "Im Feld steht „0.125.000“. " + oneSeparator;
    QTest::newRow("a group of four before the point")
        << QByteArray("1234.567,5") << ""
        << "Im Feld steht „1234.567,5“. " + oneSeparator;
    QTest::newRow("a group of four") << QByteArray("1.0000.000") << ""
                                     << "Im Feld steht „1.0000.000“. " + oneSeparator;
    QTest::newRow("a decimal comma twice after grouping")
        << QByteArray("1.000,5,5") << ""
        << "Im Feld steht „1.000,5,5“. " + oneSeparator;
    const QString oneSign = QStringLiteral("Eine Zahl hat nur ein Vorzeichen, zum Beispiel -0,25.");
    QTest::newRow("--1") << QByteArray("--1") << ""
                         << "Im Feld steht „--1“. " + oneSign;
    QTest::newRow("+-1") << QByteArray("+-1") << ""
                         << "Im Feld steht „+-1“. " + oneSign;
    QTest::newRow("en dash twice") << QByteArray("\xE2\x80\x93\xE2\x80\x93"
                                                 "1")
                                   << ""
                                   << "Im Feld steht „\u2013\u20131“. " + oneSign;
    QTest::newRow("1,5e") << QByteArray("1,5e") << "T = 0 °C"
                          << "Im Feld „T = 0 °C“ steht „1,5e“. Nach dem E fehlt der Exponent, "
                             "zum Beispiel 1,5e3.";
    QTest::newRow("1E-") << QByteArray("1E-") << ""
                         << "Im Feld steht „1E-“. Nach dem E fehlt der Exponent, zum Beispiel "
                            "1E-3.";
    QTest::newRow("1,5 kg") << QByteArray("1,5 kg") << "T = 0 °C"
                            << "Im Feld „T = 0 °C“ steht „1,5 kg“. Bitte nur die Zahl schreiben, "
                               "also 1,5.";
    QTest::newRow("1,5 °C") << QByteArray("1,5 °C") << ""
                            << "Im Feld steht „1,5 °C“. Bitte nur die Zahl schreiben, also 1,5.";
    QTest::newRow("-3e2K") << QByteArray("-3e2K") << ""
                           << "Im Feld steht „-3e2K“. Bitte nur die Zahl schreiben, also -3e2.";
    QTest::newRow("5€") << QByteArray("5€") << ""
                        << "Im Feld steht „5€“. Bitte nur die Zahl schreiben, also 5.";
    // Text after what is no number itself: no advice to write it.
    // Advice of exactly 40 bytes is given; one byte more, and it is not.
    QTest::newRow("a number of 40 bytes before a unit")
        << QByteArray("1234567890123456789012345678901234567890 kg") << ""
        << "Im Feld steht „1234567890123456789012345678901234567890…“. Bitte nur die Zahl "
           "schreiben, also 1234567890123456789012345678901234567890.";
    QTest::newRow("a number of 41 bytes before a unit")
        << QByteArray("12345678901234567890123456789012345678901 kg") << ""
        << "Im Feld steht keine Zahl: „1234567890123456789012345678901234567890…“." + example;
    // A sign after a number is no unit: no advice to leave it out.
    QTest::newRow("1,5+") << QByteArray("1,5+") << ""
                          << "Im Feld steht keine Zahl: „1,5+“." + example;
    QTest::newRow("1e3+") << QByteArray("1e3+") << ""
                          << "Im Feld steht keine Zahl: „1e3+“." + example;
    // Groups after one separator each: with a blank and a point mixed, the
    // text is no grouping, whose advice would be a thousand times too large.
    QTest::newRow("1 000.000, a blank and a point")
        << QByteArray("1 000.000") << ""
        << "Im Feld steht keine Zahl: „1 000.000“." + example;
    QTest::newRow("1.000 000, a point and a blank")
        << QByteArray("1.000 000") << ""
        << "Im Feld steht keine Zahl: „1.000 000“." + example;
    QTest::newRow("1.000x") << QByteArray("1.000x") << ""
                            << "Im Feld steht keine Zahl: „1.000x“." + example;
    QTest::newRow("1e309 kg") << QByteArray("1e309 kg") << ""
                              << "Im Feld steht keine Zahl: „1e309 kg“." + example;
}

void PlatformTest::theConversionErrorSaysWhyAndWhatToType() {
    QFETCH(QByteArray, text);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    try {
        (void)TextToDouble(text.toStdString());
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.Kind(), ErrorKind::Conversion);
        QCOMPARE(QString::fromStdString(caption.isEmpty()
                                            ? error.Message()
                                            : error.MessageForField(caption.toStdString())),
                 message);
    }
}

void PlatformTest::aPointBeforeExactlyThreeDigitsMayGroupThousands_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");     // when it is a number
    QTest::addColumn<QString>("rewrites"); // "1000 oder 1,000" when it is ambiguous

    const double none = 0;
    QTest::newRow("1.000") << QByteArray("1.000") << none << "1000 oder 1,000";
    QTest::newRow("12.500") << QByteArray("12.500") << none << "12500 oder 12,500";
    QTest::newRow("-999.999") << QByteArray("-999.999") << none << "-999999 oder -999,999";
    QTest::newRow(" +1.005 ") << QByteArray(" +1.005 ") << none << "+1005 oder +1,005";
    QTest::newRow("minus sign U+2212") << QByteArray("\xE2\x88\x92"
                                                     "1.000")
                                       << none << "\u22121000 oder \u22121,000";
    QTest::newRow("0.125 has a leading zero") << QByteArray("0.125") << 0.125 << QString();
    QTest::newRow("1.5") << QByteArray("1.5") << 1.5 << QString();
    QTest::newRow("1.0001") << QByteArray("1.0001") << 1.0001 << QString();
    QTest::newRow("1.00") << QByteArray("1.00") << 1.0 << QString();
    QTest::newRow("1.000e3 has an exponent") << QByteArray("1.000e3") << 1000.0 << QString();
    QTest::newRow("1,000 with comma") << QByteArray("1,000") << 1.0 << QString();
    QTest::newRow("1000.000, four whole digits") << QByteArray("1000.000") << 1000.0 << QString();
    QTest::newRow(".500") << QByteArray(".500") << 0.5 << QString();
}

void PlatformTest::aPointBeforeExactlyThreeDigitsMayGroupThousands() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(QString, rewrites);
    const std::string utf8 = text.toStdString();
    if (rewrites.isEmpty()) {
        QVERIFY(IsNumericText(utf8));
        VERIFY_SAME_DOUBLE(TextToDouble(utf8), value);
        return;
    }
    QVERIFY(!IsNumericText(utf8));
    try {
        (void)TextToDouble(utf8);
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.Kind(), ErrorKind::Conversion);
        const QString message = QString::fromStdString(error.Message());
        QVERIFY2(message.endsWith(QStringLiteral("Bitte %1 schreiben.").arg(rewrites)),
                 qPrintable(message));
    }
}

void PlatformTest::quotedTextIsCutOnlyBeyondItsLimit_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("39 bytes") << QByteArray(39, '7') << "„" + QString(39, '7') + "“";
    QTest::newRow("40 bytes, whole") << QByteArray(40, '7') << "„" + QString(40, '7') + "“";
    QTest::newRow("41 bytes, cut") << QByteArray(41, '7') << "„" + QString(40, '7') + "…“";
    QTest::newRow("40 bytes ending in a two-byte character") << QByteArray(38, '7') + "ö"
                                                             << "„" + QString(38, '7') + "ö“";
    QTest::newRow("41 bytes, a two-byte character across the limit")
        << QByteArray(39, '7') + "öx"
        << "„" + QString(39, '7') + "…“";
    QTest::newRow("empty") << QByteArray() << "„“";
}

// Quoted whole up to the limit, cut beyond it, never inside a character.
void PlatformTest::quotedTextIsCutOnlyBeyondItsLimit() {
    QFETCH(QByteArray, text);
    QFETCH(QString, quoted);
    // Exactly the text's bytes on the heap, no terminator after them: a read
    // past them is caught under AddressSanitizer.
    const std::string bytes = text.toStdString();
    const auto exact = std::make_unique<char[]>(std::max<std::size_t>(bytes.size(), 1));
    std::copy(bytes.begin(), bytes.end(), exact.get());
    QCOMPARE(QString::fromStdString(QuotedText(std::string_view(exact.get(), bytes.size()))),
             quoted);
}

void PlatformTest::doublesBecomeGermanText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 1200.0 << "1200";
    QTest::newRow("negative") << -300.0 << "-300";
    QTest::newRow("decimal comma") << 2.5 << "2,5";
    QTest::newRow("500/3 to 15 digits") << 500.0 / 3 << "166,666666666667";
    QTest::newRow("800/3") << 800.0 / 3 << "266,666666666667";
    QTest::newRow("0,1 shows short") << 0.1 << "0,1";
    QTest::newRow("sum noise is rounded away") << 480.00000000000006 << "480";
    QTest::newRow("smallest plain") << 0.0001 << "0,0001";
    QTest::newRow("just below 0,0001") << 0.0000999 << "9,99E-05";
    QTest::newRow("1,5E-07") << 1.5e-7 << "1,5E-07";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << "1E+15";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("1E+20") << 1e20 << "1E+20";
    QTest::newRow("three exponent digits") << 1.5e-300 << "1,5E-300";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "1,79769313486232E+308";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4,94065645841247E-324";
    QTest::newRow("negative exponent form") << -2.5e20 << "-2,5E+20";
    QTest::newRow("no group separators") << 1234567.25 << "1234567,25";
}

void PlatformTest::doublesBecomeGermanText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(DoubleToText(value)), text);
}

void PlatformTest::textOfANonFiniteValueIsAFloatingPointError() {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        QCOMPARE(KindRaisedBy([&] { (void)DoubleToText(value); }),
                 std::optional(ErrorKind::FloatingPoint));
}

void PlatformTest::formattedNumbersReadBackWithinFifteenDigits() {
    const auto readsBack = [](double value) {
        const std::string text = DoubleToText(value);
        if (!IsNumericText(text))
            return false;
        return ReadsBackWithinFifteenDigits(value, TextToDouble(text));
    };
    // Shown as 1000000000000,32, which reads back a little further off than
    // half a unit of the 15th digit (a fuzzer finding).
    QVERIFY(readsBack(1000000000000.325));

    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int n = 0; n < 20000; ++n) {
        double value = 0;
        const std::uint64_t pattern = bits(random);
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value))
            QVERIFY2(readsBack(value), DoubleToText(value).c_str());
    }
}

void PlatformTest::doublesBecomeLocaleFreeText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero, as shown") << -0.0 << "0";
    QTest::newRow("temperature") << -200.0 << "-200";
    QTest::newRow("three decimals") << 1.125 << "1.125";
    QTest::newRow("two decimals") << 2.25 << "2.25";
    QTest::newRow("0,1") << 0.1 << "0.1";
    QTest::newRow("500/3, all its digits") << 500.0 / 3 << "166.66666666666666";
    QTest::newRow("sum noise is kept") << 480.00000000000006 << "480.00000000000006";
    QTest::newRow("1,5E-07") << 1.5e-7 << "1.5e-07";
    QTest::newRow("1E+20") << 1e20 << "1e+20";
    QTest::newRow("a whole number, every digit") << 123456789012.0 << "123456789012";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "1.7976931348623157e+308";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << "5e-324";
    QTest::newRow("no group separators") << -1234567.25 << "-1234567.25";
}

void PlatformTest::doublesBecomeLocaleFreeText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(DoubleToLocaleFreeText(value)), text);
    QCOMPARE(
        KindRaisedBy([] { (void)DoubleToLocaleFreeText(std::numeric_limits<double>::infinity()); }),
        std::optional(ErrorKind::FloatingPoint));
}

// What the copies' HTML gives office programs reads back exactly, by a
// locale-free reader.
void PlatformTest::localeFreeTextReadsBackAsTheSameDouble() {
    std::mt19937_64 random(20261229);
    for (int n = 0; n < 100000; ++n) {
        double value = 0;
        const std::uint64_t pattern = random();
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value) || value == 0)
            continue;
        const std::string text = DoubleToLocaleFreeText(value);
        QVERIFY2(text.find_first_not_of("0123456789.e+-") == std::string::npos, text.c_str());
        bool read = false;
        const double back = QByteArray::fromStdString(text).toDouble(&read);
        QVERIFY2(read && SameDouble(back, value), text.c_str());
    }
}

void PlatformTest::countersStopAtTheirLimit() {
    QCOMPARE(CheckedIncrement(0), std::int16_t{1});
    QCOMPARE(CheckedIncrement(32766), std::int16_t{32767});
    QCOMPARE(KindRaisedBy([] { (void)CheckedIncrement(32767); }),
             std::optional(ErrorKind::CounterOverflow));
}

void PlatformTest::boundsAreChecked_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inside");
    QTest::newRow("below") << -1 << false;
    QTest::newRow("lower bound") << 0 << true;
    QTest::newRow("upper bound") << 6 << true;
    QTest::newRow("above") << 7 << false;
}

void PlatformTest::boundsAreChecked() {
    QFETCH(int, index);
    QFETCH(bool, inside);
    if (inside)
        CheckBounds(index, 0, 6);
    else
        QCOMPARE(KindRaisedBy([&] { CheckBounds(index, 0, 6); }), std::optional(ErrorKind::Bounds));
}

void PlatformTest::onlyOverflowInvalidAndDivisionByZeroStopAStep_data() {
    // Each row raises its flag (or none) by real arithmetic, the way a rule's
    // step would.
    QTest::addColumn<double>("left");
    QTest::addColumn<char>("operation");
    QTest::addColumn<double>("right");
    QTest::addColumn<bool>("raises");
    QTest::newRow("ordinary product") << 3.0 << '*' << 4.0 << false;
    QTest::newRow("overflowing product") << 1e308 << '*' << 10.0 << true;
    QTest::newRow("underflowing product") << 1e-308 << '*' << 1e-10 << false;
    QTest::newRow("overflowing quotient") << 1e308 << '/' << 1e-10 << true;
    QTest::newRow("division by zero") << 1.0 << '/' << 0.0 << true;
    QTest::newRow("invalid 0/0") << 0.0 << '/' << 0.0 << true;
    QTest::newRow("underflowing quotient") << 1e-308 << '/' << 1e10 << false;
    QTest::newRow("inexact") << 1.0 << '/' << 3.0 << false;
}

void PlatformTest::onlyOverflowInvalidAndDivisionByZeroStopAStep() {
    QFETCH(double, left);
    QFETCH(char, operation);
    QFETCH(double, right);
    QFETCH(bool, raises);
    // volatile: each call must really compute, and so set the flags again.
    const auto step = [&] {
        const volatile double l = left;
        const volatile double r = right;
        return operation == '*' ? l * r : l / r;
    };

    // The stored value of each step tells at once ...
    ClearFloatingPointStatus();
    QCOMPARE(!std::isfinite(step()), raises);

    // ... and the sticky flags once when a rule ends.
    ClearFloatingPointStatus();
    volatile double unchecked = step();
    (void)unchecked;
    QCOMPARE(FloatingPointStatusRaised(), raises);
    ClearFloatingPointStatus();
    QVERIFY(!FloatingPointStatusRaised());
}

namespace {
class NoControls : public ControlAccess {
public:
    [[nodiscard]] std::string FieldCaption(int /*field*/) const override { return {}; }
    void FocusField(int /*field*/) override {}
    void ShowErrorBox(std::string_view /*message*/) override {}
    void ExplainField(int /*field*/, std::string_view /*explanation*/) override {}

protected:
    std::optional<std::string> ReadFieldText(int /*field*/) override { return std::nullopt; }
    bool WriteResultCaption(std::string_view /*caption*/) override { return false; }
    void ShowModalMessage(std::string_view /*prompt*/, int /*buttons*/) override {}
    void ShowResultCurrent(bool /*current*/) override {}
    void Announce(std::string_view /*text*/) override {}
};
} // namespace

void PlatformTest::aFailedPropertyAccessIsARuntimeError() {
    NoControls form;
    QCOMPARE(KindRaisedBy([&] { (void)form.FieldText(1); }),
             std::optional(ErrorKind::PropertyAccess));
    QCOMPARE(KindRaisedBy([&] { form.SetResultCaption("x"); }),
             std::optional(ErrorKind::PropertyAccess));
}

Q_DECLARE_METATYPE(std::optional<velmora::ScreenPoint>)

void PlatformTest::aDialogOpensBesideTheWindow_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<std::optional<ScreenPoint>>("placed");

    const QRect fullHd(0, 0, 1920, 1080);
    const QSize figure(700, 500);
    using Placed = std::optional<ScreenPoint>;
    QTest::newRow("room on the right")
        << QRect(100, 100, 480, 470) << figure << fullHd << Placed(ScreenPoint{588, 100});
    QTest::newRow("exactly room on the right")
        << QRect(732, 100, 480, 470) << figure << fullHd << Placed(ScreenPoint{1220, 100});
    QTest::newRow("one pixel short on the right: below")
        << QRect(733, 100, 480, 470) << figure << fullHd << Placed(ScreenPoint{733, 578});
    QTest::newRow("below, moved in from the right edge")
        << QRect(1400, 100, 480, 470) << figure << fullHd << Placed(ScreenPoint{1220, 578});
    QTest::newRow("on the right, moved up from the bottom edge")
        << QRect(100, 800, 480, 270) << figure << fullHd << Placed(ScreenPoint{588, 580});
    QTest::newRow("neither right nor below: to the left")
        << QRect(1400, 500, 480, 470) << figure << fullHd << Placed(ScreenPoint{692, 500});
    QTest::newRow("only above is free")
        << QRect(600, 560, 800, 470) << figure << fullHd << Placed(ScreenPoint{600, 52});
    QTest::newRow("a second screen to the right of the first")
        << QRect(2000, 100, 480, 470) << figure << QRect(1920, 0, 1280, 1024)
        << Placed(ScreenPoint{2488, 100});
    QTest::newRow("a phone-sized screen: the platform decides")
        << QRect(0, 0, 480, 470) << figure << QRect(0, 0, 800, 600) << Placed();
}

void PlatformTest::aDialogOpensBesideTheWindow() {
    QFETCH(QRect, window);
    QFETCH(QSize, dialog);
    QFETCH(QRect, screen);
    QFETCH(std::optional<ScreenPoint>, placed);
    const auto box = [](const QRect& rect) {
        return ScreenBox{rect.left(), rect.top(), rect.width(), rect.height()};
    };
    const std::optional<ScreenPoint> got =
        PlaceBeside(box(window), dialog.width(), dialog.height(), box(screen));
    QCOMPARE(got.has_value(), placed.has_value());
    if (!got)
        return;
    QCOMPARE(QPoint(got->x, got->y), QPoint(placed->x, placed->y));
    // Whatever the side: on the screen, and clear of the window.
    const QRect frame(QPoint(got->x, got->y), dialog);
    QVERIFY(screen.contains(frame));
    QVERIFY(!frame.intersects(window));
}

void PlatformTest::noticesAreReadAsText_data() {
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<QString>("notices");

    const QString head =
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "Upstream-Name: Velmora\n\n";
    QTest::newRow("the program, its licence text with an empty line")
        << head + "Files: *\nCopyright: 2026 Velmora-Projekt\nLicense: GPL-3+\n\n"
                  "License: GPL-3+\n This program is free.\n .\n No warranty.\n"
        << "Velmora\n  Lizenz: GPL-3+\n  Copyright: 2026 Velmora-Projekt\n\n"
           "Lizenz GPL-3+:\n  This program is free.\n\n  No warranty.";
    QTest::newRow("a folder's component, its comment on two lines, two holders")
        << head + "Files: fast_float/*\nCopyright: 2021 The fast_float authors\n 2022 Others\n"
                  "License: Apache-2.0 or Expat\nComment: The number reader,\n compiled in.\n"
        << "fast_float\n  The number reader, compiled in.\n  Lizenz: Apache-2.0 or Expat\n"
           "  Copyright: 2021 The fast_float authors\n             2022 Others";
    QTest::newRow("holders indented deeper than one blank, as Debian's files do")
        << head + "Files: *\nCopyright: 2020 A\n           2021 B\nLicense: Expat\n"
        << "Velmora\n  Lizenz: Expat\n  Copyright: 2020 A\n             2021 B";
    QTest::newRow("Windows line ends, blank lines around")
        << "\r\n" + head + "Files: *\r\nLicense: GPL-3+\r\n\r\n\r\n"
        << "Velmora\n  Lizenz: GPL-3+";
    QTest::newRow("a licence named but not quoted says nothing more") << head + "License: Expat\n"
                                                                      << QString();
}

void PlatformTest::noticesAreReadAsText() {
    QFETCH(QString, copyright);
    QFETCH(QString, notices);
    QCOMPARE(QString::fromStdString(ReadableNotices(copyright.toStdString())), notices);
}

void PlatformTest::quotedCopyrightFilesAreReadAsText_data() {
    QTest::addColumn<QString>("notices");
    QTest::addColumn<QString>("readable");

    const QString file =
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "Upstream-Name: fast_float\n\nFiles: *\nCopyright: 2021 A\nLicense: Expat\n";
    const QString rule = QString(78, QLatin1Char('='));
    QTest::newRow("one file between two rules")
        << "Notices\n" + rule + "\nfast_float 1\n\n" + file + rule + "\nQt\nLGPL\n"
        << "Notices\n" + rule + "\nfast_float 1\n\nfast_float\n  Lizenz: Expat\n" +
               "  Copyright: 2021 A\n" + rule + "\nQt\nLGPL\n";
    QTest::newRow("a shorter rule of the file's own")
        << file + "\n=====\n\nLicense: Expat\n Text\n .\n End\n" + rule + "\nQt\n"
        << "fast_float\n  Lizenz: Expat\n  Copyright: 2021 A\n\nLizenz Expat:\n  Text\n\n  End\n" +
               rule + "\nQt\n";
    QTest::newRow("a file at the end, one at the start")
        << file + rule + "\nx\n" + file
        << "fast_float\n  Lizenz: Expat\n  Copyright: 2021 A\n" + rule +
               "\nx\nfast_float\n  Lizenz: Expat\n  Copyright: 2021 A\n";
    QString windows = "A\n" + rule + "\nB\n\n" + file + "\n" + rule + "\nC\n";
    windows.replace("\n", "\r\n");
    QTest::newRow("Windows line ends")
        << windows
        << "A\n" + rule + "\nB\n\nfast_float\n  Lizenz: Expat\n  Copyright: 2021 A\n" + rule +
               "\nC\n";
    QTest::newRow("a free-form Debian file's empty lines") << "Qt\n .\nFormat: a\n .x\n ."
                                                           << "Qt\n\nFormat: a\n .x\n";
    QTest::newRow("no file: unchanged") << "Qt\nFormat: a\n"
                                        << "Qt\nFormat: a\n";
}

void PlatformTest::quotedCopyrightFilesAreReadAsText() {
    QFETCH(QString, notices);
    QFETCH(QString, readable);
    QCOMPARE(QString::fromStdString(ReadableQuotedNotices(notices.toStdString())), readable);
}

QTEST_APPLESS_MAIN(PlatformTest)
#include "platform_test.moc"
