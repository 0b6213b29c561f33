// The assistant: page buttons and counter, the checks and questions of "Siguiente" and
// "Previo", the title character and the program start on a folder.

#include "shell/Assistant.h"
#include "shell/AssistantFlow.h"
#include "shell/AssistantTexts.h"
#include "shell/StartUp.h"
#include "stations/GeneralData.h"
#include "stations/GeneralDataRecord.h"
#include "stations/StationsModel.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QVariantMap completeRecord()
{
    return {{"FECHAELECTORAL", QDate(2023, 5, 28)},
            {"FECHASORTEO", QDate(2023, 4, 28)},
            {"HORASORTEO", QString("10:30")},
            {"JUNTADE", QString("TOLEDO")},
            {"TIPOELECCIONES", QString("MUNICIPALES")},
            {"P_TITULO_1", 4},
            {"P_TITULO_2", 4},
            {"V_TITULO_1", 3},
            {"V_TITULO_2", 4}};
}

struct FakeHooks : AssistantHooks
{
    QStringList calls;
    bool newDraw = true;
    void showPage(int index) override { calls << QString("show %1").arg(index); }
    void commitTyping() override { calls << "commit"; }
    void refreshCensusCount(qint64 rows) override { calls << QString("census %1").arg(rows); }
    void resetCensusView() override { calls << "reset census"; }
    void refreshStationCount() override { calls << "stations"; }
    void refreshDrawList() override { calls << "draws"; }
    bool newDrawChosen() const override { return newDraw; }
    void showSubstitutionButtons(bool v) override { calls << QString("subst %1").arg(v); }
    void setUpResults(int n) override { calls << QString("results %1").arg(n); }
    void showIncidentVerdict() override { calls << "verdict"; }
};

// A program folder with its tables, the store open as at start, and an assistant on it.
struct Fixture
{
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    FakeInteraction ui;
    GeneralDataRecord general;
    StationsModel stations;
    FakeHooks hooks;
    std::unique_ptr<AssistantFlow> flow;

