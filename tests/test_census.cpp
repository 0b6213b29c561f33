// Census file loading: line lengths, derived values, load order, failures and what survives,
// and the station rebuild.
#include "census/CensusLoader.h"
#include "census/CensusRecord.h"
#include "stations/Stations.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"
#include "util/Cp1252.h"
#include "util/Regional.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One census line: blanks with fields put at their byte positions (1-based).
struct Line
{
    QByteArray bytes;
    explicit Line(int length = 841) : bytes(length, ' ') {}
    Line &put(int pos, const QString &text)
    {
        const QByteArray b = ToCp1252(text);
        bytes.replace(pos - 1, b.size(), b);
        return *this;
    }
    Line &station(const char *dt, const char *sec, const char *mesa)
    {
        return put(64, QString::fromLatin1(dt))
            .put(66, QString::fromLatin1(sec))
            .put(70, QString::fromLatin1(mesa));
    }
};

Line voter(const QString &nie, int length = 841)
{
    Line l(qMax(length, 841));
    l.put(1, nie).put(12, "41").put(14, "SEVILLA").station("01", "001A", "A");
    l.put(401, "ANA").put(421, "GARCIA").put(446, "LOPEZ").put(794, "41091");
    l.put(799, "05041980").put(807, "M").put(808, "12345678Z").put(837, "3").put(838, "0001");
    l.bytes.truncate(length);
    return l;
}

QString writeFile(const QString &path, const QList<Line> &lines, const QByteArray &eol = "\r\n")
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write fixture");
    for (const Line &l : lines)
        f.write(l.bytes + eol);
    return path;
}

QString lengthMessage(const QString &path)
{
    return "ATENCION, EL FICHERO " + path +
           " NO PUEDE SER CARGADO POR\nNO TENER LA LONGITUD ESPERADA.\n\nCOMPRUEBE SI ESTA "
           "CARGANDO EL FICHERO CORRECTO.\nSI EL FICHERO ESTA COMPRIMIDO, ANTES DE "
           "CARGARLO\nDEBE DESCOMPRIMIRLO.";
}

const QString kQuestion = "SI TODAVIA NO HA HECHO LA CARGA DE LOS FICHEROS DEL SORTEO\n¿ DESEA "
                          "HACERLA AHORA ?\n\n** Si ya hay datos cargados serán borrados **";
const QString kDone = "EL PROCESO DE CARGA DE FICHEROS DEL SORTEO HA FINALIZADO";

} // namespace

