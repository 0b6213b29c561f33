// Text, number, date, message, file and engine-configuration helpers.

#include "support/FakeInteraction.h"
#include "util/Bde.h"
#include "util/Cp1252.h"
#include "util/DateUtils.h"
#include "util/FileUtils.h"
#include "util/Messages.h"
#include "util/NumberUtils.h"
#include "util/Regional.h"
#include "util/TextUtils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// First field (the six-digit code) of every data row of an INE reference file.
QStringList readCodes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList codes;
    file.readLine(); // header
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty())
            codes << line.section(QLatin1Char(','), 0, 0);
    }
    return codes;
}

// Codes whose sixth digit differs from the computed check digit of the first five.
QStringList checkDigitMismatches(const QStringList &codes)
{
    QStringList bad;
    for (const QString &code : codes) {
        if (code.size() != 6 || MunicipalityCheckDigit(code.left(5)) != code.at(5).digitValue())
            bad << code;
    }
    return bad;
}

} // namespace

class TestUtil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { regional::setShortDateFormat(QString()); }

    void trimAndBlank_data();
    void trimAndBlank();
    void fitWidth_data();
    void fitWidth();
    void padding();
    void properCase_data();
    void properCase();
    void digitsAndZeros_data();
    void digitsAndZeros();
    void toIntOrZero_data();
    void toIntOrZero();
    void charHelpers();
    void scrambleKey_data();
    void scrambleKey();
    void upperEs();
    void cp1252RoundTrip();

    void ageInYears_data();
    void ageInYears();
    void dayAndMonthNames();
    void parseDateOrZero_data();
    void parseDateOrZero();
    void parseDateFollowsProgramFormat();
    void checkDateFormat_data();
    void checkDateFormat();
    void dateText_data();
    void dateText();

    void numberToWords_data();
    void numberToWords();
    void checkDigit_data();
    void checkDigit();
    void checkDigitAllMunicipalities();
    void checkDigitAllCountries();
    void maskIdentifier_data();
    void maskIdentifier();
    void streetNumber_data();
    void streetNumber();
    void composeAddress_data();
    void composeAddress();

    void validationMessage_data();
    void validationMessage();
    void copyFileChecked();
    void makeTempTableName();
    void waitWithMessages();
    void bdeConfiguration();
};

// ---- text ---------------------------------------------------------------------------------

void TestUtil::trimAndBlank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::addColumn<bool>("blank");
    QTest::newRow("blanks only") << "   "
                                 << "" << true;
    QTest::newRow("empty") << ""
                           << "" << true;
    QTest::newRow("both sides") << "  ab c  "
                                << "ab c" << false;
    QTest::newRow("tab is not a blank") << "\tx \t"
                                        << "\tx \t" << false;
    QTest::newRow("lone tab") << "\t"
                              << "\t" << false;
}

void TestUtil::trimAndBlank()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QFETCH(bool, blank);
    QCOMPARE(TrimBoth(text), trimmed);
    QCOMPARE(IsBlank(text), blank);
}

void TestUtil::fitWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QChar>("fill");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("expected");
    const QChar zero('0'), blank(' ');
    QTest::newRow("right pads") << "123" << 6 << zero << true << "000123";
    QTest::newRow("right cuts left") << "1234567" << 6 << zero << true << "234567";
    QTest::newRow("right trims first") << " 12 " << 4 << zero << true << "0012";
    QTest::newRow("left pads, trims") << " ab " << 4 << blank << false << "ab  ";
    QTest::newRow("left cuts right") << "abcdefg" << 3 << blank << false << "abc";
    QTest::newRow("accents kept") << U("Peña") << 6 << blank << false << U("Peña  ");
    QTest::newRow("zero width") << "abc" << 0 << blank << true << "";
}

void TestUtil::fitWidth()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QChar, fill);
    QFETCH(bool, right);
    QFETCH(QString, expected);
    QCOMPARE(FitWidth(text, width, fill, right), expected);
}

void TestUtil::padding()
{
    QCOMPARE(RepeatChar('x', 3), QString("xxx"));
    QCOMPARE(RepeatChar('x', 0), QString());
    QCOMPARE(RepeatChar('x', -2), QString());
    QCOMPARE(PadLeftWith("7", '0', 3), QString("007"));
    QCOMPARE(PadLeftWith("12345", '0', 3), QString("12345"));
    QCOMPARE(PadLeftSpaces(4), QString("    "));
    QCOMPARE(PadLeftSpaces(0), QString());
}

