// The main window driven offscreen: frame and start state, a whole road through the
// assistant's checks and questions, the stations page, keys, help and the exit question.
// Message boxes are answered through the scripted Interaction.

#include "shell/StartUp.h"
#include "stations/GeneralData.h"
#include "stations/Stations.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"
#include "ui/PageDraw.h"
#include "ui/PageGeneralData.h"
#include "ui/PageResults.h"
#include "ui/PageStations.h"
#include "ui/TVMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    FakeInteraction ui;
    std::unique_ptr<TVMain> w;
    QList<QUrl> opened;

    Window()
    {
        ProgramFolder::Install(dir.path());
        store = StartUp::OpenProgramStore(dir.path());
    }
    void open()
    {
        w = std::make_unique<TVMain>(*store, ui);
        w->setUrlOpener([this](const QUrl &u) {
            opened << u;
            return true;
        });
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    ~Window()
    {
        if (w) {
            w->setLoggedIn(false);
            w->close();
        }
    }
    template <typename T> T *find(const char *name) { return w->findChild<T *>(name); }
    QPushButton *button(const char *name) { return find<QPushButton>(name); }
    void click(const char *name)
    {
        QPushButton *b = button(name);
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void type(const char *name, const QString &text)
    {
        QLineEdit *e = find<QLineEdit>(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void voter(const char *sec)
    {
        store->exec(QStringLiteral("INSERT INTO cinta (DISTRITO,SECCION,MESA,ORDENCARGA) VALUES "
                                   "('01','%1 ','A',(SELECT COUNT(*)+1 FROM cinta))")
                        .arg(QLatin1String(sec)));
    }
    QStringList kinds() const
    {
        QStringList k;
        for (const auto &m : ui.messages)
            k << m.kind + ":" + m.title;
        return k;
    }
};

} // namespace

class TestUi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameAndStartState()
    {
        Window x;
        x.open();
        QCOMPARE(x.w->width(), 729);
        QCOMPARE(x.w->centralWidget()->height() + x.find<QWidget>("Herramientas")->height(), 504);
        QCOMPARE(x.w->page(), 0);
        QCOMPARE(x.w->titleText(), QString("Sorteo de miembros de mesas electorales"));
        QVERIFY(!x.w->counterVisible());
        QVERIFY(!x.button("btPrevio")->isEnabled());
        QVERIFY(x.button("btSiguiente")->isEnabled());
        QVERIFY(!x.button("btTerminar")->isEnabled());
        QVERIFY(!x.find<QAction>("btSorteo")->isVisible());
        QVERIFY(!x.find<QAction>("btListaElectores")->isVisible());
        QVERIFY(!x.find<QAction>("miListas")->isVisible());
        QVERIFY(!x.find<QAction>("miSorteo")->isEnabled());
        QCOMPARE(x.find<QAction>("btClaves")->toolTip(), QString("Modificar clave de acceso"));
        QCOMPARE(x.w->listSortColumn(), QString("DISTRITO"));
        QCOMPARE(x.find<QLabel>("lbMesas")->text(), QString("Mesas: 0"));
        QVERIFY(!x.button("btBorrar")->isEnabled());
        // The title character changes every 100 ms.
        QLabel *c = x.find<QLabel>("lbCaracter");
        const QString before = c->text();
        QTRY_VERIFY_WITH_TIMEOUT(c->text() != before, 1000);
        // Requirement defaults were applied at start.
        QCOMPARE(x.find<QComboBox>("cP_titulo_1")->currentText().left(2), QString("04"));
        QCOMPARE(x.find<QComboBox>("cV_titulo_1")->currentText().left(2), QString("03"));
        x.ui.clear();
    }

    void wholeRoad()
    {
        Window x;
        x.open();
        x.click("btSiguiente");
        QCOMPARE(x.w->page(), 1);
        QCOMPARE(x.w->counterText(), QString("Página 1/7"));
        QVERIFY(x.w->counterVisible());

        // Page 1 refused: nothing filled in.
        x.click("btSiguiente");
        QCOMPARE(x.w->page(), 1);
        QCOMPARE(x.kinds(), QStringList{"warn:Atneción"});
        x.ui.clear();

        // Filled in but the save question answered No: the stored record is checked.
        x.find<QDateEdit>("cFechaelectoral")->setDate(QDate(2023, 5, 28));
        x.find<QDateEdit>("cFechasorteo")->setDate(QDate(2023, 4, 28));
        x.type("cJuntade", "TALAVERA");
        x.type("cTipoelecciones", "MUNICIPALES");
        x.type("cHorasorteo", "7");
        x.find<QLineEdit>("cJuntade")->setFocus(); // leaving the time field normalises it
        QCOMPARE(x.find<QLineEdit>("cHorasorteo")->text(), QString("07:00"));
        x.ui.answers = {false};
        x.click("btSiguiente");
        QCOMPARE(x.kinds(), (QStringList{"ask:Guardar cambios", "warn:Atneción"}));
        QCOMPARE(x.w->page(), 1);
        QVERIFY(x.find<QLineEdit>("cJuntade")->text().isEmpty()); // changes cancelled
        x.ui.clear();

        // Again, answered Yes: stored, then the census check of page 2.
        x.find<QDateEdit>("cFechaelectoral")->setDate(QDate(2023, 5, 28));
        x.find<QDateEdit>("cFechasorteo")->setDate(QDate(2023, 4, 28));
        x.type("cJuntade", "TALAVERA");
        x.type("cTipoelecciones", "MUNICIPALES");
        x.type("cHorasorteo", "9");
        x.ui.answers = {true};
        x.click("btSiguiente");
        QCOMPARE(x.kinds(), QStringList{"ask:Guardar cambios"});
        QCOMPARE(x.w->page(), 2);
        const QVariantMap stored = ReadGeneralData(x.store->db());
        QCOMPARE(stored.value("JUNTADE").toString(), QString("TALAVERA"));
        QCOMPARE(stored.value("FECHASORTEO").toDate(), QDate(2023, 4, 28));
        QCOMPARE(stored.value("HORASORTEO").toString(), QString("09:00"));
        x.ui.clear();

        x.click("btSiguiente");
        QCOMPARE(x.kinds(), QStringList{"warn:Carga ficheros sorteo"});
        QCOMPARE(x.w->page(), 2);
        x.ui.clear();
        x.voter("001");
        RebuildStationsFromCensus(x.store->db());
        x.w->pageStations()->reload();
        x.click("btSiguiente");
        QCOMPARE(x.w->page(), 3);
        QCOMPARE(x.find<QLabel>("lbMesas")->text(), QString("Mesas: 1"));

        // Stations: a new one edited and left by the save question.
        x.click("btAnadir");
        QCOMPARE(x.find<QLabel>("lbMesas")->text(), QString("Mesas: 2"));
        QCOMPARE(x.find<QLineEdit>("cSEC")->text(), QString("010"));
        x.type("cVocal", "3");
        x.ui.answers = {true};
        x.click("btSiguiente");
        QCOMPARE(x.kinds(), QStringList{"ask:Guardar cambios"});
        QCOMPARE(x.store->scalar("SELECT VOCAL FROM mesas WHERE SEC='010'").toInt(), 3);
        QCOMPARE(x.w->page(), 4);
        x.ui.clear();

        // Page 4: a new draw must be made first; an earlier draw moves on.
        x.click("btSiguiente");
        QCOMPARE(x.kinds(), QStringList{"warn:Sorteo"});
        x.ui.clear();
        x.w->pageDraw()->chooseNewDraw(false);
        x.click("btSiguiente");
        QCOMPARE(x.w->page(), 5);
        QCOMPARE(x.w->pageResults()->heading(), QString("Resultados del sorteo nº 0 - reservas"));
        x.click("btSiguiente");
        x.click("btSiguiente");
        QCOMPARE(x.w->page(), 7);
        QCOMPARE(x.w->counterText(), QString("Página 7/7"));
        QVERIFY(!x.button("btSiguiente")->isEnabled());
        QVERIFY(x.button("btTerminar")->isEnabled());
        QVERIFY(x.ui.messages.isEmpty());

        // "Terminar" asks; No keeps the window.
        x.click("btTerminar");
        QCOMPARE(x.kinds(), QStringList{"ask:Cerrar aplicación"});
        QVERIFY(x.w->isVisible());
        x.ui.answers = {true};
        x.click("btTerminar");
        QVERIFY(!x.w->isVisible());
    }

    void stationsPage()
    {
        Window x;
        x.voter("001");
        RebuildStationsFromCensus(x.store->db());
        x.open();
        x.w->flow().showPage(3);
        x.click("btAnadir");
        x.type("cSEC", "001");
        x.type("cMesa", "a");
        QCOMPARE(x.find<QLineEdit>("cMesa")->text(), QString("A"));
        x.click("btGuardar");
        QCOMPARE(x.kinds(), QStringList{"error:Sorteo de mesas electorales"});
        QVERIFY(x.ui.messages[0].text.contains("YA EXISTE LA MESA"));
        QCOMPARE(x.w->pageStations()->model().state(), StationsModel::State::Insert);
        QCOMPARE(x.store->count("mesas"), 1);
        x.ui.clear();
        x.type("cMesa", "B");
        x.click("btGuardar");
        QVERIFY(x.ui.messages.isEmpty());
        QCOMPARE(x.store->count("mesas"), 2);

        // The grid shows the rows; choosing a row shows it in the fields.
        QTableView *grid = x.find<QTableView>("dgMesas");
        QCOMPARE(grid->model()->rowCount(), 2);
        grid->selectRow(0);
        QCOMPARE(x.find<QLineEdit>("cMesa")->text(), QString("A"));

        // Enter moves on to the next field.
        QLineEdit *dt = x.find<QLineEdit>("cDT");
        dt->setFocus();
        QTest::keyClick(dt, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), x.find<QLineEdit>("cSEC"));

        // Delete: No keeps, Yes deletes.
        x.click("btBorrar");
        QCOMPARE(x.store->count("mesas"), 2);
        x.ui.answers = {true};
        x.click("btBorrar");
        QCOMPARE(x.store->count("mesas"), 1);
        QCOMPARE(x.find<QLabel>("lbMesas")->text(), QString("Mesas: 1"));
        x.ui.clear();

        x.click("btExportarExcel_mesas");
        const QString path = x.dir.filePath("MESAS.XLS");
        QVERIFY(QFile::exists(path));
        QCOMPARE(x.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(x.button("btExportarExcel_mesas")->isEnabled());
    }

    void helpAndModes()
    {
        Window x;
        x.open();
        QTest::keyClick(x.w.get(), Qt::Key_F1);
        QCOMPARE(x.opened.size(), 1);
        QVERIFY(x.opened[0].toLocalFile().endsWith("/Manual del usuario.pdf"));

        x.w->btListaElectoresClick();
        QCOMPARE(x.w->mode(), TVMain::Mode::List);
        QCOMPARE(x.w->counterText(), QString("Página 1/1"));
        QVERIFY(x.w->counterVisible());
        QVERIFY(!x.button("btSiguiente")->isVisible());
        QVERIFY(x.find<QAction>("miSorteo")->isEnabled());
        x.w->btSorteoClick();
        QCOMPARE(x.w->page(), 0);
        QVERIFY(x.button("btSiguiente")->isVisible());
        QVERIFY(!x.find<QAction>("miSorteo")->isEnabled());
    }

    void exitWithAPendingStation()
    {
        Window x;
        x.open();
        x.w->flow().showPage(3);
        x.click("btAnadir");
        x.ui.answers = {true, true};
        x.w->close();
        QCOMPARE(x.kinds(), (QStringList{"ask:Cerrar aplicación", "ask:Guardar cambios"}));
        QVERIFY(!x.w->isVisible());
        QCOMPARE(x.store->count("mesas"), 1);
    }

    void notLoggedInClosesWithoutAsking()
    {
        Window x;
        x.open();
        x.w->setLoggedIn(false);
        x.w->close();
        QVERIFY(x.ui.messages.isEmpty());
        QVERIFY(!x.w->isVisible());
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
