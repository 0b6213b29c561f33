// The draw page driven offscreen on a generated census: the option panels, a run kept and
// shown on the results page, a run discarded for incidents and shown on the incidents page,
// and a run ended by an error; the window is locked while the run works and free afterwards.
#include "census/CensusLoader.h"
#include "draw/DrawTables.h"
#include "draw/RandomSource.h"
#include "shell/StartUp.h"
#include "stations/Stations.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"
#include "support/GeneratedCensus.h"
#include "ui/PageDraw.h"
#include "ui/PageGeneralData.h"
#include "ui/PageIncidents.h"
#include "ui/PageResults.h"
#include "ui/PageStations.h"
#include "ui/TVMain.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <stdexcept>

namespace {

// Records, with each message, whether the window was locked when it was shown.
class WatchingInteraction : public FakeInteraction
{
public:
    std::function<QString()> state;
    QStringList states;
    void warn(const QString &t, const QString &x) override
    {
        note();
        FakeInteraction::warn(t, x);
    }
    void error(const QString &t, const QString &x) override
    {
        note();
        FakeInteraction::error(t, x);
    }

private:
    void note() { states << (state ? state() : QString()); }
};

class ThrowingRandom : public RandomSource
{
public:
    quint32 pick(quint32) override { throw std::runtime_error("GENERADOR AVERIADO"); }
};

} // namespace