void TestUtil::properCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("words") << U("josé maría") << U("José María");
    QTest::newRow("hyphen and dot") << "ana-luz j.r.r."
                                    << "Ana-Luz J.R.R.";
    QTest::newRow("capitals kept") << "mcDONALD"
                                   << "McDONALD";
    QTest::newRow("accented initial") << U("ángel ñoño") << U("Ángel Ñoño");
    QTest::newRow("tab is no separator") << "a\tb"
                                         << "A\tb";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUtil::properCase()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ProperCase(text), expected);
}

void TestUtil::digitsAndZeros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("stripped");
    QTest::newRow("dni") << " 12.345.678-Z "
                         << "12345678"
                         << "12.345.678-Z";
    QTest::newRow("leading zeros") << "000120"
                                   << "000120"
                                   << "120";
    QTest::newRow("single zero") << "0"
                                 << "0"
                                 << "";
    QTest::newRow("all zeros") << "000"
                               << "000"
                               << "";
    QTest::newRow("zeros inside kept") << "  0102 "
                                       << "0102"
                                       << "102";
    QTest::newRow("blank") << "   "
                           << ""
                           << "";
    QTest::newRow("non-ASCII digits ignored") << U("1\u0663 2") << "12" << U("1\u0663 2");
}

void TestUtil::digitsAndZeros()
{
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QFETCH(QString, stripped);
    QCOMPARE(DigitsOnly(text), digits);
    QCOMPARE(StripLeadingZeros(text), stripped);
}

void TestUtil::toIntOrZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("plain") << "42" << qint64(42);
    QTest::newRow("blanks") << "  0042 " << qint64(42);
    QTest::newRow("minus") << "-17" << qint64(-17);
    QTest::newRow("plus") << "+5" << qint64(5);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("sign only") << "-" << qint64(0);
    QTest::newRow("decimal") << "1,5" << qint64(0);
    QTest::newRow("inner blank") << "1 2" << qint64(0);
    QTest::newRow("hex") << "0x1F" << qint64(0);
    QTest::newRow("tab") << "\t3" << qint64(0);
    QTest::newRow("overflow") << "99999999999999999999" << qint64(0);
}

void TestUtil::toIntOrZero()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(ToIntOrZero(text), expected);
}

void TestUtil::charHelpers()
{
    QVERIFY(ContainsAnyChar("a/b", "\\/"));
    QVERIFY(!ContainsAnyChar("abc", "xyz"));
    QVERIFY(!ContainsAnyChar("abc", ""));
    QCOMPARE(ReplaceCharWith("\"C:\\a b\\f.doc\"", '"', ""), QString("C:\\a b\\f.doc"));
    QCOMPARE(ReplaceCharWith("a.b.c", '.', "--"), QString("a--b--c"));
    QCOMPARE(IfThen(true, QString("S"), QString("N")), QString("S"));
    QCOMPARE(IfThen(false, 1, 2), 2);
}

void TestUtil::scrambleKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shift by length") << "abc"
                                     << "def";
    QTest::newRow("padded password") << "clave "
                                     << "irg|k&";
    QTest::newRow("wraps at 256") << U("ÿ") << QString(QChar(0));
    QTest::newRow("accented letter") << U("ñ") << U("ò");
    QTest::newRow("into the 0x80 block") << "~~" << U("€€");
    QTest::newRow("empty") << ""
                           << "";
}

void TestUtil::scrambleKey()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString scrambled = ScrambleKey(text);
    QCOMPARE(scrambled.size(), text.size());
    QCOMPARE(scrambled, expected);
    // Reversible: every byte moves back by the length.
    QByteArray back = ToCp1252(scrambled);
    for (char &b : back)
        b = char((static_cast<unsigned char>(b) + 256 - text.size() % 256) % 256);
    QCOMPARE(FromCp1252(back), text);
}

void TestUtil::upperEs()
{
    QCOMPARE(UpperEs(U("áéíóúñüç mañana º ª 12")), U("ÁÉÍÓÚÑÜÇ MAÑANA º ª 12"));
    // Every result stays one Windows-1252 byte per character.
    QCOMPARE(UpperEs(U("ßµÿ")), U("ßµŸ"));
}