    Fixture()
    {
        ProgramFolder::Install(dir.path());
        store = StartUp::OpenProgramStore(dir.path());
        general.load(store->db());
        stations.load(store->db());
        flow = std::make_unique<AssistantFlow>(store->db(), ui, general, stations, hooks);
    }
    Database &db() { return store->db(); }
    void onPage(int page)
    {
        flow->showPage(page);
        hooks.calls.clear();
    }
    void addVoter()
    {
        db().exec("INSERT INTO cinta (DISTRITO,SECCION,MESA,ORDENCARGA) "
                  "VALUES ('01','001','A',1)");
    }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void navigationState_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("finish");
        QTest::addColumn<bool>("counterShown");
        QTest::addColumn<QString>("counter");
        QTest::newRow("welcome") << 0 << false << true << false << false << "Página 0/7";
        QTest::newRow("general") << 1 << true << true << false << true << "Página 1/7";
        QTest::newRow("incidents") << 6 << true << true << false << true << "Página 6/7";
        QTest::newRow("documents") << 7 << true << false << true << true << "Página 7/7";
    }
    void navigationState()
    {
        QFETCH(int, page);
        const Assistant::NavigationState s = Assistant::NavigationFor(page);
        QTEST(s.previous, "previous");
        QTEST(s.next, "next");
        QTEST(s.finish, "finish");
        QTEST(s.counterVisible, "counterShown");
        QTEST(s.counter, "counter");
    }

    void generalDataCompleteness_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("complete");
        QTest::newRow("all filled") << "" << QVariant() << true;
        QTest::newRow("hour 00 blocks") << "HORASORTEO" << QVariant("00:30") << false;
        QTest::newRow("empty time passes") << "HORASORTEO" << QVariant() << true;
        QTest::newRow("hour 0 with blank passes") << "HORASORTEO" << QVariant("0 :30") << true;
        QTest::newRow("no election date") << "FECHAELECTORAL" << QVariant() << false;
        QTest::newRow("no draw date") << "FECHASORTEO" << QVariant() << false;
        QTest::newRow("blank board") << "JUNTADE" << QVariant("   ") << false;
        QTest::newRow("no election type") << "TIPOELECCIONES" << QVariant() << false;
        QTest::newRow("presidents 0-4 pass") << "P_TITULO_1" << QVariant(0) << true;
        QTest::newRow("vocales 1-0 pass") << "V_TITULO_2" << QVariant(0) << true;
    }
    void generalDataCompleteness()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(bool, complete);
        QVariantMap r = completeRecord();
        if (!field.isEmpty())
            r.insert(field, value);
        QCOMPARE(Assistant::GeneralDataComplete(r), complete);
    }

    void requirementPairBothZeroFails()
    {
        QVariantMap r = completeRecord();
        r.insert("V_TITULO_1", 0);
        r.insert("V_TITULO_2", 0);
        FakeInteraction ui;
        QVERIFY(!Assistant::CheckGeneralData(r, ui));
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(ui.messages[0].kind, QString("warn"));
        QCOMPARE(ui.messages[0].title, QString("Atneción"));
        QVERIFY(ui.messages[0].text.startsWith("NO HA CUMPLIMENTADO ALGUNO/S DE LOS SIGUIENTES "
                                               "DATOS:\n\n- Fecha de las elecciones\n"));
        QVERIFY(ui.messages[0].text.endsWith("- Titulación de presidentes y vocales\n"
                                             "- Mesas Electorales"));
    }

    void titleCharacterRunsUpAndDown()
    {
        Assistant::TitleCharacter c;
        QCOMPARE(c.code(), 169);
        QList<int> codes;
        for (int i = 0; i < 14; ++i) {
            c.tick();
            codes << c.code();
        }
        QCOMPARE(codes, (QList<int>{170, 171, 172, 173, 174, 175, 174, 173, 172, 171, 170, 169,
                                    170, 171}));
    }

    void headings()
    {
        QCOMPARE(Assistant::PageName(8), QString("Pg8"));
        QCOMPARE(Assistant::PageHeading(3), QString("Mesas electorales"));
        QCOMPARE(Assistant::ResultsHeading(1), QString("Resultados del sorteo nº 1 - principal"));
        QCOMPARE(Assistant::ResultsHeading(2), QString("Resultados del sorteo nº 2 - reservas"));
        QCOMPARE(Assistant::DocumentsHeading(1),
                 QString("Emisión de impresos del sorteo nº 1 - principal"));
        QCOMPARE(Assistant::MembersLabel(27), QString("Miembros: 27"));
    }

    void startUpOnFolder()
    {
        QTemporaryDir dir;
        ProgramFolder::Install(dir.path());
        {
            Store s(dir.path());
            s.open();
            s.exec("DELETE FROM miembros");
        }
        for (const char *name : {"TM_0001.txt", "TM_x.doc", "TMX.txt"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        auto store = StartUp::OpenProgramStore(dir.path());
        QVERIFY(!QFile::exists(dir.filePath("TM_0001.txt")));
        QVERIFY(!QFile::exists(dir.filePath("TM_x.doc")));
        QVERIFY(QFile::exists(dir.filePath("TMX.txt")));
        const QVariantMap r = ReadGeneralData(store->db());
        QCOMPARE(r.value("P_TITULO_1").toInt(), 4);
        QCOMPARE(r.value("V_TITULO_1").toInt(), 3);
        QFile f(dir.filePath("TM_late.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        StartUp::CloseProgramStore(*store);
        QVERIFY(!QFile::exists(dir.filePath("TM_late.txt")));
    }

    void startUpWithoutTablesNamesInit()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("TM_left.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        try {
            StartUp::OpenProgramStore(dir.path());
            QFAIL("opened a folder without tables");
        } catch (const StoreError &e) {
            QVERIFY2(e.message().contains("init"), qPrintable(e.message()));
        }
        QVERIFY(!QFile::exists(dir.filePath("TM_left.txt")));
    }

    void page1RefusedThenPassed()
    {
        Fixture fx;
        fx.onPage(1);
        QVERIFY(!fx.flow->next());
        QCOMPARE(fx.flow->page(), 1);
        QCOMPARE(fx.ui.messages.size(), 1);
        QCOMPARE(fx.ui.messages[0].title, QString("Atneción"));
        QCOMPARE(fx.hooks.calls, (QStringList{"commit", "census 0", "show 1"}));

        WriteGeneralData(fx.db(), completeRecord());
        fx.general.load(fx.db());
        fx.addVoter();
        fx.ui.clear();
        fx.hooks.calls.clear();
        QVERIFY(fx.flow->next());
        QCOMPARE(fx.flow->page(), 2);
        QVERIFY(fx.ui.messages.isEmpty());
        QCOMPARE(fx.hooks.calls, (QStringList{"commit", "census 1", "show 2"}));
    }

    void saveQuestionNoDiscardsAndChecksStored()
    {
        Fixture fx;
        WriteGeneralData(fx.db(), completeRecord());
        fx.general.load(fx.db());
        fx.onPage(1);
        fx.general.setValue("JUNTADE", QString()); // pending change that would fail the check
        fx.ui.answers = {false};
        QVERIFY(fx.flow->next());
        QCOMPARE(fx.ui.messages.size(), 1);
        QCOMPARE(fx.ui.messages[0].kind, QString("ask"));
        QCOMPARE(fx.ui.messages[0].title, QString("Guardar cambios"));
        QCOMPARE(fx.ui.messages[0].text, AssistantText::SaveGeneralData());
        QCOMPARE(ReadGeneralData(fx.db()).value("JUNTADE").toString(), QString("TOLEDO"));
        QCOMPARE(fx.general.value("JUNTADE").toString(), QString("TOLEDO"));
        QVERIFY(!fx.general.isEditing());
    }

    void saveQuestionYesPostsBeforeTheCheck()
    {
        Fixture fx;
        WriteGeneralData(fx.db(), completeRecord());
        fx.general.load(fx.db());
        fx.onPage(1);
        fx.general.setValue("HORASORTEO", QString("00:15"));
        fx.ui.answers = {true};
        QVERIFY(!fx.flow->next());
        QCOMPARE(ReadGeneralData(fx.db()).value("HORASORTEO").toString(), QString("00:15"));
        QCOMPARE(fx.ui.messages.size(), 2);
        QCOMPARE(fx.ui.messages[1].title, QString("Atneción"));
    }

    void noQuestionWithoutChanges()
    {
        Fixture fx;
        WriteGeneralData(fx.db(), completeRecord());
        fx.general.load(fx.db());
        fx.onPage(1);
        fx.general.setValue("JUNTADE", QString("TOLEDO")); // same value: edit, no change
        QVERIFY(fx.flow->next());
        QVERIFY(fx.ui.messages.isEmpty());
    }

    void page2NeedsTheCensus()
    {
        Fixture fx;
        fx.onPage(2);
        QVERIFY(!fx.flow->next());
        QCOMPARE(fx.ui.messages.size(), 1);
        QCOMPARE(fx.ui.messages[0].title, QString("Carga ficheros sorteo"));
        QVERIFY(fx.ui.messages[0].text.startsWith("ATENCION, PARA PODER CONTINUAR ANTES\nDEBE"));
        QCOMPARE(fx.hooks.calls, (QStringList{"reset census", "stations", "show 2"}));
        fx.addVoter();
        fx.hooks.calls.clear();
        QVERIFY(fx.flow->next());
        QCOMPARE(fx.hooks.calls, (QStringList{"reset census", "stations", "show 3"}));
    }

    void page3AsksForThePendingStation_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("stored");
        QTest::newRow("yes stores it") << true << 1;
        QTest::newRow("no drops it") << false << 0;
    }
    void page3AsksForThePendingStation()
    {
        QFETCH(bool, answer);
        QFETCH(int, stored);
        Fixture fx;
        fx.onPage(3);
        fx.stations.append();
        fx.ui.answers = {answer};
        QVERIFY(fx.flow->next());
        QCOMPARE(fx.ui.messages.size(), 1);
        QCOMPARE(fx.ui.messages[0].text,
                 QString("LA MESA HA SIDO MODIFICADA. ¿ Desea guardar los cambios ?"));
        QCOMPARE(fx.store->count("mesas"), stored);
        QCOMPARE(fx.stations.rowCount(), stored);
        QCOMPARE(fx.hooks.calls, (QStringList{"draws", "show 4"}));
    }

    void page3StaysWhenTheStationCannotBeStored()
    {
        Fixture fx;
        fx.db().exec("INSERT INTO mesas (DT,SEC,MESA) VALUES ('01','010','A')");
        fx.stations.load(fx.db());
        fx.onPage(3);
        fx.stations.append(); // "01" "010" "A" again
        fx.ui.answers = {true};
        QVERIFY(!fx.flow->next());
        QCOMPARE(fx.flow->page(), 3);
        QCOMPARE(fx.ui.messages.last().kind, QString("error"));
        QVERIFY(fx.ui.messages.last().text.contains("YA EXISTE LA MESA"));
        QCOMPARE(fx.stations.state(), StationsModel::State::Insert);
    }

    void page4NeedsADrawWhenANewOneIsChosen()
    {
        Fixture fx;
        fx.onPage(4);
        QVERIFY(!fx.flow->next());
        QCOMPARE(fx.ui.messages.size(), 1);
        QCOMPARE(fx.ui.messages[0].title, QString("Sorteo"));
        QCOMPARE(fx.ui.messages[0].text,
                 QString("ATENCION, HA ELEGIDO <REALIZAR NUEVO SORTEO>, POR TANTO\n"
                         "PARA PODER CONTINUAR ANTES DEBE HACER EL SORTEO\n"
                         "PULSANDO EL BOTON <INICIAR SORTEO>."));
        QCOMPARE(fx.hooks.calls, (QStringList{"subst 0", "show 4"}));

        fx.hooks.calls.clear();
        fx.hooks.newDraw = false; // "Elegir un sorteo ya realizado"
        fx.flow->setCurrentDraw(1);
        QVERIFY(fx.flow->next());
        QCOMPARE(fx.hooks.calls, (QStringList{"subst 1", "results 1", "show 5"}));

        fx.hooks.calls.clear();
        QVERIFY(fx.flow->next());
        QCOMPARE(fx.hooks.calls, (QStringList{"verdict", "show 6"}));
    }

    void lastPageAndPrevious()
    {
        Fixture fx;
        fx.onPage(7);
        QVERIFY(!fx.flow->next());
        QCOMPARE(fx.flow->page(), 7);
        fx.onPage(5);
        QVERIFY(fx.flow->previous());
        QCOMPARE(fx.hooks.calls, (QStringList{"draws", "show 4"}));
        fx.onPage(2);
        QVERIFY(fx.flow->previous());
        QCOMPARE(fx.hooks.calls, (QStringList{"reset census", "show 1"}));
        fx.onPage(0);
        QVERIFY(!fx.flow->previous());
        QVERIFY(fx.ui.messages.isEmpty());
    }

    void previousAsksTheSaveQuestionToo()
    {
        Fixture fx;
        fx.onPage(1);
        fx.general.setValue("JUNTADE", QString("AVILA"));
        fx.ui.answers = {true};
        QVERIFY(fx.flow->previous());
        QCOMPARE(fx.flow->page(), 0);
        QCOMPARE(ReadGeneralData(fx.db()).value("JUNTADE").toString(), QString("AVILA"));
    }

    void exitQuestion()
    {
        FakeInteraction ui;
        QVERIFY(!Assistant::AskExit(ui));
        ui.answers = {true};
        QVERIFY(Assistant::AskExit(ui));
        QCOMPARE(ui.messages[0].title, QString("Cerrar aplicación"));
        QCOMPARE(ui.messages[0].text, QString("¿ Seguro que desea salir de la aplicación ?"));
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
