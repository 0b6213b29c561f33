// The command line: options in any place, exit codes, init, general, load-census, stations.
#include "cli/Cli.h"
#include "store/Store.h"
#include "util/Cp1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int rc;
    QString out;
    QString err;
};

Run run(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int rc = RunCommandLine(args, o, e);
    o.flush();
    e.flush();
    return {rc, out, err};
}

QByteArray censusLine(const char *station, const char *nie)
{
    QByteArray l(841, ' ');
    auto put = [&l](int pos, const QByteArray &b) { l.replace(pos - 1, b.size(), b); };
    put(1, nie);
    put(64, station);
    put(401, "LUIS");
    put(421, "PEREZ");
    put(794, "41091");
    put(799, "01011970");
    put(837, "4");
    return l;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString data() const { return m_dir.path() + "/prog"; }

private Q_SLOTS:
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("rc");
        QTest::newRow("unknown command") << QStringList{"bogus"} << 2;
        QTest::newRow("data without dir") << QStringList{"init", "--data"} << 2;
        QTest::newRow("init extra arg") << QStringList{"init", "--nope"} << 2;
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("version") << QStringList{"--version"} << 0;
    }
    void usageErrors()
    {
        QFETCH(QStringList, args);
        QTEST(run(args).rc, "rc");
    }

    void initThenGeneral()
    {
        Run r = run({"--data", data(), "init"});
        QCOMPARE(r.rc, 0);
        QVERIFY(r.out.contains("8377"));
        for (const QString &f : {"CINTA.DB", "FICHEROS/CINTA.DB", "FICHEROS/USUARIO.DB"})
            QVERIFY2(QFile::exists(data() + "/" + f), qPrintable(f));
        QVERIFY(QFileInfo(data() + "/WTextos").isDir());
        // A second init refuses, unless forced.
        QCOMPARE(run({"init", "--data", data()}).rc, 1);
        QCOMPARE(run({"init", "--force", "--data=" + data()}).rc, 0);

        r = run({"general", "--data", data(), "fechaelectoral=28/05/2023", "JUNTADE=Sevilla",
                 "EDAD1=18", "CPOSTAYTO=4100123"});
        QCOMPARE(r.rc, 0);
        QVERIFY(r.out.contains("FECHAELECTORAL=28/05/2023\n"));
        QVERIFY(r.out.contains("JUNTADE=Sevilla\n"));
        QVERIFY(r.out.contains("EDAD1=18\n"));
        QVERIFY(r.out.contains("CPOSTAYTO=41001\n")); // cut at its width
        QVERIFY(r.out.contains("P_TITULO_1=4\nP_TITULO_2=4\nV_TITULO_1=3\nV_TITULO_2=4\n"));

        // Refused values write nothing, not even the valid ones given with them.
        for (const QStringList &bad :
             {QStringList{"EDAD1=20", "FECHASORTEO=31/02/2023"},
              QStringList{"EDAD1=20", "EDAD2=diez"}, QStringList{"EDAD1=20", "NOEXISTE=1"}}) {
            r = run(QStringList{"--data", data(), "general"} + bad);
            QCOMPARE(r.rc, 2);
            QVERIFY(!r.err.isEmpty());
        }
        QVERIFY(run({"--data", data(), "general"}).out.contains("EDAD1=18\n"));
    }

    void loadCensusAndStations()
    {
        QCOMPARE(run({"--data", data(), "init", "--force"}).rc, 0);
        const QString cer = m_dir.filePath("cer.txt");
        QFile f(cer);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(censusLine("01001AA", "1") + "\r\n" + censusLine("01001AB", "2") + "\r\n" +
                censusLine("01001AA", "3") + "\r\n");
        f.close();
        // Without --yes and without a terminal the question is answered No.
        Run r = run({"--data", data(), "load-census", cer});
        QCOMPARE(r.rc, 1);
        QVERIFY(r.err.contains("¿ DESEA HACERLA AHORA ?"));
        r = run({"load-census", cer, "--yes", "--data", data()});
        QCOMPARE(r.rc, 0);
        QVERIFY(r.err.contains("EL PROCESO DE CARGA DE FICHEROS DEL SORTEO HA FINALIZADO"));
        r = run({"--data", data(), "stations", "--csv"});
        QCOMPARE(r.rc, 0);
        QCOMPARE(r.out, QString("DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,NUMELECTORES\n"
                                "01,001A,A,1,2,2,2,2\n01,001A,B,1,2,2,2,1\n"));
        // A missing file fails with exit code 1.
        QCOMPARE(run({"--data", data(), "--yes", "load-census", cer + ".none"}).rc, 1);
    }

    void folderWithoutTables()
    {
        const Run r = run({"--data", m_dir.path() + "/empty", "general"});
        QCOMPARE(r.rc, 1);
        QVERIFY(r.err.contains("init"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