void TestUtil::cp1252RoundTrip()
{
    const QString spanish = U("ÁÉÍÓÚÑñüºª€");
    const QByteArray bytes = ToCp1252(spanish);
    QCOMPARE(bytes, QByteArray("\xC1\xC9\xCD\xD3\xDA\xD1\xF1\xFC\xBA\xAA\x80"));
    QCOMPARE(FromCp1252(bytes), spanish);
    QCOMPARE(ToCp1252(U("a\u4E2Db")), QByteArray("a?b"));
}

// ---- dates --------------------------------------------------------------------------------

void TestUtil::ageInYears_data()
{
    QTest::addColumn<QDate>("reference");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("age");
    const QDate ref(2019, 6, 15);
    QTest::newRow("day before birthday") << ref << QDate(2001, 6, 16) << 17;
    QTest::newRow("birthday") << ref << QDate(2001, 6, 15) << 18;
    QTest::newRow("later month") << ref << QDate(2001, 7, 1) << 17;
    QTest::newRow("earlier month") << ref << QDate(2001, 5, 31) << 18;
    QTest::newRow("same month, earlier day, same year") << ref << QDate(2019, 6, 20) << 0;
    QTest::newRow("leap day") << QDate(2019, 2, 28) << QDate(2000, 2, 29) << 18;
}

void TestUtil::ageInYears()
{
    QFETCH(QDate, reference);
    QFETCH(QDate, birth);
    QFETCH(int, age);
    QCOMPARE(AgeInYears(reference, birth), age);
}

void TestUtil::dayAndMonthNames()
{
    const QStringList days = {U("Lunes"),   U("Martes"), U("Miércoles"), U("Jueves"),
                              U("Viernes"), U("Sábado"), U("Domingo")};
    for (int i = 0; i < 7; ++i) // 2019-07-01 was a Monday
        QCOMPARE(WeekdayNameEs(QDate(2019, 7, 1 + i)), days.at(i));
    QCOMPARE(WeekdayNameEs(ZeroDate()), U("Sábado"));
    QCOMPARE(MonthNameEs(QDate(2019, 1, 31)), QString("ENERO"));
    QCOMPARE(MonthNameEs(QDate(2019, 9, 1)), QString("SEPTIEMBRE"));
    QCOMPARE(MonthNameEs(QDate(2019, 12, 1)), QString("DICIEMBRE"));
    const QDateTime dt(QDate(2019, 5, 26), QTime(21, 7, 9));
    QCOMPARE(DayOf(dt.date()), 26);
    QCOMPARE(MonthOf(dt.date()), 5);
    QCOMPARE(YearOf(dt.date()), 2019);
    QCOMPARE(HourOf(dt), 21);
    QCOMPARE(MinuteOf(dt), 7);
    QCOMPARE(SecondOf(dt), 9);
}

void TestUtil::parseDateOrZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
    QTest::newRow("date") << "26/05/2019" << QDateTime(QDate(2019, 5, 26), QTime(0, 0));
    QTest::newRow("short fields") << "1/2/2019" << QDateTime(QDate(2019, 2, 1), QTime(0, 0));
    QTest::newRow("with time") << " 26/05/2019 09:30:15"
                               << QDateTime(QDate(2019, 5, 26), QTime(9, 30, 15));
    QTest::newRow("hours and minutes")
        << "26/05/2019 9:30" << QDateTime(QDate(2019, 5, 26), QTime(9, 30));
    QTest::newRow("not a day") << "31/02/2019" << zero;
    QTest::newRow("bad time") << "26/05/2019 25:00" << zero;
    QTest::newRow("empty") << "" << zero;
    QTest::newRow("words") << "ayer" << zero;
    QTest::newRow("wrong separator") << "26-05-2019" << zero;
    QTest::newRow("letters in field") << "2a/05/2019" << zero;
}

void TestUtil::parseDateOrZero()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(ParseDateOrZero(text), expected);
}

