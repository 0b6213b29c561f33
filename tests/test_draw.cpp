// The member draw, its backup and verdict, with fixed random sequences.
#include "draw/CandidatePool.h"
#include "draw/DrawBackup.h"
#include "draw/DrawSettings.h"
#include "draw/DrawTables.h"
#include "draw/MemberDraw.h"
#include "draw/RandomSource.h"
#include "stations/GeneralData.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

struct Voter
{
    qint64 ord;
    QString fenaci = QStringLiteral("1980-01-01");
    QString grado = QStringLiteral("4");
    QString mesa = QStringLiteral("A");
    QString tipo = QStringLiteral("CER");
    QVariant excl = QStringLiteral("N");
    QVariant numsorteo = 0;
};

class CountingProgress : public RecordingProgress
{
public:
    QStringList all;
    void count(const QString &t) override
    {
        RecordingProgress::count(t);
        all << t;
    }
};

// A program folder with general data for an election on 26/05/2024 and no voters.
struct Fixture
{
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    FakeInteraction ui;
    CountingProgress progress;
    QDateTime now{QDate(2024, 5, 2), QTime(9, 7)};

    Fixture()
    {
        ProgramFolder::Install(dir.path());
        store = std::make_unique<Store>(dir.path());
        store->open();
        general({{"FECHAELECTORAL", QDate(2024, 5, 26)},
                 {"FECHASORTEO", QDate(2024, 5, 1)},
                 {"HORASORTEO", "10:30"},
                 {"JUNTADE", "MADRID"},
                 {"TIPOELECCIONES", "EUROPEAS"},
                 {"P_TITULO_1", 4},
                 {"P_TITULO_2", 4},
                 {"V_TITULO_1", 3},
                 {"V_TITULO_2", 4},
                 {"EDAD1", 18},
                 {"EDAD2", 70},
                 {"NUMSORTEOSRESERVA", 0},
                 {"SORTEARCERE", "S"}});
    }
    Database &db() { return store->db(); }
    void general(const QVariantMap &m) { WriteGeneralData(db(), m); }
    void station(const QString &mesa, int presi, int presiS, int vocal, int vocalS)
    {
        db().exec(QStringLiteral("INSERT INTO mesas (DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S) "
                                 "VALUES ('01','001U',:m,:p,:ps,:v,:vs)"),
                  {{"m", mesa}, {"p", presi}, {"ps", presiS}, {"v", vocal}, {"vs", vocalS}});
    }
    void voter(const Voter &v)
    {
        db().exec(QStringLiteral(
                      "INSERT INTO cinta (DISTRITO,SECCION,MESA,FENACI,GRADOESCOLARIDAD,"
                      "ORDENCARGA,APELLIDO1,NOMBRE,TIPOFICHERO,EXCLUIRSORTEO,NUMSORTEO) VALUES "
                      "('01','001U',:m,:f,:g,:o,:a,'NOMBRE',:t,:e,:n)"),
                  {{"m", v.mesa},
                   {"f", v.fenaci},
                   {"g", v.grado},
                   {"o", v.ord},
                   {"a", QStringLiteral("APELLIDO%1").arg(v.ord)},
                   {"t", v.tipo},
                   {"e", v.excl},
                   {"n", v.numsorteo}});
    }
    // `count` voters of station `mesa` from load order `first`, born a day apart.
    void voters(const QString &mesa, qint64 first, int count, const QString &grado = "4")
    {
        for (int i = 0; i < count; ++i) {
            Voter v{first + i};
            v.fenaci = QDate(1970, 1, 1).addDays(first + i).toString(Qt::ISODate);
            v.grado = grado;
            v.mesa = mesa;
            voter(v);
        }
    }
    DrawRunResult run(RandomSource &random)
    {
        ui.answers = {true};
        return RunMemberDraw(*store, ui, progress, random, now);
    }
    DrawRunResult run()
    {
        FixedRandomSource zero;
        return run(zero);
    }
    qint64 count(const QString &sql) { return db().scalar(sql).toLongLong(); }
    // "PV TS ORPV ORTS ORDENCARGA" of the draw's rows in key order.
    QStringList members(int draw, const QString &mesa = "A")
    {
        Statement st = db().prepare(QStringLiteral(
            "SELECT PV,TS,ORPV,ORTS,ORDENCARGA FROM result WHERE numsorteo=:n AND mesa=:m "
            "ORDER BY DISTRITO,SECCION,MESA,PV,AB,ORPV,ORTS,TS"));
        st.bind(":n", draw).bind(":m", mesa);
        QStringList out;
        while (st.step())
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(st.text(0), st.text(1), st.text(2), st.text(3), st.text(4));
        return out;
    }
    QStringList incTexts() { return MuestraAvisoInc(db()).incidents; }
};