class TestCensus : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Store> m_store;
    FakeInteraction m_ui;
    RecordingProgress m_progress;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    CensusLoadResult load(const QString &cer, const QString &cere = {}, bool answer = true)
    {
        m_ui.clear();
        m_ui.answers = {answer};
        CensusLoader loader(*m_store, m_ui, m_progress);
        return loader.run({cer, cere, !cere.isEmpty()});
    }
    QString value(const QString &sql) { return m_store->scalar(sql).toString(); }
    qint64 rows() { return m_store->count("cinta"); }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        ProgramFolder::Install(m_dir.path() + "/prog");
        m_store = std::make_unique<Store>(m_dir.path() + "/prog");
        m_store->open();
        regional::setShortDateFormat({});
    }
    void cleanup() { m_store.reset(); }

    void lineLengths_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("accepted");
        for (int n : {841, 843, 867, 869})
            QTest::addRow("%d", n) << n << true;
        for (int n : {840, 844, 866, 870})
            QTest::addRow("%d", n) << n << false;
    }
    void lineLengths()
    {
        QFETCH(int, length);
        QFETCH(bool, accepted);
        const QString cer =
            writeFile(path("cer.txt"), {voter("1"), voter("2", length), voter("3")});
        const CensusLoadResult r = load(cer);
        QCOMPARE(!r.failed, accepted);
        // A bad line stops that file: the lines before it stay, the rest is skipped.
        QCOMPARE(rows(), accepted ? 3 : 1);
        if (accepted) {
            QCOMPARE(m_ui.messages.last().text, kDone);
        } else {
            QCOMPARE(m_ui.messages.last().kind, QString("error"));
            QCOMPARE(m_ui.messages.last().title, QString("Error carga ficheros sorteo"));
            QCOMPARE(m_ui.messages.last().text, lengthMessage(cer));
        }
    }

    void derivedValues_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("nationality");
        QTest::addColumn<QString>("birthCode");
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("munaci");
        QTest::addColumn<QString>("fenaci");
        // TIPOFICHERO comes from the length and the blankness of 842-866.
        QTest::newRow("cer") << 841 << ""
                             << "41091"
                             << "05041980"
                             << "CER"
                             << "410917"
                             << "1980-04-05";
        QTest::newRow("cere") << 867 << "MARRUECOS"
                              << "08019"
                              << "29021980"
                              << "CERE"
                              << "080193"
                              << "1980-02-29";
        QTest::newRow("867 blank") << 867 << ""
                                   << "41091"
                                   << "05041980"
                                   << "CER"
                                   << "410917"
                                   << "1980-04-05";
        QTest::newRow("843 nat") << 843 << "MA"
                                 << "41091"
                                 << "05041980"
                                 << "CER"
                                 << "410917"
                                 << "1980-04-05";
        QTest::newRow("869 cere") << 869 << "CHILE"
                                  << "41091"
                                  << "05041980"
                                  << "CERE"
                                  << "410917"
                                  << "1980-04-05";
        // Birth municipality: a blank inside keeps it as read; zero gives six blanks.
        QTest::newRow("short code") << 841 << ""
                                    << "  079"
                                    << "05041980"
                                    << "CER"
                                    << "  079"
                                    << "1980-04-05";
        QTest::newRow("blank code") << 841 << ""
                                    << "     "
                                    << "05041980"
                                    << "CER"
                                    << "     "
                                    << "1980-04-05";
        QTest::newRow("zero code") << 841 << ""
                                   << "00000"
                                   << "05041980"
                                   << "CER"
                                   << "      "
                                   << "1980-04-05";
        // Birth dates: day 00 leaves it null; an impossible date gives 30/12/1899.
        QTest::newRow("day 00") << 841 << ""
                                << "41091"
                                << "00000000"
                                << "CER"
                                << "410917"
                                << "";
        QTest::newRow("impossible") << 841 << ""
                                    << "41091"
                                    << "31022001"
                                    << "CER"
                                    << "410917"
                                    << "1899-12-30";
        QTest::newRow("blank date") << 841 << ""
                                    << "41091"
                                    << "        "
                                    << "CER"
                                    << "410917"
                                    << "";
    }
    void derivedValues()
    {
        QFETCH(int, length);
        QFETCH(QString, nationality);
        QFETCH(QString, birthCode);
        QFETCH(QString, birthDate);
        Line l = voter("X1", length);
        l.put(842, nationality.leftJustified(qMin(25, length - 841), ' '))
            .put(794, birthCode)
            .put(799, birthDate);
        load(writeFile(path("cer.txt"), {l}));
        QCOMPARE(rows(), 1);
        QTEST(value("SELECT TIPOFICHERO FROM cinta"), "tipo");
        QTEST(value("SELECT MUNACI FROM cinta"), "munaci");
        QTEST(value("SELECT COALESCE(FENACI,'') FROM cinta"), "fenaci");
        QCOMPARE(value("SELECT NACIONALIDAD FROM cinta"),
                 nationality.leftJustified(qMin(25, length - 841), ' '));
    }

    void storedFields()
    {
        Line l = voter("  123456789");
        l.put(401, "  MARÍA JOSÉ ")
            .put(421, QString("PEÑA").leftJustified(25))
            .put(14, QString("DOS HERMANAS").leftJustified(50));
        load(writeFile(path("cer.txt"), {l}, "\n"));
        Statement st = m_store->db().prepare(
            "SELECT NIE, NOMBRE, APELLIDO1, MUNICIPIO, PROVINCIA, SECCION, SEXO, IDENTIFICADOR, "
            "GRADOESCOLARIDAD, DESCGRADOESCOLARIDAD, ORDENENLISTAS, EXCLUIRSORTEO, NUMSORTEO, "
            "CODNAC, INTENCIONVOTO, ORDENCARGA FROM cinta");
        QVERIFY(st.step());
        QCOMPARE(st.text(0), QString("123456789"));  // trimmed
        QCOMPARE(st.text(1), QString("MARÍA JOSÉ")); // Windows-1252 decoded, trimmed
        QCOMPARE(st.text(2), QString("PEÑA"));
        QCOMPARE(st.text(3), QString("DOS HERMANAS").leftJustified(50, ' ')); // as read
        QCOMPARE(st.text(4), QString("41"));
        QCOMPARE(st.text(5), QString("001A"));
        QCOMPARE(st.text(6), QString("M"));
        QCOMPARE(st.text(7), QString("12345678Z"));
        QCOMPARE(st.text(8), QString("3"));
        QCOMPARE(st.text(9), QString("GRADUADO ESCOLAR O EQUIVALENTE"));
        QCOMPARE(st.text(10), QString("0001"));
        QCOMPARE(st.text(11), QString("N"));
        QCOMPARE(st.integer(12), 0);
        QCOMPARE(st.text(13), QString(""));
        QCOMPARE(st.text(14), QString(""));
        QCOMPARE(st.integer(15), 1);
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("eol");
        QTest::newRow("crlf") << QByteArray("\r\n");
        QTest::newRow("lf") << QByteArray("\n");
        QTest::newRow("cr") << QByteArray("\r");
    }
    void lineEnds()
    {
        QFETCH(QByteArray, eol);
        QList<Line> lines;
        for (int i = 0; i < 5; ++i)
            lines << voter(QString::number(i));
        QVERIFY(!load(writeFile(path("cer.txt"), lines, eol)).failed);
        QCOMPARE(rows(), 5);
    }

    void loadOrderAcrossFiles()
    {
        QList<Line> cer, cere;
        for (int i = 0; i < 100; ++i)
            cer << voter(QString::number(i));
        for (int i = 0; i < 20; ++i)
            cere << voter("E" + QString::number(i), 867).put(842, "FRANCIA").put(867, "S");
        const CensusLoadResult r =
            load(writeFile(path("cer.txt"), cer), writeFile(path("cere.txt"), cere));
        QVERIFY(!r.failed);
        QCOMPARE(r.rows, 120);
        QCOMPARE(value("SELECT MIN(ORDENCARGA)||'-'||MAX(ORDENCARGA)||'-'||COUNT(DISTINCT "
                       "ORDENCARGA) FROM cinta"),
                 QString("1-120-120"));
        QCOMPARE(value("SELECT MIN(ORDENCARGA) FROM cinta WHERE TIPOFICHERO='CERE'"),
                 QString("101"));
        QCOMPARE(value("SELECT INTENCIONVOTO FROM cinta WHERE ORDENCARGA=101"), QString("S"));
        // The stations count the CER file only: they are rebuilt after it.
        QCOMPARE(value("SELECT NUMELECTORES FROM mesas"), QString("100"));
        QCOMPARE(m_progress.phases.first(), QString("  Cargando fichero sorteo ..."));
        QCOMPARE(m_progress.lastCount, QString("120"));
    }

    void checksBeforeTheLoad()
    {
        const QString cer = writeFile(path("cer.txt"), {voter("1")});
        QVERIFY(!load(cer).failed);
        const QString kTitle = "Carga ficheros sorteo";
        struct Case
        {
            QString cer, cere, kind, title, text;
        };
        regional::setShortDateFormat("dd/MM/yy");
        load(cer);
        QCOMPARE(m_ui.messages.size(), 1);
        QCOMPARE(m_ui.messages[0].title, QString("CONFIGURACION FORMATO FECHA DEL SISTEMA"));
        regional::setShortDateFormat({});
        const QList<Case> cases = {
            {path("none.txt"),
             {},
             "warn",
             kTitle,
             "EL FICHERO C.E.R. (CENSO DE ESPAÑOLES RESIDENTES) INDICADO NO EXISTE"},
            {cer, path("none.txt"), "warn", kTitle,
             "EL FICHERO C.E.R.E. (CENSO DE EXTRANJEROS RESIDENTES EN ESPAÑA) INDICADO NO EXISTE"},
        };
        for (const Case &c : cases) {
            load(c.cer, c.cere);
            QCOMPARE(m_ui.messages.size(), 1);
            QCOMPARE(m_ui.messages[0].kind, c.kind);
            QCOMPARE(m_ui.messages[0].title, c.title);
            QCOMPARE(m_ui.messages[0].text, c.text);
        }
        // Answering No to the question changes nothing.
        const QString other = writeFile(path("other.txt"), {voter("7"), voter("8")});
        load("\"" + other + "\"", {}, false);
        QCOMPARE(m_ui.messages.size(), 1);
        QCOMPARE(m_ui.messages[0].text, kQuestion);
        QCOMPARE(rows(), 1);
        // Double quotes around the path are removed.
        QVERIFY(!load("\"" + other + "\"").failed);
        QCOMPARE(rows(), 2);
    }

    void lengthErrorInCerStillLoadsCere()
    {
        const QString cer = writeFile(path("cer.txt"), {voter("1"), voter("2", 844), voter("3")});
        const QString cere = writeFile(path("cere.txt"), {voter("E1", 867).put(842, "PERU")});
        const CensusLoadResult r = load(cer, cere);
        QVERIFY(r.failed);
        QCOMPARE(rows(), 2);
        QCOMPARE(
            value(
                "SELECT GROUP_CONCAT(ORDENCARGA) FROM (SELECT ORDENCARGA FROM cinta ORDER BY 1)"),
            QString("1,2"));
        QCOMPARE(m_store->count("mesas"), 1); // rebuilt after the failed CER file
        QCOMPARE(m_ui.texts(), QStringList({kQuestion, lengthMessage(cer)}));
    }

    void tableErrorKeepsRowsPostedBefore()
    {
        // A trigger in the empty table file makes the third row fail to post.
        {
            Database t;
            t.open(m_dir.path() + "/prog/FICHEROS/CINTA.DB");
            t.exec("CREATE TRIGGER boom BEFORE INSERT ON cinta WHEN NEW.NIE='BOOM' "
                   "BEGIN SELECT RAISE(ABORT,'boom'); END");
        }
        const QString cer =
            writeFile(path("cer.txt"), {voter("1"), voter("2"), voter("BOOM"), voter("4")});
        const CensusLoadResult r = load(cer);
        QVERIFY(r.failed);
        QCOMPARE(rows(), 2);
        QCOMPARE(m_store->count("mesas"), 1);
        QCOMPARE(m_ui.messages.last().kind, QString("error"));
        QCOMPARE(m_ui.messages.last().text, "ERROR DE CARGA EN EL FICHERO " + cer + " DEL SORTEO");
        // The key index is back after the failure.
        QCOMPARE(value("SELECT COUNT(*) FROM t_cinta.sqlite_master WHERE type='index'"),
                 QString("2"));
    }

    void reloadEmptiesDrawTables()
    {
        m_store->exec("INSERT INTO result (DISTRITO,SECCION,MESA,PV,AB,ORPV,ORTS,TS,NUMSORTEO) "
                      "VALUES ('01','001A','A','P','A',1,1,'T',1)");
        m_store->exec("INSERT INTO resultbck (DISTRITO,NUMSORTEO) VALUES ('01',1)");
        m_store->exec("INSERT INTO inc (ID,INC) VALUES (1,'x')");
        m_store->exec("INSERT INTO cinta (DISTRITO,ORDENCARGA) VALUES ('09',77)");
        QVERIFY(!load(writeFile(path("cer.txt"), {voter("1")})).failed);
        QCOMPARE(m_store->count("result") + m_store->count("resultbck") + m_store->count("inc"),
                 0);
        QCOMPARE(rows(), 1);
    }

    void stationRebuild()
    {
        QList<Line> lines;
        // Out of order in the file; three stations in key order afterwards.
        lines << voter("1").station("02", "003 ", "U") << voter("2").station("01", "001A", "B")
              << voter("3").station("01", "001A", "A") << voter("4").station("01", "001A", "B");
        load(writeFile(path("cer.txt"), lines));
        m_store->exec("INSERT INTO cinta (DISTRITO,SECCION,MESA,ORDENCARGA,EXCLUIRSORTEO) "
                      "VALUES ('01','001A','A',99,'S')");
        QCOMPARE(RebuildStationsFromCensus(m_store->db()), 3);
        Statement st = m_store->db().prepare(
            "SELECT DT||'/'||SEC||'/'||MESA, PRESI, PRESI_S, VOCAL, VOCAL_S, NUMELECTORES "
            "FROM mesas ORDER BY rowid");
        const QStringList expected = {"01/001A/A 1 2 2 2 2", "01/001A/B 1 2 2 2 2",
                                      "02/003 /U 1 2 2 2 1"};
        for (const QString &e : expected) {
            QVERIFY(st.step());
            QCOMPARE(
                QString("%1 %2 %3 %4 %5 %6")
                    .arg(st.text(0), st.text(1), st.text(2), st.text(3), st.text(4), st.text(5)),
                e);
        }
        QVERIFY(!st.step());
        QCOMPARE(TotalMembersNeeded(m_store->db()), 27);
        m_store->exec("UPDATE mesas SET PRESI_S=0, VOCAL=3, VOCAL_S=1 WHERE DT='02'");
        QCOMPARE(TotalMembersNeeded(m_store->db()), 18 + 7);
        // An empty census leaves no stations.
        m_store->exec("DELETE FROM cinta");
        QCOMPARE(RebuildStationsFromCensus(m_store->db()), 0);
    }
};

QTEST_GUILESS_MAIN(TestCensus)
#include "test_census.moc"