void TestUtil::parseDateFollowsProgramFormat()
{
    regional::setShortDateFormat("yyyy-MM-dd");
    QCOMPARE(ParseDateOrZero("2019-05-26").date(), QDate(2019, 5, 26));
    QCOMPARE(ParseDateOrZero("26/05/2019").date(), ZeroDate());
    regional::setShortDateFormat("MM.dd.yyyy");
    QCOMPARE(ParseDateOrZero("05.26.2019").date(), QDate(2019, 5, 26));
}

void TestUtil::checkDateFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("show");
    QTest::addColumn<bool>("ok");
    QTest::newRow("default") << "" << true << true;
    QTest::newRow("Spanish letters") << "dd/mm/aaaa" << true << true;
    QTest::newRow("two-digit year") << "dd/MM/yy" << true << false;
    QTest::newRow("two-digit year, silent") << "dd/MM/yy" << false << false;
    QTest::newRow("year first") << "yyyy/MM/dd" << true << false;
}

void TestUtil::checkDateFormat()
{
    QFETCH(QString, format);
    QFETCH(bool, show);
    QFETCH(bool, ok);
    regional::setShortDateFormat(format);
    FakeInteraction ui;
    QCOMPARE(CheckDateFormat(ui, show), ok);
    if (ok || !show) {
        QVERIFY(ui.messages.isEmpty());
        return;
    }
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages.at(0).kind, QString("error"));
    QCOMPARE(ui.messages.at(0).title, QString("CONFIGURACION FORMATO FECHA DEL SISTEMA"));
    QCOMPARE(ui.messages.at(0).text,
             U("¡¡ ATENCION !!\n\nEl formato de FECHA de WINDOWS no está correctamente "
               "configurada.\nCompruebe en la carpeta <INICIO - CONFIGURACION - PANEL DE "
               "CONTROL - CONFIGURACION REGIONAL> que el formato de fecha sea:\n\ndd/MM/aaaa"));
}

void TestUtil::dateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("full") << "26/05/2019" << QDate(2019, 5, 26) << "26/05/2019";
    QTest::newRow("short") << "1/2/2019" << QDate(2019, 2, 1) << "01/02/2019";
    QTest::newRow("leap day") << "29/02/2020" << QDate(2020, 2, 29) << "29/02/2020";
    QTest::newRow("not a day") << "29/02/2019" << QDate() << "";
    QTest::newRow("two-digit year") << "01/02/19" << QDate() << "";
    QTest::newRow("empty") << "" << QDate() << "";
}

void TestUtil::dateText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QString, canonical);
    QCOMPARE(DateFromText(text), date);
    QCOMPARE(DateText(date), canonical);
}

// ---- numbers and codes --------------------------------------------------------------------

void TestUtil::numberToWords_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QChar>("gender");
    QTest::addColumn<QString>("words");
    const QChar m('M'), f('F');
    const auto row = [](const char *name, qint64 n, QChar g, const char *words) {
        QTest::newRow(name) << n << g << QString::fromUtf8(words);
    };
    row("zero", 0, m, "");
    row("one m", 1, m, "uno");
    row("one f", 1, f, "una");
    row("16", 16, m, "dieciséis");
    row("20", 20, m, "veinte");
    row("21 m", 21, m, "veintiuno");
    row("21 f", 21, f, "veintiuna");
    row("22", 22, m, "veintidós");
    row("23", 23, m, "veintitres");
    row("26", 26, m, "veintiseis");
    row("30", 30, m, "treinta");
    row("31 f", 31, f, "treinta y una");
    row("99", 99, m, "noventa y nueve");
    row("100", 100, m, "cien");
    row("101", 101, m, "ciento uno");
    row("115", 115, m, "ciento quince");
    row("200", 200, m, "doscientos");
    row("201", 201, m, "doscientos uno");
    row("312", 312, m, "trescientos doce");
    row("300", 300, m, "trescientos");
    row("500 f", 500, f, "quinientas");
    row("555", 555, m, "quinientos cincuenta y cinco");
    row("700", 700, m, "setecientos");
    row("805 f", 805, f, "ochocientas cinco");
    row("900", 900, m, "novecientos");
    row("999", 999, m, "novecientos noventa y nueve");
    row("1000", 1000, m, "mil");
    row("1001", 1001, m, "mil uno");
    row("1984", 1984, m, "mil novecientos ochenta y cuatro");
    row("2019", 2019, m, "dos mil diecinueve");
    row("9000", 9000, m, "nueve mil");
    row("15000", 15000, m, "quince mil");
    row("45312", 45312, m, "cuarenta y cinco mil trescientos doce");
    row("300000", 300000, m, "trescientos mil");
    row("100100", 100100, m, "cien mil cien");
    row("1000000", 1000000, m, "un millón");
    row("1500000", 1500000, m, "un millón quinientos mil");
    row("2000001", 2000001, m, "dos millones uno");
    row("9999999", 9999999, m,
        "nueve millones novecientos noventa y nueve mil novecientos noventa y nueve");
    row("negative", -21, m, "veintiuno");
    row("ten digits", 1000000000, m, "Demasiado grande");
    row("lowest", std::numeric_limits<qint64>::min(), m, "Demasiado grande");
}