QStringList split(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

} // namespace

class TestDraw : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ordinals_data();
    void ordinals();
    void memberRowCopiesVoter();
    void candidateOrder_data();
    void candidateOrder();
    void eligibility_data();
    void eligibility();
    void birthWindow_data();
    void birthWindow();
    void incidentsDiscardRun();
    void threeDrawsThenLimit();
    void raisedReserveDrawsRunsShort();
    void stopsAtChecks();
    void backupFolderName_data();
    void backupFolderName();
    void leftoverRowsAreTaken_data();
    void leftoverRowsAreTaken();
    void storeErrorUndoesRun();
    void clockGeneratorIsUniform_data();
    void clockGeneratorIsUniform();
};

void TestDraw::ordinals_data()
{
    QTest::addColumn<int>("presi");
    QTest::addColumn<int>("presiS");
    QTest::addColumn<int>("vocal");
    QTest::addColumn<int>("vocalS");
    QTest::addColumn<QStringList>("expected");
    // With index 0 every pick takes the first candidate: load orders 1, 2, 3, ...
    QTest::newRow("1-2-2-2") << 1 << 2 << 2 << 2
                             << split("P T 1 1 1;P S 1 1 2;P S 1 2 3;V T 1 1 4;V T 2 1 5;"
                                      "V S 1 1 6;V S 1 2 8;V S 2 1 7;V S 2 2 9");
    QTest::newRow("1-2-1-2") << 1 << 2 << 1 << 2
                             << split("P T 1 1 1;P S 1 1 2;P S 1 2 3;V T 1 1 4;V S 1 1 5;"
                                      "V S 1 2 6");
    QTest::newRow("2-1-3-0") << 2 << 1 << 3 << 0
                             << split("P T 1 1 1;P T 2 1 2;P S 1 1 3;P S 2 1 4;V T 1 1 5;"
                                      "V T 2 1 6;V T 3 1 7");
}

void TestDraw::ordinals()
{
    QFETCH(int, presi);
    QFETCH(int, presiS);
    QFETCH(int, vocal);
    QFETCH(int, vocalS);
    QFETCH(QStringList, expected);
    Fixture f;
    f.station("A", presi, presiS, vocal, vocalS);
    f.voters("A", 1, 20);
    const DrawRunResult r = f.run();
    QCOMPARE(r.outcome, DrawOutcome::Kept);
    QCOMPARE(f.members(1), expected);
    QCOMPARE(f.count("SELECT COUNT(*) FROM result WHERE AB<>CASE TS WHEN 'T' THEN 'A' ELSE 'B' "
                     "END"),
             0);
    QVERIFY(f.progress.phases.contains("  Generando sorteo nº 1 - principal"));
    QVERIFY(f.progress.phases.contains("  Preparando resultados sorteo nº 1 - principal"));
    QVERIFY(f.progress.phases.contains("  Haciendo copia seguridad sorteos ..."));
    QVERIFY(f.progress.all.contains(QStringLiteral("%1 de %1 miembros").arg(expected.size())));
}

