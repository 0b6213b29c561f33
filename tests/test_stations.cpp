// The stations page operations and its export, and the general-data record as its page edits
// it (time rule, edit state, education lists).

#include "stations/GeneralData.h"
#include "stations/GeneralDataFields.h"
#include "stations/GeneralDataRecord.h"
#include "stations/StationOps.h"
#include "stations/StationsModel.h"
#include "stations/StationsSylk.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"
#include "util/Cp1252.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    Store store{dir.path()};
    FakeInteraction ui;
    StationsModel model;
    QAbstractItemModelTester tester{&model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    Fixture()
    {
        ProgramFolder::Install(dir.path());
        store.open();
    }
    Database &db() { return store.db(); }
    void station(const char *dt, const char *sec, const char *mesa, int voters)
    {
        db().exec(QString("INSERT INTO mesas VALUES ('%1','%2','%3',1,2,2,2,%4)")
                      .arg(dt, sec, mesa)
                      .arg(voters));
    }
};

} // namespace

class TestStations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeNormalisation_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("one digit each") << "7 :3 "
                                        << "07:03";
        QTest::newRow("leading blanks") << " 9: 5"
                                        << "09:05";
        QTest::newRow("complete") << "18:45"
                                  << "18:45";
        QTest::newRow("empty field") << "  :  "
                                     << "00:00";
        QTest::newRow("nothing at all") << ""
                                        << "00:00";
    }
    void timeNormalisation()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(NormaliseTime(typed), stored);
    }

    void timeFieldOnlyNormalisedInEdit()
    {
        QTemporaryDir dir;
        ProgramFolder::Install(dir.path());
        Store store(dir.path());
        store.open();
        WriteGeneralData(store.db(), {{"HORASORTEO", QString("9:5")}});
        GeneralDataRecord r;
        r.load(store.db());
        QCOMPARE(r.leaveTimeField("9:5"), QString("9:5"));
        QVERIFY(!r.isModified());
        r.edit();
        QCOMPARE(r.leaveTimeField("9 :5 "), QString("09:05"));
        QVERIFY(r.isModified());
        r.post(store.db());
        QCOMPARE(ReadGeneralData(store.db()).value("HORASORTEO").toString(), QString("09:05"));
        QVERIFY(!r.isEditing());
    }

    void recordCancelAndEmptyText()
    {
        QTemporaryDir dir;
        ProgramFolder::Install(dir.path());
        Store store(dir.path());
        store.open();
        WriteGeneralData(store.db(), {{"JUNTADE", QString("SORIA")}, {"P_TITULO_1", 4}});
        GeneralDataRecord r;
        r.load(store.db());
        r.setValue("P_TITULO_1", qint64(2)); // "02 SIN ESTUDIOS"
        r.setValue("JUNTADE", QString());
        r.post(store.db());
        const QVariantMap stored = ReadGeneralData(store.db());
        QCOMPARE(stored.value("P_TITULO_1").toInt(), 2);
        QVERIFY(stored.value("JUNTADE").isNull());
        r.setValue("JUNTADE", QString("AVILA"));
        r.cancel();
        QVERIFY(r.value("JUNTADE").isNull());
        QVERIFY(!r.isModified());
    }

    void educationLists()
    {
        const QStringList e = EducationEntries();
        QCOMPARE(e.size(), 4);
        QCOMPARE(e[1], QString("02 SIN ESTUDIOS"));
        QVERIFY(e[3].startsWith("04 BACHILLER, FORMACION PROFESIONAL DE 2º GRADO"));
        QCOMPARE(EducationIndex(2), 1);
        QCOMPARE(EducationIndex(0), -1);
        QCOMPARE(EducationIndex(5), -1);
        QCOMPARE(GeneralDataFieldFor("HORARIOJUNTAE")->width, 170);
    }

    void loadOrdersByKey()
    {
        Fixture fx;
        fx.station("02", "001", "A", 10);
        fx.station("01", "002", "B", 20);
        fx.station("01", "002", "A", 30);
        fx.model.load(fx.db());
        QCOMPARE(fx.model.rowCount(), 3);
        QCOMPARE(fx.model.row(0).mesa, QString("A"));
        QCOMPARE(fx.model.row(0).numElectores.toInt(), 30);
        QCOMPARE(fx.model.row(2).dt, QString("02"));
        QCOMPARE(fx.model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Nº PRESIDENTES\nSUPLENTES"));
        QCOMPARE(fx.model.current(), 0);
    }

    void addThenSave()
    {
        Fixture fx;
        fx.model.load(fx.db());
        AddStation(fx.model);
        QCOMPARE(fx.model.state(), StationsModel::State::Insert);
        QCOMPARE(StationCountText(fx.model.rowCount()), QString("Mesas: 1"));
        QCOMPARE(fx.store.count("mesas"), 0); // not stored until saved
        fx.model.setField("SEC", QString("011B"));
        fx.model.setField("VOCAL_S", QString("3"));
        QVERIFY(SaveStation(fx.model, fx.db(), fx.ui));
        QVERIFY(fx.ui.messages.isEmpty());
        QCOMPARE(fx.model.state(), StationsModel::State::Browse);
        Statement st = fx.db().prepare("SELECT DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,"
                                       "NUMELECTORES FROM mesas");
        QVERIFY(st.step());
        QCOMPARE(st.text(0) + st.text(1) + st.text(2), QString("01011BA"));
        QCOMPARE(st.integer(3), 1);
        QCOMPARE(st.integer(4), 2);
        QCOMPARE(st.integer(5), 2);
        QCOMPARE(st.integer(6), 3);
        QVERIFY(st.isNull(7));

        // An edit of a stored row updates that row.
        fx.model.setField("PRESI", QString("2"));
        QVERIFY(fx.model.isModified());
        QVERIFY(SaveStation(fx.model, fx.db(), fx.ui));
        QCOMPARE(fx.db().scalar("SELECT PRESI FROM mesas").toInt(), 2);
        QCOMPARE(fx.store.count("mesas"), 1);
    }

    void repeatedStationIsAKeyViolation()
    {
        Fixture fx;
        fx.station("01", "010", "A", 5);
        fx.model.load(fx.db());
        AddStation(fx.model);
        QVERIFY(!SaveStation(fx.model, fx.db(), fx.ui));
        QCOMPARE(fx.ui.messages.size(), 1);
        QCOMPARE(fx.ui.messages[0].kind, QString("error"));
        QCOMPARE(fx.ui.messages[0].text, StationKeyViolationText("01", "010", "A"));
        QCOMPARE(fx.model.state(), StationsModel::State::Insert);
        QCOMPARE(fx.model.rowCount(), 2);
        // Corrected, the same row is stored.
        fx.model.setField("MESA", QString("B"));
        QVERIFY(SaveStation(fx.model, fx.db(), fx.ui));
        QCOMPARE(fx.store.count("mesas"), 2);

        // Editing a stored row onto another station's key fails the same way.
        fx.model.setCurrent(1);
        fx.model.setField("MESA", QString("A"));
        QVERIFY(!SaveStation(fx.model, fx.db(), fx.ui));
        QCOMPARE(fx.model.state(), StationsModel::State::Edit);
        fx.model.cancel();
        QCOMPARE(fx.model.row(1).mesa, QString("B"));
    }

    void deleteAsksAndLastDeleteLeavesNone()
    {
        Fixture fx;
        fx.station("01", "001", "A", 5);
        fx.model.load(fx.db());
        QVERIFY(!DeleteStation(fx.model, fx.db(), fx.ui)); // No
        QCOMPARE(fx.ui.messages[0].title, QString("Mesa"));
        QCOMPARE(fx.ui.messages[0].text, QString("¿ Seguro que desea BORRAR LA MESA ?"));
        QCOMPARE(fx.store.count("mesas"), 1);
        fx.ui.answers = {true};
        QVERIFY(DeleteStation(fx.model, fx.db(), fx.ui));
        QCOMPARE(fx.store.count("mesas"), 0);
        QCOMPARE(fx.model.current(), -1);
        QCOMPARE(StationCountText(fx.model.rowCount()), QString("Mesas: 0"));
        QVERIFY(!DeleteStation(fx.model, fx.db(), fx.ui)); // nothing left: no question
        QCOMPARE(fx.ui.messages.size(), 2);
    }

    void deletingAnInsertedRowOnlyDropsIt()
    {
        Fixture fx;
        fx.station("01", "010", "A", 5);
        fx.model.load(fx.db());
        AddStation(fx.model);
        fx.ui.answers = {true};
        QVERIFY(DeleteStation(fx.model, fx.db(), fx.ui));
        QCOMPARE(fx.store.count("mesas"), 1);
        QCOMPARE(fx.model.rowCount(), 1);
    }

    void sylkExport()
    {
        Fixture fx;
        fx.station("01", "001;", "A", 812);
        fx.db().exec("INSERT INTO mesas (DT,SEC,MESA,PRESI) VALUES ('02','003 ','B',1)");
        fx.model.load(fx.db());
        const QString path = StationsExportPath(fx.dir.path());
        QFile::remove(path);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(5000, 'x'));
        }
        WriteStationsSylk(path, fx.model.rows());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = FromCp1252(f.readAll());
        const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(lines.first().startsWith("ID;P"));
        QCOMPARE(lines.last(), QString("E"));
        QVERIFY(lines.contains("C;Y1;X1;K\"DIS TRITO\""));
        QVERIFY(lines.contains("C;Y1;X5;K\"Nº PRESIDENTES SUPLENTES\""));
        QVERIFY(lines.contains("C;Y1;X8;K\"NUMERO ELECTORES\""));
        QVERIFY(lines.contains("C;Y2;X2;K\"001;;\""));
        QVERIFY(lines.contains("C;Y2;X8;K812"));
        QVERIFY(lines.contains("C;Y3;X2;K\"003 \""));
        QVERIFY(!text.contains("C;Y3;X8")); // null cell left out
        QVERIFY(!text.contains("C;Y4"));
        QVERIFY(lines.contains("F;W1 1 7"));
    }
};

QTEST_GUILESS_MAIN(TestStations)
#include "test_stations.moc"