void TestUtil::numberToWords()
{
    QFETCH(qint64, n);
    QFETCH(QChar, gender);
    QFETCH(QString, words);
    QCOMPARE(NumberToWordsEs(n, gender), words);
}

void TestUtil::checkDigit_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("digit");
    QTest::newRow("41091") << "41091" << 7;
    QTest::newRow("08019") << "08019" << 3;
    QTest::newRow("01001") << "01001" << 4;
    QTest::newRow("00000") << "00000" << 0;
    // Published and checked cases, with names and sources, kept with the reference data.
    QFile file(SM_SOURCE_DIR "/data/dc_casos_verificados.csv");
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    file.readLine();
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).split(QLatin1Char(','));
        if (f.size() < 2)
            continue;
        QTest::addRow("csv %s", qPrintable(f.at(0))) << f.at(0) << f.at(1).toInt();
    }
}

void TestUtil::checkDigit()
{
    QFETCH(QString, code);
    QFETCH(int, digit);
    QCOMPARE(MunicipalityCheckDigit(code), digit);
}

void TestUtil::checkDigitAllMunicipalities()
{
    const QStringList codes = readCodes(SM_SOURCE_DIR "/data/municipios_ine.csv");
    QCOMPARE(codes.size(), 8132); // the file was read in full
    QCOMPARE(checkDigitMismatches(codes), QStringList());
}

void TestUtil::checkDigitAllCountries()
{
    const QStringList codes = readCodes(SM_SOURCE_DIR "/data/paises_ine.csv");
    QVERIFY(codes.size() > 200);
    QCOMPARE(checkDigitMismatches(codes), QStringList());
}

void TestUtil::maskIdentifier_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("source"); // the text whose characters may show through
    QTest::addColumn<int>("shown");
    QTest::newRow("dni digits") << "D"
                                << " 12345678Z " << 4 << "12345678" << 4;
    QTest::newRow("card digits") << "T"
                                 << "X-1234567-L" << 4 << "1234567" << 4;
    QTest::newRow("passport keeps letters") << "P"
                                            << "AB123456" << 4 << "AB123456" << 4;
    QTest::newRow("count above length") << "D"
                                        << "123" << 4 << "123" << 3;
    QTest::newRow("count zero") << "D"
                                << "123" << 0 << "123" << 0;
    QTest::newRow("empty") << "D"
                           << "   " << 4 << "" << 0;
}

void TestUtil::maskIdentifier()
{
    QFETCH(QString, kind);
    QFETCH(QString, identifier);
    QFETCH(int, count);
    QFETCH(QString, source);
    QFETCH(int, shown);
    QSet<QString> seen;
    for (int round = 0; round < 200; ++round) {
        const QString masked = MaskIdentifier(kind, identifier, count);
        QCOMPARE(masked.size(), source.size());
        int visible = 0;
        for (int i = 0; i < masked.size(); ++i) {
            if (masked.at(i) == QLatin1Char('*'))
                continue;
            QCOMPARE(masked.at(i), source.at(i));
            ++visible;
        }
        QCOMPARE(visible, shown);
        seen.insert(masked);
    }
    // Positions are drawn at random, also for calls made in quick succession.
    if (shown > 0 && shown < source.size())
        QVERIFY(seen.size() > 1);
}