void TestDraw::memberRowCopiesVoter()
{
    Fixture f;
    f.station("A", 1, 0, 0, 0);
    f.voter(Voter{7});
    f.voter(Voter{8, "1980-01-01", "3"}); // a vocal candidate: a role without any is short
    const QStringList copied = {"NIE",
                                "PROVINCIA",
                                "MUNICIPIO",
                                "LOCALELECTORAL1",
                                "LOCALELECTORAL2",
                                "INFOADICMESA",
                                "DIRMESA1",
                                "DIRMESA2",
                                "DIRMESA3",
                                "DIRMESA4",
                                "NOMBRE",
                                "APELLIDO1",
                                "APELLIDO2",
                                "DOMICILIOELECTOR1",
                                "DOMICILIOELECTOR2",
                                "DOMICILIOELECTOR3",
                                "ENTIDAD1",
                                "ENTIDAD2",
                                "ENTIDAD3",
                                "CODNAC",
                                "NACIONALIDAD",
                                "INTENCIONVOTO",
                                "CODPOSTALELECTOR",
                                "MUNACI",
                                "SEXO",
                                "IDENTIFICADOR",
                                "CODPOSTALMESA",
                                "NIA",
                                "ORDENENLISTAS"};
    for (const QString &c : copied)
        f.db().exec(QStringLiteral("UPDATE cinta SET %1='%1-7'").arg(c));
    QCOMPARE(f.run().outcome, DrawOutcome::Kept);
    for (const QString &c :
         copied + QStringList{"DISTRITO", "SECCION", "MESA", "FENACI", "GRADOESCOLARIDAD",
                              "ORDENCARGA", "TIPOFICHERO"}) {
        QCOMPARE(f.db().scalar(QStringLiteral("SELECT %1 FROM result").arg(c)),
                 f.db().scalar(QStringLiteral("SELECT %1 FROM cinta WHERE ORDENCARGA=7").arg(c)));
    }
    QCOMPARE(f.db()
                 .scalar("SELECT FECHASORTEO||' '||HORASORTEO||' '||NUMSORTEO FROM result")
                 .toString(),
             QStringLiteral("01/05/2024 10:30 1"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM result WHERE FSUSTITUCION IS NULL AND "
                     "DESCGRADOESCOLARIDAD IS NULL"),
             1);
    QCOMPARE(f.db()
                 .scalar("SELECT NUMSORTEO||' '||FECHASORTEO||' '||HORASORTEO FROM cinta "
                         "WHERE ORDENCARGA=7")
                 .toString(),
             QStringLiteral("1 01/05/2024 10:30"));
}

void TestDraw::candidateOrder_data()
{
    QTest::addColumn<quint32>("index");
    QTest::addColumn<qint64>("taken");
    // Key order: (1970, "3", 3), (1970, "4", 2), (1970, "4", 4), (1980, "4", 1).
    QTest::newRow("0") << 0u << qint64(3);
    QTest::newRow("1") << 1u << qint64(2);
    QTest::newRow("2") << 2u << qint64(4);
    QTest::newRow("3") << 3u << qint64(1);
}

void TestDraw::candidateOrder()
{
    QFETCH(quint32, index);
    QFETCH(qint64, taken);
    Fixture f;
    f.general({{"P_TITULO_1", 3}});
    f.station("A", 1, 0, 0, 0);
    f.voter(Voter{1, "1980-01-01", "4"});
    f.voter(Voter{4, "1970-01-01", "4"});
    f.voter(Voter{2, "1970-01-01", "4"});
    f.voter(Voter{3, "1970-01-01", "3"});
    FixedRandomSource random({index});
    f.run(random);
    QCOMPARE(f.members(1), QStringList{QStringLiteral("P T 1 1 %1").arg(taken)});
}

