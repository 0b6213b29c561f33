// The big-table model over the census, its computed fields, exclusion, and the search tabs.
#include "census/CensusSearch.h"
#include "census/CensusView.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "support/FakeInteraction.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Voter
{
    const char *station; // "DT SEC M"
    const char *fenaci;
    const char *ap1, *ap2, *nombre, *doc, *nie, *nia, *munaci, *sexo, *excl;
};

const Voter kVoters[] = {
    {"01 001A B", "1970-01-01", "GARCIA", "LOPEZ", "ANA", "12345678Z", "41000000001", "77",
     "410917", "M", "N"},
    {"01 001A A", "1980-05-05", "PEREZ", "GARCIA", "LUIS", "  87654321x ", "41000000002", "78",
     "080193", "V", "N"},
    {"01 001A A", "1980-05-05", "GARCES", "RUIZ", "EVA", "", "41000000003", "79", "661012", "M",
     ""},
    {"02 003  U", "1990-12-31", "MARTIN", "CIALES", "JOSE", nullptr, "41000000004", "A-80",
     "  079", "V", "S"},
};

} // namespace

class TestCensusView : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<BigTableModel> m_model;
    FakeInteraction m_ui;

    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < m_model->rowCount(); ++r)
            out << m_model->fieldValue(r, "NOMBRE").toString();
        return out;
    }

