// The census generator writes well-formed CER/CERE files that the loader tests and benchmarks
// rely on: record lengths, reproducible bytes, real birth codes, valid identity letters.

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kVoters = 600;

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> Lines(const QByteArray &bytes, const QByteArray &end)
{
    QList<QByteArray> lines = bytes.split(end.back());
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (end.size() == 2)
        for (QByteArray &line : lines)
            line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

QSet<QByteArray> IneBirthCodes()
{
    QByteArray csv = ReadAll(QStringLiteral(":/data/municipios_ine.csv"));
    if (csv.isEmpty())
        csv = ReadAll(QStringLiteral(SM_SOURCE_DIR "/data/municipios_ine.csv"));
    QSet<QByteArray> codes;
    const QList<QByteArray> rows = csv.split('\n');
    for (qsizetype i = 1; i < rows.size(); ++i)
        if (rows[i].size() > 5)
            codes.insert(rows[i].left(5));
    return codes;
}

bool DniLetterOk(const QByteArray &id)
{
    static const char kLetters[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    QByteArray digits = id.left(8);
    const int prefix = QByteArray("XYZ").indexOf(digits[0]);
    if (prefix >= 0)
        digits[0] = char('0' + prefix);
    bool ok = false;
    const long value = digits.toLong(&ok);
    return ok && id.size() == 9 && id[8] == kLetters[value % 23];
}

} // namespace

class TestGenCensus : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static bool Run(const QStringList &args)
    {
        QProcess tool;
        tool.start(QStringLiteral(GEN_CENSUS_PATH), args);
        return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit &&
               tool.exitCode() == 0;
    }

private Q_SLOTS:
    void files_data();
    void files();
    void sameSeedSameBytes();
    void rejectsForeignShareWithoutTarget();
};

void TestGenCensus::files_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<bool>("edges");
    QTest::addColumn<QByteArray>("lineEnd");

    const QStringList allEdges = {"--edge",
                                  "blank-birth,short-birth,zero-birth,impossible-date,day00,"
                                  "len843,len869,accents",
                                  "--edge-every", "11"};
    QTest::newRow("CER only") << QStringList() << false << false << QByteArray("\r\n");
    QTest::newRow("CER + CERE, edge lines") << (QStringList{"--foreign-share", "0.15"} + allEdges)
                                            << false << true << QByteArray("\r\n");
    QTest::newRow("CER+CERE in one file, LF")
        << (QStringList{"--foreign-share", "0.15", "--foreign-mixed", "--line-end", "lf"} +
            allEdges)
        << true << true << QByteArray("\n");
}

void TestGenCensus::files()
{
    QFETCH(QStringList, extra);
    QFETCH(bool, mixed);
    QFETCH(bool, edges);
    QFETCH(QByteArray, lineEnd);
    QVERIFY(m_dir.isValid());
    const QString cerPath = m_dir.filePath("cer.txt");
    const QString cerePath = m_dir.filePath("cere.txt");
    QFile::remove(cerePath);
    QStringList args = {"--out-cer",  cerPath, "--voters", QString::number(kVoters),
                        "--stations", "7",     "--seed",   "42"};
    if (!mixed)
        args << "--out-cere" << cerePath;
    QVERIFY(Run(args + extra));

    const QByteArray cerBytes = ReadAll(cerPath);
    if (lineEnd == "\n")
        QVERIFY(!cerBytes.contains('\r'));
    QList<QByteArray> cer = Lines(cerBytes, lineEnd);
    QList<QByteArray> cere = mixed ? QList<QByteArray>() : Lines(ReadAll(cerePath), lineEnd);
    const int expectedForeign = extra.contains("--foreign-share") ? kVoters * 15 / 100 : 0;
    QCOMPARE(cer.size() + cere.size(), kVoters);

    const QSet<QByteArray> ine = IneBirthCodes();
    QVERIFY(ine.size() > 8000);
    QSet<int> lengths;
    QSet<QByteArray> specialBirth, specialDates;
    int foreign = 0;
    bool accented = false;
    QByteArray previousStation;
    int previousOrder = 0;
    for (const QList<QByteArray> *file : {&cer, &cere}) {
        for (const QByteArray &line : *file) {
            lengths.insert(int(line.size()));
            QVERIFY2(line.size() >= 841, line.constData());
            const bool isForeign = line.size() >= 867 && line.mid(841, 25).trimmed().size() > 0;
            QCOMPARE(isForeign, file == &cere || line.size() >= 867);
            foreign += isForeign;
            if (isForeign)
                QVERIFY(line[866] == 'S' || line[866] == 'N');

            const QByteArray birth = line.mid(793, 5);
            if (!ine.contains(birth)) {
                QVERIFY2(edges, birth.constData());
                specialBirth.insert(birth);
            }
            const QByteArray date = line.mid(798, 8);
            const QDate parsed(date.mid(4).toInt(), date.mid(2, 2).toInt(), date.left(2).toInt());
            if (!parsed.isValid()) {
                QVERIFY2(edges, date.constData());
                specialDates.insert(date);
            } else {
                QVERIFY(parsed.year() >= 1930 && parsed.year() <= 2008);
            }
            QVERIFY2(DniLetterOk(line.mid(807, 9)), line.mid(807, 9).constData());
            QVERIFY(line[806] == 'V' || line[806] == 'M');
            QVERIFY(line[836] >= '1' && line[836] <= '4');
            accented = accented || std::any_of(line.begin() + 400, line.begin() + 526,
                                               [](char c) { return uchar(c) >= 0x80; });

            // Grouped by station in key order, list numbers counting from 0001 in each.
            const QByteArray station = line.mid(63, 7);
            const int order = line.mid(837, 4).toInt();
            if (station != previousStation) {
                QVERIFY(file != &cer || station > previousStation);
                QCOMPARE(order, 1);
            } else {
                QCOMPARE(order, previousOrder + 1);
            }
            previousStation = station;
            previousOrder = order;
        }
        previousStation.clear();
    }
    QCOMPARE(foreign, expectedForeign);

    if (edges) {
        QCOMPARE(lengths, QSet<int>({841, 843, 867, 869}));
        QCOMPARE(specialBirth, QSet<QByteArray>({"     ", "  079", "00000"}));
        QCOMPARE(specialDates, QSet<QByteArray>({"31022001", "00000000"}));
        QVERIFY(accented);
    } else {
        QCOMPARE(lengths, QSet<int>({841}));
        QVERIFY(!accented);
    }
}

void TestGenCensus::sameSeedSameBytes()
{
    auto generate = [this](const QString &name, const QString &seed) -> QByteArray {
        const QString cer = m_dir.filePath(name + "-cer.txt");
        const QString cere = m_dir.filePath(name + "-cere.txt");
        if (!Run({"--out-cer", cer, "--out-cere", cere, "--voters", "300", "--stations", "4",
                  "--foreign-share", "0.2", "--edge", "accents,len843,day00", "--seed", seed}))
            return QByteArray();
        return ReadAll(cer) + '|' + ReadAll(cere);
    };
    const QByteArray first = generate("a", "9");
    QVERIFY(first.size() > 300 * 841);
    QCOMPARE(generate("b", "9"), first);
    const QByteArray other = generate("c", "10");
    QVERIFY(other.size() > 300 * 841 && other != first);
}

void TestGenCensus::rejectsForeignShareWithoutTarget()
{
    QVERIFY(!Run({"--out-cer", m_dir.filePath("x.txt"), "--voters", "10", "--stations", "1",
                  "--foreign-share", "0.5"}));
}

QTEST_GUILESS_MAIN(TestGenCensus)
#include "test_gen_census.moc"