void TestDraw::eligibility_data()
{
    QTest::addColumn<QDate>("election");
    QTest::addColumn<QString>("cere");
    QTest::addColumn<Voter>("voter");
    QTest::addColumn<QString>("roles"); // "P", "V", "PV" or ""
    const QDate e(2024, 5, 26);
    QTest::newRow("typical") << e << "S" << Voter{1} << "PV";
    QTest::newRow("exactly EDAD2 (70)") << e << "S" << Voter{1, "1954-05-26"} << "";
    QTest::newRow("a day under EDAD2") << e << "S" << Voter{1, "1954-05-27"} << "PV";
    QTest::newRow("exactly EDAD1 (18)") << e << "S" << Voter{1, "2006-05-26"} << "PV";
    QTest::newRow("a day under EDAD1") << e << "S" << Voter{1, "2006-05-27"} << "";
    QTest::newRow("no birth date") << e << "S" << Voter{1, QString()} << "";
    QTest::newRow("education 3: vocal only") << e << "S" << Voter{1, "1980-01-01", "3"} << "V";
    QTest::newRow("education 2") << e << "S" << Voter{1, "1980-01-01", "2"} << "";
    QTest::newRow("education '30' as text") << e << "S" << Voter{1, "1980-01-01", "30"} << "V";
    QTest::newRow("CERE with S") << e << "S" << Voter{1, "1980-01-01", "4", "A", "CERE"} << "PV";
    QTest::newRow("CERE with N") << e << "N" << Voter{1, "1980-01-01", "4", "A", "CERE"} << "";
    QTest::newRow("CER with N") << e << "N" << Voter{1} << "PV";
    QTest::newRow("excluded") << e << "S" << Voter{1, "1980-01-01", "4", "A", "CER", "S"} << "";
    QTest::newRow("empty flag") << e << "S" << Voter{1, "1980-01-01", "4", "A", "CER", ""} << "";
    QTest::newRow("null flag") << e << "S" << Voter{1, "1980-01-01", "4", "A", "CER", QVariant()}
                               << "";
    QTest::newRow("stamped") << e << "S" << Voter{1, "1980-01-01", "4", "A", "CER", "N", 2} << "";
    QTest::newRow("other station") << e << "S" << Voter{1, "1980-01-01", "4", "B"} << "";
    const QDate leap(2024, 2, 29);
    QTest::newRow("29/02: 18 on 28/02") << leap << "S" << Voter{1, "2006-02-28"} << "PV";
    QTest::newRow("29/02: 18 on 01/03") << leap << "S" << Voter{1, "2006-03-01"} << "";
    QTest::newRow("29/02: 70 on 28/02") << leap << "S" << Voter{1, "1954-02-28"} << "";
    QTest::newRow("29/02: 70 on 01/03") << leap << "S" << Voter{1, "1954-03-01"} << "PV";
}

void TestDraw::eligibility()
{
    QFETCH(QDate, election);
    QFETCH(QString, cere);
    QFETCH(Voter, voter);
    QFETCH(QString, roles);
    Fixture f;
    f.general({{"FECHAELECTORAL", election}, {"SORTEARCERE", cere}});
    f.station("A", 1, 0, 1, 0);
    f.voter(voter);
    const DrawSettings s = ReadDrawSettings(f.db());
    const auto stations = ReadDrawStations(f.db());
    CandidatePool pool;
    pool.load(f.db(), stations,
              MakeCandidateFilter(s, BirthDateWindow(s.electionDate, s.edad1, s.edad2)));
    QString got;
    std::vector<quint32> c;
    for (char role : {'P', 'V'}) {
        pool.candidates(0, role, {}, c);
        if (!c.empty())
            got += QLatin1Char(role);
    }
    QCOMPARE(got, roles);
}

void TestDraw::birthWindow_data()
{
    QTest::addColumn<QDate>("election");
    QTest::addColumn<QDate>("lower");
    QTest::addColumn<QDate>("upper");
    QTest::newRow("plain") << QDate(2024, 5, 26) << QDate(1954, 5, 27) << QDate(2006, 5, 26);
    QTest::newRow("29/02") << QDate(2024, 2, 29) << QDate(1954, 3, 1) << QDate(2006, 2, 28);
    QTest::newRow("29/02 leap") << QDate(2028, 2, 29) << QDate(1958, 3, 1) << QDate(2010, 2, 28);
    QTest::newRow("31/12") << QDate(2023, 12, 31) << QDate(1954, 1, 1) << QDate(2005, 12, 31);
}