void TestUtil::streetNumber_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("kindText");
    QTest::addColumn<QString>("numberText");
    QTest::newRow("N") << "N" << qint64(12) << U("Nº") << "000012";
    QTest::newRow("S") << "S" << qint64(0) << "SN"
                       << "000000";
    QTest::newRow("P") << "P" << qint64(1234567) << "PC"
                       << "234567";
    QTest::newRow("K fraction") << "K" << qint64(1500) << "KM"
                                << "1,5";
    QTest::newRow("K three decimals") << "K" << qint64(12345) << "KM"
                                      << "12,345";
    QTest::newRow("K whole") << "K" << qint64(3000) << "KM"
                             << "3";
    QTest::newRow("K below one") << "K" << qint64(500) << "KM"
                                 << "0,5";
    QTest::newRow("other") << "X" << qint64(7) << ""
                           << "000007";
}

void TestUtil::streetNumber()
{
    QFETCH(QString, kind);
    QFETCH(qint64, number);
    QFETCH(QString, kindText);
    QFETCH(QString, numberText);
    QCOMPARE(NumberKindText(kind), kindText);
    QCOMPARE(StreetNumberText(kind, number), numberText);
}

void TestUtil::composeAddress_data()
{
    // Arguments in order: type, second, name, includeSecond, limit, door, floor, staircase,
    // portal, block, qualifier, number, kind.
    QTest::addColumn<QStringList>("a");
    QTest::addColumn<bool>("includeSecond");
    QTest::addColumn<int>("limit");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");
    using L = QStringList;
    QTest::newRow("example") << L{"CALLE", "", "MAYOR", "A", "2", "", "", "", "B", "N"} << false
                             << 0 << qint64(12) << U("CALLE MAYOR Nº 12B 2-A");
    QTest::newRow("capitals and trimming")
        << L{" calle ", "", " peña  ", "izda", " 3 ", "", "", "", "", "N"} << false << 0
        << qint64(5) << U("CALLE PEÑA Nº 5 3-IZDA");
    QTest::newRow("no number") << L{"AV", "", "", "", "", "", "", "", "", "S"} << false << 0
                               << qint64(0) << "AV SN ";
    QTest::newRow("second text and limit")
        << L{"PZ", "de la", "constitucion", "", "", "", "", "", "", "N"} << true << 5 << qint64(1)
        << U("PZ DE LA CONST Nº 1");
    QTest::newRow("second text left out") << L{"PZ", "de la", "sol", "", "", "", "", "", "", "N"}
                                          << false << 0 << qint64(1) << U("PZ SOL Nº 1");
    QTest::newRow("block, portal, staircase, door only")
        << L{"CL", "", "RIO", "B", "", "izq", "2", "4", "", "N"} << false << 0 << qint64(3)
        << U("CL RIO Nº 3 Bl 4 Por 2 Esc IZQ B");
    QTest::newRow("kilometre") << L{"CR", "", "N-340", "", "", "", "", "", "", "K"} << false << 0
                               << qint64(1500) << "CR N-340 KM 1,5";
    QTest::newRow("kilometre below one") << L{"CR", "", "A-7", "", "", "", "", "", "", "K"}
                                         << false << 0 << qint64(500) << "CR A-7 KM 0,5";
}

void TestUtil::composeAddress()
{
    QFETCH(QStringList, a);
    QFETCH(bool, includeSecond);
    QFETCH(int, limit);
    QFETCH(qint64, number);
    QFETCH(QString, expected);
    QCOMPARE(ComposeAddress(a[0], a[1], a[2], includeSecond, limit, a[3], a[4], a[5], a[6], a[7],
                            a[8], number, a[9]),
             expected);
}

// ---- messages, files, engine configuration ------------------------------------------------

void TestUtil::validationMessage_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("text");
    QTest::newRow("0100, no title") << ""
                                    << "0100"
                                    << "Error"
                                    << "El valor <hasta> debe ser mayor o igual al valor <desde>";
    QTest::newRow("0105") << "Fechas"
                          << "0105"
                          << "Fechas" << U("Valor máximo 31 días");
    QTest::newRow("0106") << ""
                          << "0106"
                          << "Error" << U("Valor máximo 12 meses");
    QTest::newRow("0200") << ""
                          << "0200"
                          << "Error" << U("Valor no válido");
    QTest::newRow("0210") << ""
                          << "0210"
                          << "Error" << U("Valor no válido. Debe indicar algún contenido");
    QTest::newRow("0215") << ""
                          << "0215"
                          << "Error"
                          << "Ya existe";
    QTest::newRow("free text") << "Aviso"
                               << "OTRO TEXTO"
                               << "Aviso"
                               << "OTRO TEXTO";
    QTest::newRow("blank code") << "Aviso"
                                << "   "
                                << ""
                                << "";
}

