// The census page driven offscreen: a generated census loaded through the page, the grid and
// its detail tabs, exclusion marks, the search window, and the view reset by the assistant.
#include "shell/StartUp.h"
#include "store/BigTableModel.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"
#include "support/GeneratedCensus.h"
#include "ui/BigGrid.h"
#include "ui/PageCensus.h"
#include "ui/PageGeneralData.h"
#include "ui/PageStations.h"
#include "ui/TVBusperso.h"
#include "ui/TVMain.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestCensusPage : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Store> m_store;
    FakeInteraction m_ui;
    std::unique_ptr<TVMain> m_w;

    PageCensus *page() { return m_w->pageCensus(); }
    QString cell(int row, const char *field)
    {
        BigTableModel &m = page()->census();
        return m.fieldValue(row, field).toString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString folder = m_dir.path() + "/prog";
        ProgramFolder::Install(folder);
        QVERIFY(GenerateCensus(m_dir.filePath("cer.txt"), m_dir.filePath("cere.txt"), 3000, 8, 4));
        m_store = StartUp::OpenProgramStore(folder);
        m_w = std::make_unique<TVMain>(*m_store, m_ui);
        m_w->setUrlOpener([](const QUrl &) { return true; });
        m_w->show();
        // Walk to the census page: page 1 needs its general data.
        m_store->exec("UPDATE miembros SET FECHAELECTORAL='2027-05-23', FECHASORTEO='2027-04-29',"
                      " HORASORTEO='10:00', JUNTADE='Sevilla', TIPOELECCIONES='Locales'");
        m_w->pageGeneralData()->refresh();
        m_ui.answers = {false, false};
        QVERIFY(m_w->flow().next());
        QVERIFY(m_w->flow().next());
        QCOMPARE(m_w->page(), 2);
    }
    void cleanupTestCase()
    {
        m_w->setLoggedIn(false);
        m_w->close();
        m_w.reset();
    }

    void loadThroughThePage()
    {
        QAbstractItemModelTester tester(&page()->census(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(!page()->btIniciarCarga()->isEnabled());
        QVERIFY(!page()->btBuscar()->isEnabled());
        page()->cFiCer()->setText(m_dir.filePath("cer.txt"));
        QVERIFY(page()->btIniciarCarga()->isEnabled());
        page()->ckCargarCere()->setChecked(true);
        page()->cFiCere()->setText(m_dir.filePath("cere.txt"));
        m_ui.clear();
        m_ui.answers = {true};
        QTest::mouseClick(page()->btIniciarCarga(), Qt::LeftButton);
        QCOMPARE(m_ui.messages.last().text,
                 QString("EL PROCESO DE CARGA DE FICHEROS DEL SORTEO HA FINALIZADO"));
        QCOMPARE(page()->lbRegsCenso()->text(), QString("Regs: 3000"));
        // Everything the load disabled is back.
        for (QWidget *w : std::initializer_list<QWidget *>{
                 page()->btIniciarCarga(), page()->btBuscar(), page()->grid(), page()->tabs(),
                 m_w->findChild<QPushButton *>("btSiguiente")})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(page()->grid()->updatesEnabled());
        // The station page shows the rebuilt table.
        QCOMPARE(m_w->pageStations()->model().rowCount(), 8);
        // The grid starts on the first row; the detail tabs follow it.
        QCOMPARE(page()->grid()->currentIndex().row(), 0);
        QCOMPARE(page()->detailText("APELLIDO1"), cell(0, "APELLIDO1"));
        QVERIFY(!page()->detailText("CALC_SEXO").isEmpty());
        const QPoint at =
            page()->grid()->visualRect(page()->grid()->model()->index(2, 5)).center();
        QTest::mouseClick(page()->grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(page()->grid()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(page()->tabs()->currentIndex(), 1);
        QCOMPARE(page()->detailText("NOMBRE"), cell(2, "NOMBRE"));
    }

    void excludeAndMark()
    {
        QToolButton *b = page()->btIncExclElector();
        page()->grid()->setCurrentIndex(page()->grid()->model()->index(1, 0));
        QCOMPARE(b->text(), QString("-"));
        QVERIFY(b->isEnabled());
        m_ui.clear();
        m_ui.answers = {true};
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(b->text(), QString("+"));
        QCOMPARE(b->toolTip(), QString("Incluir elector en el sorteo"));
        QAbstractItemModel *shown = page()->grid()->model();
        const int ap1 = page()->census().columnOf("APELLIDO1");
        const int dni = page()->census().columnOf("IDENTIFICADOR");
        QCOMPARE(shown->index(1, ap1).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(Qt::yellow));
        QVERIFY(shown->index(1, ap1).data(Qt::FontRole).value<QFont>().strikeOut());
        QVERIFY(!shown->index(1, dni).data(Qt::BackgroundRole).isValid());
        QVERIFY(!shown->index(0, ap1).data(Qt::BackgroundRole).isValid());
    }

    void startsOnTheFirstVoter()
    {
        // A window opened on a loaded census shows the first voter and its exclusion button.
        TVMain other(*m_store, m_ui);
        PageCensus *p = other.pageCensus();
        QCOMPARE(p->grid()->currentIndex().row(), 0);
        QVERIFY(p->btIncExclElector()->isEnabled());
        QCOMPARE(p->lbRegsCenso()->text(), QString("Regs: 3000"));
        m_ui.answers = {false, false};
        QVERIFY(other.flow().next());
        QVERIFY(other.flow().next());
        QCOMPARE(other.page(), 2);
        QVERIFY(p->btIncExclElector()->isEnabled());
        other.setLoggedIn(false);
    }

    void searchAndReset()
    {
        const QString surname = cell(5, "APELLIDO1");
        page()->openSearch([&](TVBusperso &s) {
            QCOMPARE(s.tabs()->currentIndex(), 0);
            s.cApellido1()->setText(surname.left(3).toLower());
            QTest::mouseClick(s.findChild<QPushButton *>("btProcesar"), Qt::LeftButton);
            QCOMPARE(s.result(), int(QDialog::Accepted));
        });
        const int found = page()->census().rowCount();
        QVERIFY(found > 0 && found < 3000);
        QCOMPARE(page()->lbRegsCenso()->text(), "Regs: " + QString::number(found));
        for (int r = 0; r < found; ++r)
            QVERIFY(cell(r, "APELLIDO1").startsWith(surname.left(3)));
        // Nothing found: the window stays open with the warning.
        page()->openSearch([&](TVBusperso &s) {
            s.tabs()->setCurrentIndex(5);
            page()->census().setStatement("SELECT * FROM cinta");
            m_store->exec("UPDATE cinta SET EXCLUIRSORTEO='N'");
            m_ui.clear();
            QTest::mouseClick(s.findChild<QPushButton *>("btProcesar"), Qt::LeftButton);
            QCOMPARE(s.result(), int(QDialog::Rejected));
            QCOMPARE(m_ui.messages.size(), 1);
            QCOMPARE(page()->lbRegsCenso()->text(), QString("Regs: 0"));
        });
        // Leaving the page forward and coming back shows every voter again.
        m_ui.answers = {false};
        QVERIFY(m_w->flow().next());
        QVERIFY(m_w->flow().previous());
        QCOMPARE(page()->census().rowCount(), 3000);
        QCOMPARE(page()->lbRegsCenso()->text(), QString("Regs: 3000"));
    }
};

QTEST_MAIN(TestCensusPage)
#include "test_census_page.moc"