void TestDraw::birthWindow()
{
    QFETCH(QDate, election);
    QFETCH(QDate, lower);
    QFETCH(QDate, upper);
    const BirthWindow w = BirthDateWindow(election, 18, 70);
    QCOMPARE(w.lower, lower);
    QCOMPARE(w.upper, upper);
}

void TestDraw::incidentsDiscardRun()
{
    Fixture f;
    f.db().exec("INSERT INTO resultbck (DISTRITO,NUMSORTEO) VALUES ('99',1)");
    f.station("A", 0, 2, 1, 0); // no president candidate (education 3), no president place
    f.station("B", 1, 0, 2, 2); // one president candidate, four vocal candidates for six
    f.voters("A", 1, 3, "3");
    f.voters("B", 10, 1, "4");
    f.voters("B", 20, 4, "3");
    const DrawRunResult r = f.run();
    const QString head = QStringLiteral("SORTEO Nº 1 - PRINCIPAL DISTRITO 01 SECCION 001U MESA ");
    const QStringList expected = {
        head + "A:\nNo existen habitantes censados que cumplan los requisitos para las\n"
               "0 plazas de PRESIDENTE/A",
        head + "B:\nNo existen suficientes habitantes censados que cumplan los requisitos "
               "para las\n6 plazas de VOCAL"};
    QCOMPARE(r.outcome, DrawOutcome::Discarded);
    QCOMPARE(r.page, 6);
    QCOMPARE(r.incidents, expected);
    QCOMPARE(f.incTexts(), expected);
    QCOMPARE(f.db().scalar("SELECT group_concat(ID) FROM inc").toString(), QString("1,2"));
    QCOMPARE(r.incidentNotice, QStringLiteral("EL SORTEO NO TIENE VALIDEZ. Se han producido "
                                              "incidencias.\n¡¡ Corrija las incidencias y "
                                              "repita el Sorteo. !!"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM result"), 0);
    QCOMPARE(f.count("SELECT COUNT(*) FROM resultbck"), 0);
    QCOMPARE(f.count("SELECT COUNT(*) FROM cinta WHERE numsorteo<>0 OR fechasorteo IS NOT "
                     "NULL"),
             0);
    // The backup came first and kept the draw that was then discarded: 1 + 1 + 4 members.
    QCOMPARE(f.ui.messages.size(), 3); // question, backup, failure
    QVERIFY(f.ui.messages[1].text.startsWith("PROCESO FINALIZADO.\nSE HA HECHO UNA COPIA"));
    QVERIFY(f.ui.messages[2].text.startsWith(
        "EL SORTEO NO HA PODIDO SER REALIZADO POR NO EXISTIR SUFICIENTES\n"));
    Database copy;
    copy.open(r.backupFolder + "/RESULT.DB");
    QCOMPARE(copy.scalar("SELECT COUNT(*) FROM result").toLongLong(), 6);
    QCOMPARE(copy.scalar("SELECT COUNT(*) FROM result WHERE mesa='B' AND pv='V' AND ts='T'")
                 .toLongLong(),
             2);
}

void TestDraw::threeDrawsThenLimit()
{
    Fixture f;
    f.general({{"NUMSORTEOSRESERVA", 2}});
    f.station("A", 1, 2, 2, 2);
    f.station("B", 1, 1, 1, 1);
    f.voters("A", 1, 40);
    f.voters("B", 100, 40);
    const DrawRunResult r = f.run();
    QCOMPARE(r.outcome, DrawOutcome::Kept);
    QCOMPARE(r.drawsMade, (QList<int>{1, 2, 3}));
    QCOMPARE(r.currentDraw, 1);
    QCOMPARE(r.page, 5);
    QCOMPARE(r.membersLabel, QStringLiteral("Miembros: 13"));
    QCOMPARE(f.ui.messages.first().text, QStringLiteral("¿ DESEA COMENZAR EL SORTEO ?"));
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(CuentaMiembrosSorteo(f.db(), n), 13);
    QCOMPARE(f.count("SELECT COUNT(DISTINCT ORDENCARGA) FROM result"), 39);
    QCOMPARE(f.count("SELECT COUNT(*) FROM cinta c JOIN result r ON r.ORDENCARGA=c.ORDENCARGA "
                     "AND r.NUMSORTEO=c.NUMSORTEO"),
             39);
    QVERIFY(f.progress.phases.contains("  Generando sorteo nº 3 - reservas"));

    // A backup folder with the tables of the draw and not the others.
    const QStringList files = QDir(r.backupFolder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{"CINTA.DB", "CINTA1.DB", "INC.DB", "MESAS.DB", "MIEMBROS.DB",
                                 "RESULT.DB", "RESULTBCK.DB"}));
    QCOMPARE(QFileInfo(r.backupFolder).fileName(),
             QStringLiteral("COPIA_SORTEO_01052024_PROCESADO_02052024_0907"));
    QVERIFY(f.ui.messages[1].text.endsWith(QDir::toNativeSeparators(r.backupFolder).toUpper()));

    f.ui.clear();
    const DrawRunResult again = f.run();
    QCOMPARE(again.outcome, DrawOutcome::Stopped);
    QCOMPARE(again.currentDraw, 1);
    QCOMPARE(f.ui.messages.size(), 1);
    QCOMPARE(f.ui.messages[0].title, QStringLiteral("Nº sorteos"));
    QCOMPARE(f.ui.messages[0].text,
             QStringLiteral("EL Nº MAXIMO DE SORTEOS INDICADO EN DATOS GENERALES ES:\n"
                            "1 PRINCIPAL Y 2 DE RESERVA"));
}

void TestDraw::raisedReserveDrawsRunsShort()
{
    Fixture f;
    f.general({{"NUMSORTEOSRESERVA", 1}});
    f.station("A", 1, 0, 1, 0);
    f.voters("A", 1, 5); // enough for two draws of two, not for a third
    QCOMPARE(f.run().drawsMade, (QList<int>{1, 2}));
    f.general({{"NUMSORTEOSRESERVA", 2}});
    f.ui.clear();
    const DrawRunResult r = f.run();
    QCOMPARE(r.drawsMade, QList<int>{3}); // no question: `result` has rows
    QCOMPARE(f.ui.messages.first().kind, QStringLiteral("warn"));
    QCOMPARE(r.outcome, DrawOutcome::Discarded);
    QCOMPARE(r.incidents.size(), 1);
    QVERIFY(r.incidents[0].startsWith("SORTEO Nº 3 - RESERVAS DISTRITO 01"));
    QVERIFY(r.incidents[0].endsWith("1 plazas de VOCAL"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM result"), 0); // draws 1 and 2 went too
    QCOMPARE(f.count("SELECT MAX(numsorteo) FROM cinta"), 0);
}

void TestDraw::stopsAtChecks()
{
    {
        Fixture f; // no stations
        f.voters("A", 1, 3);
        QCOMPARE(f.run().outcome, DrawOutcome::Stopped);
        QCOMPARE(f.ui.messages.size(), 1);
        QCOMPARE(f.ui.messages[0].title, QStringLiteral("Atneción"));
        QCOMPARE(f.ui.messages[0].text, GeneralDataMissingText());
    }
    {
        Fixture f; // the user says No
        f.station("A", 1, 0, 0, 0);
        f.voters("A", 1, 3);
        f.db().exec("INSERT INTO inc (ID,INC) VALUES (1,'vieja')");
        f.ui.answers = {false};
        FixedRandomSource random;
        QCOMPARE(RunMemberDraw(*f.store, f.ui, f.progress, random).outcome, DrawOutcome::Stopped);
        QCOMPARE(f.incTexts(), QStringList{"vieja"});
        QCOMPARE(f.count("SELECT COUNT(*) FROM result"), 0);
    }
    {
        Fixture f; // P_TITULO_2 missing: passes the first check, stops before drawing
        f.general({{"P_TITULO_2", 0}});
        f.station("A", 1, 0, 0, 0);
        f.voters("A", 1, 3);
        f.db().exec("INSERT INTO inc (ID,INC) VALUES (1,'vieja')");
        QCOMPARE(f.run().outcome, DrawOutcome::Stopped);
        QCOMPARE(f.ui.messages.last().title, QStringLiteral("Carga fichero CENSO"));
        QCOMPARE(f.ui.messages.last().text,
                 QStringLiteral("Cumplimente los apartados de MESAS ELECTORALES y REQUISITOS "
                                "SORTEO"));
        QVERIFY(f.incTexts().isEmpty());
        QCOMPARE(f.count("SELECT COUNT(*) FROM result"), 0);
    }
}

void TestDraw::backupFolderName_data()
{
    QTest::addColumn<QString>("drawDate");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("name");
    QTest::newRow("april") << "05/04/2019" << QDateTime(QDate(2019, 4, 12), QTime(9, 7))
                           << "COPIA_SORTEO_05042019_PROCESADO_12042019_0907";
    QTest::newRow("december") << "05/11/2023" << QDateTime(QDate(2023, 12, 1), QTime(18, 30))
                              << "COPIA_SORTEO_05112023_PROCESADO_01122023_1830";
    QTest::newRow("no draw date") << "" << QDateTime(QDate(2023, 12, 1), QTime(0, 0))
                                  << "COPIA_SORTEO_00000000_PROCESADO_01122023_0000";
}

void TestDraw::backupFolderName()
{
    QFETCH(QString, drawDate);
    QFETCH(QDateTime, now);
    QFETCH(QString, name);
    QCOMPARE(BackupFolderName(drawDate, now), name);
}

void TestDraw::leftoverRowsAreTaken_data()
{
    QTest::addColumn<bool>("onlyLeftover");
    QTest::newRow("another candidate") << false;
    QTest::newRow("no other candidate") << true;
}

void TestDraw::leftoverRowsAreTaken()
{
    // Voter 1 already has a row of draw 1 in `result` (left by an earlier run).
    QFETCH(bool, onlyLeftover);
    Fixture f;
    f.station("A", 1, 0, 0, 0);
    f.voters("A", 1, onlyLeftover ? 1 : 2);
    f.voter(Voter{50, "1980-01-01", "3"}); // the vocal role (no places) is not short
    f.db().exec("INSERT INTO result (DISTRITO,SECCION,MESA,PV,AB,ORPV,ORTS,TS,NUMSORTEO,"
                "ORDENCARGA) VALUES ('01','001U','A','P','B',9,9,'S',1,1)");
    const DrawRunResult r = f.run(); // index 0 keeps choosing voter 1 first
    if (onlyLeftover) {
        QCOMPARE(r.outcome, DrawOutcome::Discarded);
        QVERIFY(r.incidents.value(0).contains("No existen habitantes censados"));
    } else {
        QCOMPARE(r.outcome, DrawOutcome::Kept);
        QCOMPARE(f.count("SELECT ORDENCARGA FROM result WHERE ORPV=1"), 2);
        QCOMPARE(f.count("SELECT NUMSORTEO FROM cinta WHERE ORDENCARGA=1"), 0);
        QCOMPARE(f.count("SELECT ORTS FROM result WHERE ORPV=9"), 1); // numbered with its draw
    }
}

void TestDraw::storeErrorUndoesRun()
{
    Fixture f;
    f.general({{"NUMSORTEOSRESERVA", 2}});
    f.station("A", 1, 1, 1, 1);
    f.station("B", 1, 1, 1, 1);
    f.voters("A", 1, 20);
    f.voters("B", 100, 20);
    f.db().exec("INSERT INTO inc (ID,INC) VALUES (1,'vieja')");
    f.db().exec("CREATE TEMP TRIGGER boom BEFORE INSERT ON t_result.result "
                "WHEN NEW.NUMSORTEO=2 AND NEW.MESA='B' "
                "BEGIN SELECT RAISE(ABORT,'fallo simulado'); END");
    const DrawRunResult r = f.run();
    QCOMPARE(r.outcome, DrawOutcome::Failed);
    QCOMPARE(r.currentDraw, 0);
    QCOMPARE(f.ui.messages.last().kind, QStringLiteral("error"));
    QVERIFY(f.ui.messages.last().text.startsWith("fallo simulado"));
    QVERIFY(f.ui.messages.last().text.contains("SE HAN DESHECHO TODOS LOS CAMBIOS"));
    QCOMPARE(f.count("SELECT COUNT(*) FROM result"), 0);
    QCOMPARE(f.count("SELECT COUNT(*) FROM cinta WHERE numsorteo<>0 OR fechasorteo IS NOT "
                     "NULL"),
             0);
    QCOMPARE(f.incTexts(), QStringList{"vieja"});
    QVERIFY(QDir(f.dir.path()).entryList({"COPIA_SORTEO_*"}, QDir::Dirs).isEmpty());
    // The store is usable again: the same run without the fault succeeds.
    f.db().exec("DROP TRIGGER temp.boom");
    f.ui.clear();
    QCOMPARE(f.run().outcome, DrawOutcome::Kept);
    QCOMPARE(f.count("SELECT COUNT(*) FROM result"), 24);
}

void TestDraw::clockGeneratorIsUniform_data()
{
    QTest::addColumn<quint32>("m");
    QTest::addColumn<quint32>("minStep");
    QTest::addColumn<quint32>("maxStep");
    // Clock readings a few hundred nanoseconds to a few microseconds apart, as between picks.
    QTest::newRow("2 candidates") << 2u << 200u << 3000u;
    QTest::newRow("7 candidates") << 7u << 200u << 3000u;
    QTest::newRow("31 candidates") << 31u << 500u << 20000u;
    QTest::newRow("600 candidates") << 600u << 200u << 3000u;
    QTest::newRow("600, slow clock") << 600u << 100000u << 1000000u;
}

void TestDraw::clockGeneratorIsUniform()
{
    QFETCH(quint32, m);
    QFETCH(quint32, minStep);
    QFETCH(quint32, maxStep);
    quint32 clock = 0x9e3779b9u;
    quint32 jitter = 12345u;
    ClockRandomSource random([&] {
        jitter = jitter * 1103515245u + 12345u;
        clock += minStep + (jitter >> 8) % (maxStep - minStep + 1);
        return clock;
    });
    const quint32 perCell = 200;
    const quint32 picks = m * perCell;
    std::vector<quint32> cells(m, 0);
    for (quint32 i = 0; i < picks; ++i) {
        const quint32 r = random.pick(m);
        QVERIFY(r < m);
        ++cells[r];
    }
    double chi2 = 0;
    for (quint32 c : cells)
        chi2 += (double(c) - perCell) * (double(c) - perCell) / perCell;
    // Critical value at p = 0.001 (Wilson-Hilferty), df = m - 1.
    const double df = m - 1;
    const double z = 3.09;
    const double critical = df * std::pow(1 - 2 / (9 * df) + z * std::sqrt(2 / (9 * df)), 3);
    QVERIFY2(chi2 < critical, qPrintable(QStringLiteral("chi2 %1 >= %2").arg(chi2).arg(critical)));
}

QTEST_GUILESS_MAIN(TestDraw)
#include "test_draw.moc"