private Q_SLOTS:
    void init()
    {
        ProgramFolder::Install(m_dir.path());
        m_store = std::make_unique<Store>(m_dir.path());
        m_store->open();
        Statement ins = m_store->db().prepare(
            "INSERT INTO cinta "
            "(DISTRITO,SECCION,MESA,FENACI,GRADOESCOLARIDAD,ORDENCARGA,APELLIDO1,"
            "APELLIDO2,NOMBRE,IDENTIFICADOR,NIE,NIA,MUNACI,SEXO,EXCLUIRSORTEO) "
            "VALUES (?,?,?,?,'4',?,?,?,?,?,?,?,?,?,?)");
        int order = 0;
        for (const Voter &v : kVoters) {
            const QStringList st = QString(v.station).split(' ', Qt::SkipEmptyParts);
            ins.bind(1, st[0]).bind(2, QString(v.station).mid(3, 4)).bind(3, st.last());
            ins.bind(4, v.fenaci).bind(5, ++order).bind(6, v.ap1).bind(7, v.ap2).bind(8, v.nombre);
            ins.bind(9, v.doc ? QVariant(v.doc) : QVariant()).bind(10, v.nie).bind(11, v.nia);
            ins.bind(12, v.munaci).bind(13, v.sexo).bind(14, v.excl);
            ins.run();
            ins.reset();
        }
        m_model = MakeCensusModel(m_store->db());
        m_ui.clear();
    }
    void cleanup()
    {
        m_model.reset();
        m_store.reset();
    }

    void modelInKeyOrderWithComputedFields()
    {
        QAbstractItemModelTester tester(m_model.get(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m_model->columnCount(), 34);
        QCOMPARE(m_model->headerData(0, Qt::Horizontal).toString(), QString("DI\nST"));
        // No order clause: key order (station, birth date, education, load order).
        QCOMPARE(names(), QStringList({"LUIS", "EVA", "ANA", "JOSE"}));
        QCOMPARE(CensusCountText(*m_model), QString("Regs: 4"));
        struct Expect
        {
            int row;
            const char *sexo, *prov, *code, *muni;
        };
        const Expect cases[] = {{0, "VARON", "BARCELONA", "08", "Barcelona"},
                                {1, "MUJER", "", "", "ALBANIA"}, // "66": a foreign country
                                {2, "MUJER", "SEVILLA", "41", "Sevilla"},
                                {3, "VARON", "", "  ", ""}};
        for (const Expect &e : cases) {
            QCOMPARE(m_model->fieldValue(e.row, "CALC_SEXO").toString(), QString(e.sexo));
            QCOMPARE(m_model->fieldValue(e.row, "CALC_PROVINCIANACIMIENTO").toString(),
                     QString(e.prov));
            QCOMPARE(m_model->fieldValue(e.row, "CALC_CODPROVMUNACI").toString(), QString(e.code));
            QCOMPARE(m_model->fieldValue(e.row, "LOOKUP_CODNUM").toString(), QString(e.muni));
        }
        const int fenaci = m_model->columnOf("FENACI");
        QCOMPARE(m_model->data(m_model->index(0, fenaci)).toString(), QString("05/05/1980"));
        const int excl = m_model->columnOf("EXCLUIRSORTEO");
        QCOMPARE(m_model->data(m_model->index(3, excl), Qt::CheckStateRole).toInt(),
                 int(Qt::Checked));
        QCOMPARE(m_model->data(m_model->index(1, excl), Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));
        QCOMPARE(ProvinceName("52"), QString("MELILLA"));
        QCOMPARE(ProvinceName("53"), QString());
    }

    void exclusionAndReadmission()
    {
        QAbstractItemModelTester tester(m_model.get(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int eva = 1; // empty flag: treated as included
        QCOMPARE(ExclusionButtonFor(*m_model, eva).caption, QString("-"));
        m_ui.answers = {false};
        QVERIFY(!ToggleExclusion(*m_model, eva, m_ui));
        QCOMPARE(m_model->fieldValue(eva, "EXCLUIRSORTEO").toString(), QString(""));
        QCOMPARE(m_ui.messages[0].title, QString("Excluir elector del sorteo"));
        QCOMPARE(m_ui.messages[0].text,
                 QString("¿¿ Está seguro que debe excluir a éste elector del sorteo elctoral ??"));
        m_ui.answers = {true};
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        QVERIFY(ToggleExclusion(*m_model, eva, m_ui));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_store->scalar("SELECT EXCLUIRSORTEO FROM cinta WHERE NOMBRE='EVA'").toString(),
                 QString("S"));
        const ExclusionButton b = ExclusionButtonFor(*m_model, eva);
        QCOMPARE(b.caption, QString("+"));
        QCOMPARE(b.hint, QString("Incluir elector en el sorteo"));
        m_ui.clear();
        m_ui.answers = {true};
        QVERIFY(ToggleExclusion(*m_model, eva, m_ui));
        QCOMPARE(m_ui.messages[0].title, QString("Incluir elector en el sorteo"));
        QCOMPARE(m_model->fieldValue(eva, "EXCLUIRSORTEO").toString(), QString("N"));
    }

    void searchTabs_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("found");
        const int names = int(CensusSearchTab::Names), doc = int(CensusSearchTab::Document);
        const int nie = int(CensusSearchTab::Nie), nia = int(CensusSearchTab::Nia);
        const int ini = int(MatchKind::Initials), con = int(MatchKind::Contains),
                  exa = int(MatchKind::Exact);
        QTest::newRow("GAR initials") << names << "GAR"
                                      << "" << ini << QStringList{"EVA", "ANA"};
        QTest::newRow("GAR exact") << names << "GAR"
                                   << "" << exa << QStringList{};
        QTest::newRow("CIA initials") << names << "CIA"
                                      << "" << ini << QStringList{};
        QTest::newRow("CIA contains") << names << "CIA"
                                      << "" << con << QStringList{"ANA"};
        QTest::newRow("garcia lower exact") << names << " garcia "
                                            << "" << exa << QStringList{"ANA"};
        QTest::newRow("second surname") << names << ""
                                        << "CIA" << con << QStringList{"LUIS", "JOSE"};
        QTest::newRow("both surnames") << names << "G"
                                       << "L" << ini << QStringList{"ANA"};
        QTest::newRow("no condition") << names << " "
                                      << "" << ini << QStringList{};
        QTest::newRow("doc exact") << doc << "87654321X"
                                   << "" << exa << QStringList{"LUIS"};
        QTest::newRow("doc contains") << doc << "4567"
                                      << "" << con << QStringList{"ANA"};
        QTest::newRow("doc blank") << doc << "  "
                                   << "" << exa << QStringList{"EVA", "JOSE"};
        QTest::newRow("nie exact") << nie << "41000000003 "
                                   << "" << exa << QStringList{"EVA"};
        QTest::newRow("nie contains") << nie << "0000000"
                                      << "" << con << QStringList{"LUIS", "EVA", "ANA", "JOSE"};
        QTest::newRow("nie blank") << nie << ""
                                   << "" << exa << QStringList{};
        QTest::newRow("nia contains") << nia << "-8"
                                      << "" << con << QStringList{"JOSE"};
        QTest::newRow("nia exact") << nia << "77"
                                   << "" << exa << QStringList{"ANA"};
    }
    void searchTabs()
    {
        QFETCH(int, tab);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, kind);
        QFETCH(QStringList, found);
        CensusSearchInput in;
        in.tab = CensusSearchTab(tab);
        in.apellido1 = a;
        in.apellido2 = b;
        in.document = in.nie = in.nia = a;
        in.nameKind = in.documentKind = in.nieKind = in.niaKind = MatchKind(kind);
        QCOMPARE(RunCensusSearch(*m_model, in, m_ui), !found.isEmpty());
        QCOMPARE(names(), found);
        if (found.isEmpty()) {
            QCOMPARE(m_ui.messages.size(), 1);
            QCOMPARE(m_ui.messages[0].kind, QString("warn"));
            QCOMPARE(m_ui.messages[0].title, QString("Atención"));
            QCOMPARE(m_ui.messages[0].text,
                     QString("No existen personas que cumplan la consulta solicitada"));
        } else {
            QVERIFY(m_ui.messages.isEmpty());
            QCOMPARE(CensusCountText(*m_model), "Regs: " + QString::number(found.size()));
        }
    }

    void birthDatesAndExclusions()
    {
        CensusSearchInput in;
        in.tab = CensusSearchTab::BirthDate;
        // Reversed range: message 0100 and the view untouched.
        in.from = QDate(1990, 1, 1);
        in.to = QDate(1980, 1, 1);
        QVERIFY(!RunCensusSearch(*m_model, in, m_ui));
        QCOMPARE(m_ui.messages.size(), 1);
        QCOMPARE(m_ui.messages[0].title, QString("Error"));
        QCOMPARE(m_ui.messages[0].text,
                 QString("El valor <hasta> debe ser mayor o igual al valor <desde>"));
        QCOMPARE(m_model->rowCount(), 4);
        // Corrected: a range includes both ends; equal dates search by equality.
        in.from = QDate(1970, 1, 1);
        in.to = QDate(1980, 5, 5);
        QVERIFY(RunCensusSearch(*m_model, in, m_ui));
        QCOMPARE(names(), QStringList({"LUIS", "EVA", "ANA"}));
        in.to = in.from;
        QCOMPARE(CensusSearchStatement(in).sql,
                 QString("Select * from cinta where fenaci=:fenaci1"));
        QVERIFY(RunCensusSearch(*m_model, in, m_ui));
        QCOMPARE(names(), QStringList({"ANA"}));

        in.tab = CensusSearchTab::Exclusions;
        QVERIFY(RunCensusSearch(*m_model, in, m_ui));
        QCOMPARE(names(), QStringList({"JOSE"}));
        m_store->exec("UPDATE cinta SET EXCLUIRSORTEO='N'");
        m_ui.clear();
        QVERIFY(!RunCensusSearch(*m_model, in, m_ui));
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(m_ui.messages.size(), 1);
    }

    void surnamePrefixUsesTheNameIndex()
    {
        CensusSearchInput in;
        in.apellido1 = "GAR";
        const SearchStatement s = CensusSearchStatement(in);
        QString sql = s.sql;
        sql.replace("Select *", "EXPLAIN QUERY PLAN SELECT rowid");
        Statement st = m_store->db().prepare(sql);
        st.bindAll(s.params);
        QString plan;
        while (st.step())
            plan += st.text(3) + "\n";
        QVERIFY2(plan.contains("CINTA_APENOM"), qPrintable(plan));
    }
};

QTEST_GUILESS_MAIN(TestCensusView)
#include "test_census_view.moc"