class TestDrawPage : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_folder;
    std::unique_ptr<Store> m_store;
    WatchingInteraction m_ui;
    std::unique_ptr<TVMain> m_w;

    PageDraw *page() { return m_w->pageDraw(); }
    QPushButton *button(const char *name) { return m_w->findChild<QPushButton *>(name); }
    qint64 count(const QString &sql) { return m_store->scalar(sql).toLongLong(); }

    // What a message sees of the window: "locked" when everything that could start other work
    // is off, "free" when all of it is back, "mixed" otherwise.
    QString windowState()
    {
        const QList<bool> on{page()->btIniciarSorteo()->isEnabled(),
                             page()->rbOpcionSorteo()->isEnabled(),
                             m_w->findChild<QToolBar *>("Herramientas")->isVisibleTo(m_w.get()),
                             m_w->menuBar()->actions().at(0)->isEnabled(),
                             m_w->menuBar()->actions().at(2)->isEnabled(),
                             button("btTerminar")->isEnabled() ||
                                 button("btSiguiente")->isEnabled()};
        const QCursor *c = QApplication::overrideCursor();
        if (!on.contains(true) && c && c->shape() == Qt::ArrowCursor)
            return QStringLiteral("locked");
        return on.contains(false) || c ? QStringLiteral("mixed") : QStringLiteral("free");
    }

    QStringList incidentTexts()
    {
        QStringList texts;
        Statement st = m_store->db().prepare("SELECT INC FROM inc ORDER BY ID");
        while (st.step())
            texts << st.text(0);
        return texts;
    }

    void requireFreeWindow()
    {
        QCOMPARE(windowState(), QStringLiteral("free"));
        for (QAction *menu : m_w->menuBar()->actions())
            QVERIFY(menu->isEnabled());
        QVERIFY(!m_w->working());
    }

    void start(QList<bool> answers)
    {
        m_ui.clear();
        m_ui.states.clear();
        m_ui.answers = answers;
        QTest::mouseClick(page()->btIniciarSorteo(), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = m_dir.path() + "/prog";
        ProgramFolder::Install(m_folder);
        QVERIFY(
            GenerateCensus(m_dir.filePath("cer.txt"), m_dir.filePath("cere.txt"), 1500, 5, 11));
        m_store = StartUp::OpenProgramStore(m_folder);
        FakeInteraction loadUi;
        loadUi.answers = {true};
        NullProgress quiet;
        CensusLoader loader(*m_store, loadUi, quiet);
        const CensusLoadResult loaded =
            loader.run({m_dir.filePath("cer.txt"), m_dir.filePath("cere.txt"), true});
        QVERIFY(!loaded.failed);
        QCOMPARE(loaded.stations, 5);
    }

    // Each test starts from a census without draws and a window walked to page 4.
    void init()
    {
        m_store->exec("UPDATE cinta SET numsorteo=0, fechasorteo=null");
        m_store->exec("DELETE FROM result");
        m_store->exec("DELETE FROM inc");
        m_store->exec("UPDATE miembros SET FECHAELECTORAL='2027-05-23', FECHASORTEO='2027-04-29',"
                      " HORASORTEO='10:00', JUNTADE='Sevilla', TIPOELECCIONES='Locales',"
                      " EDAD1=18, EDAD2=70, NUMSORTEOSRESERVA=1, SORTEARCERE='S',"
                      " P_TITULO_1=4, P_TITULO_2=4, V_TITULO_1=3, V_TITULO_2=4");
        m_w = std::make_unique<TVMain>(*m_store, m_ui);
        m_w->setUrlOpener([](const QUrl &) { return true; });
        m_w->show();
        m_ui.state = [this] { return windowState(); };
        m_ui.answers = {false, false, false};
        while (m_w->page() < 4)
            QVERIFY(m_w->flow().next());
        m_ui.clear();
    }
    void cleanup()
    {
        m_ui.state = nullptr;
        m_w->setLoggedIn(false);
        m_w->close();
        m_w.reset();
    }

    void optionPanels()
    {
        QCOMPARE(page()->rbOpcionSorteo()->title(), QString(" Elija una opción "));
        QVERIFY(page()->panelNuevoSorteo()->isVisible());
        QVERIFY(!page()->panelElegirSorteo()->isVisible());
        QCOMPARE(page()->btIniciarSorteo()->text(), QString("INICIAR SORTEO"));
        page()->chooseNewDraw(false);
        QVERIFY(!page()->panelNuevoSorteo()->isVisible());
        QVERIFY(page()->panelElegirSorteo()->isVisible());
        QVERIFY(button("btSiguiente")->isEnabled());
        page()->chooseNewDraw(true);
        QVERIFY(page()->panelNuevoSorteo()->isVisible());
        QVERIFY(!button("btSiguiente")->isEnabled());
    }

    void keptRunShowsTheResults()
    {
        const qint64 places = TotalMembersNeeded(m_store->db());
        QVERIFY(places > 0);
        m_w->setRandomSource(
            std::make_unique<FixedRandomSource>(std::vector<quint32>{17, 4, 250, 9, 73, 0, 31}));
        start({true});
        QCOMPARE(m_ui.texts().value(0), QString("¿ DESEA COMENZAR EL SORTEO ?"));
        QCOMPARE(m_ui.messages.size(), 2);
        QVERIFY(m_ui.texts().at(1).startsWith("PROCESO FINALIZADO.\nSE HA HECHO UNA COPIA"));
        // The backup message comes while the window is still locked.
        QCOMPARE(m_ui.states, QStringList{"locked"});

        QCOMPARE(m_w->page(), 5);
        QCOMPARE(m_w->currentDraw(), 1);
        QCOMPARE(m_w->pageResults()->heading(), QString("Resultados del sorteo nº 1 - principal"));
        QCOMPARE(m_w->pageResults()->lbElegidos()->text(), "Miembros: " + QString::number(places));
        // Both draws of the run are in the tables, each voter appointed once.
        QCOMPARE(CuentaMiembrosSorteo(m_store->db(), 1), places);
        QCOMPARE(CuentaMiembrosSorteo(m_store->db(), 2), places);
        QCOMPARE(count("SELECT COUNT(*) FROM cinta WHERE numsorteo>0"), 2 * places);
        QCOMPARE(count("SELECT COUNT(DISTINCT ORDENCARGA) FROM result"), 2 * places);
        QCOMPARE(count("SELECT COUNT(*) FROM inc"), 0);
        QCOMPARE(
            QDir(m_folder).entryList({"COPIA_SORTEO_29042027_PROCESADO_*"}, QDir::Dirs).size(), 1);
        QCOMPARE(m_w->pageIncidents()->lbInc1()->text(),
                 QString("No se han producido incidencias durante los Sorteos"));
        requireFreeWindow();
        QVERIFY(button("btPrevio")->isEnabled());
        QVERIFY(!button("btTerminar")->isEnabled());

        // A second press finds every allowed draw made.
        QVERIFY(m_w->flow().previous());
        start({});
        QCOMPARE(m_ui.messages.size(), 1);
        QCOMPARE(m_ui.messages.at(0).title, QString("Nº sorteos"));
        QCOMPARE(m_w->page(), 4);
        QCOMPARE(m_w->currentDraw(), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM result"), 2 * places);
        requireFreeWindow();
    }

    void discardedRunShowsTheIncidents()
    {
        // No voter has education level 5: every station lacks presidents in both draws.
        m_store->exec("UPDATE miembros SET P_TITULO_1=5, P_TITULO_2=5");
        start({true});
        QCOMPARE(m_ui.messages.size(), 3);
        QVERIFY(m_ui.texts().at(1).startsWith("PROCESO FINALIZADO."));
        QVERIFY(m_ui.texts().at(2).startsWith("EL SORTEO NO HA PODIDO SER REALIZADO"));
        QCOMPARE(m_ui.states, (QStringList{"locked", "locked"}));

        QCOMPARE(m_w->page(), 6);
        QCOMPARE(m_w->pageIncidents()->lbInc1()->text(),
                 QString("EL SORTEO NO TIENE VALIDEZ. Se han producido incidencias.\n"
                         "¡¡ Corrija las incidencias y repita el Sorteo. !!"));
        const QStringList stored = incidentTexts();
        QCOMPARE(stored.size(), 10);
        const QString first = m_store
                                  ->scalar("SELECT 'SORTEO Nº 1 - PRINCIPAL DISTRITO '||DT||"
                                           "' SECCION '||SEC||' MESA '||MESA||':' FROM mesas "
                                           "ORDER BY DT,SEC,MESA LIMIT 1")
                                  .toString();
        QCOMPARE(stored.first(), first + "\nNo existen habitantes censados que cumplan los "
                                         "requisitos para las\n3 plazas de PRESIDENTE/A");
        QVERIFY(stored.last().startsWith("SORTEO Nº 2 - RESERVAS DISTRITO "));
        QPlainTextEdit *memo = m_w->pageIncidents()->memoInc();
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->toPlainText(), stored.join('\n') + '\n');
        // Every draw was discarded.
        QCOMPARE(count("SELECT COUNT(*) FROM result"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM resultbck"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM cinta WHERE numsorteo<>0 OR fechasorteo IS NOT NULL"),
                 0);
        // Only "Terminar" is left of the assistant; the rest of the window is back.
        QVERIFY(!button("btPrevio")->isEnabled());
        QVERIFY(!button("btSiguiente")->isEnabled());
        requireFreeWindow();
    }

    void failedRunStaysOnTheDrawPage()
    {
        m_w->setRandomSource(std::make_unique<ThrowingRandom>());
        start({true});
        QCOMPARE(m_ui.messages.size(), 2);
        QCOMPARE(m_ui.messages.last().kind, QString("error"));
        QVERIFY(m_ui.texts().last().startsWith("GENERADOR AVERIADO"));
        QCOMPARE(m_ui.states, QStringList{"locked"});
        QCOMPARE(m_w->page(), 4);
        QCOMPARE(count("SELECT COUNT(*) FROM result"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM cinta WHERE numsorteo<>0"), 0);
        requireFreeWindow();
        QVERIFY(button("btPrevio")->isEnabled());
        QVERIFY(button("btSiguiente")->isEnabled());
        QVERIFY(!button("btTerminar")->isEnabled());
    }
};

QTEST_MAIN(TestDrawPage)
#include "test_draw_page.moc"