void TestUtil::validationMessage()
{
    QFETCH(QString, title);
    QFETCH(QString, code);
    QFETCH(QString, shownTitle);
    QFETCH(QString, text);
    FakeInteraction ui;
    ValidationMessage(ui, title, code);
    if (text.isEmpty()) {
        QVERIFY(ui.messages.isEmpty());
        return;
    }
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages.at(0).kind, QString("error"));
    QCOMPARE(ui.messages.at(0).title, shownTitle);
    QCOMPARE(ui.messages.at(0).text, text);
}

void TestUtil::copyFileChecked()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString source = tmp.filePath("CINTA.DB");
    const QString target = tmp.filePath("copia.db");
    const auto write = [](const QString &path, const QByteArray &data) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    };
    const auto read = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QVERIFY(write(source, "nuevo"));
    QVERIFY(write(target, "viejo contenido"));

    QVERIFY(CopyFileChecked(source, target));
    QCOMPARE(read(target), QByteArray("nuevo"));

    QVERIFY(!CopyFileChecked(tmp.filePath("no-existe.db"), tmp.filePath("otro.db")));
    QVERIFY(!QFile::exists(tmp.filePath("otro.db")));

    // Something at the target that cannot be replaced: the copy failed, whatever is there.
    QVERIFY(QDir(tmp.path()).mkdir("carpeta"));
    QVERIFY(!CopyFileChecked(source, tmp.filePath("carpeta")));

    // A file copied onto itself keeps its contents.
    QVERIFY(CopyFileChecked(source, source));
    QCOMPARE(read(source), QByteArray("nuevo"));
}

void TestUtil::makeTempTableName()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QRegularExpression pattern("^TM_[0-9A-F]{4}\\.MES$");
    QSet<QString> names;
    for (int i = 0; i < 20; ++i) {
        const QString name = MakeTempTableName("TM_PREFIJO", ".MES", tmp.path());
        QVERIFY2(pattern.match(name).hasMatch(), qPrintable(name));
        names.insert(name);
        // Reserve it as the caller would, so the next name must differ.
        QFile f(tmp.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(names.size(), 20);
    // Only the files created here remain: the reserving file is removed.
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), 20);
    QCOMPARE(MakeTempTableName("AB", "MES", tmp.path()).size(), 10); // "AB" + 4 + ".MES"
    QCOMPARE(MakeTempTableName("TM_", ".MES", tmp.filePath("no-existe")), QString());
}

void TestUtil::waitWithMessages()
{
    bool fired = false;
    QTimer::singleShot(10, this, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    WaitWithMessages(80);
    QVERIFY(clock.elapsed() >= 79);
    QVERIFY(fired); // events ran while waiting
}

void TestUtil::bdeConfiguration()
{
    CheckBde(0);
    try {
        CheckBde(0x2501);
        QFAIL("no error raised");
    } catch (const BdeError &e) {
        QCOMPARE(QString(e.what()), QString("BDE Error #2501"));
    }
    QVERIFY_THROWS_EXCEPTION(BdeError, CheckBde(0xA));

    QVERIFY(!BdeLocalShare());
    SetBdeSystemParam("\\system\\init", "local share", "true");
    QVERIFY(BdeLocalShare());
    QCOMPARE(BdeSystemParam("\\SYSTEM\\INIT", "LOCAL SHARE"), QString("true"));
    SetBdeSystemParam("\\SYSTEM\\INIT", "NO EXISTE", "X"); // no entry: nothing changes
    QCOMPARE(BdeSystemParam("\\SYSTEM\\INIT", "NO EXISTE"), QString());
    QVERIFY_THROWS_EXCEPTION(BdeError, SetBdeSystemParam("\\NO\\EXISTE", "LOCAL SHARE", "X"));
    SetBdeSystemParam("\\SYSTEM\\INIT", "LOCAL SHARE", "FALSE");
    QVERIFY(!BdeLocalShare());
}

QTEST_GUILESS_MAIN(TestUtil)
#include "test_util.moc"
