#include "ui/PageCensus.h"

#include "census/CensusLoader.h"
#include "census/CensusView.h"
#include "store/BigTableModel.h"
#include "store/Store.h"
#include "ui/BigGrid.h"
#include "ui/RecordNavigator.h"
#include "ui/TVBusperso.h"
#include "ui/TVGC.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

// Excluded voters: surnames and name in red, struck through, on yellow.
class CensusMarks : public QIdentityProxyModel
{
public:
    CensusMarks(BigTableModel &census, QObject *parent)
        : QIdentityProxyModel(parent), m_census(census)
    {
        setSourceModel(&census);
        for (const char *f : {"APELLIDO1", "APELLIDO2", "NOMBRE"})
            m_marked << census.columnOf(QString::fromLatin1(f));
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if ((role == Qt::ForegroundRole || role == Qt::BackgroundRole || role == Qt::FontRole) &&
            m_marked.contains(index.column()) &&
            m_census.fieldValue(index.row(), QStringLiteral("EXCLUIRSORTEO")).toString() ==
                QLatin1String("S")) {
            if (role == Qt::ForegroundRole)
                return QColor(Qt::red);
            if (role == Qt::BackgroundRole)
                return QColor(Qt::yellow);
            QFont f;
            f.setStrikeOut(true);
            return f;
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    BigTableModel &m_census;
    QList<int> m_marked;
};

namespace {

QLabel *stepLabel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("QLabel { background: #800000; color: white; "
                                    "font-weight: bold; border-radius: 3px; padding: 1px 3px; }"));
    return l;
}

} // namespace

PageCensus::PageCensus(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(2, parent), m_store(store), m_ui(ui)
{
    m_model = MakeCensusModel(m_store.db());
    m_marks = new CensusMarks(*m_model, this);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(buildLoadStrip());

    m_tabs = new QTabWidget(body());
    m_tabs->setObjectName(QStringLiteral("TabCer"));
    m_grid = new BigGrid(4, m_tabs);
    m_grid->setObjectName(QStringLiteral("dgCargaCenso"));
    m_grid->setGridModel(m_marks, *m_model);
    m_tabs->addTab(m_grid, QStringLiteral(" Vista general "));
    m_tabs->addTab(buildPersonalTab(), QStringLiteral(" Datos personales "));
    m_tabs->addTab(buildStationTab(), QStringLiteral(" Datos de la mesa "));
    layout->addWidget(buildToolStrip());
    layout->addWidget(m_tabs, 1);

    connect(m_grid, &QAbstractItemView::doubleClicked, this,
            [this] { m_tabs->setCurrentIndex(1); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PageCensus::currentRowChanged);
    connect(m_model.get(), &QAbstractItemModel::modelReset, this, [this] {
        if (m_model->rowCount() > 0)
            m_grid->setCurrentIndex(m_marks->index(0, 0));
        currentRowChanged();
    });
    connect(m_model.get(), &QAbstractItemModel::dataChanged, this, &PageCensus::currentRowChanged);
    refreshCount(m_model->rowCount());
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_marks->index(0, 0));
    currentRowChanged();
}

PageCensus::~PageCensus() = default;

void PageCensus::setWindowHooks(std::function<void(bool)> lock, std::function<void()> afterLoad)
{
    m_lock = std::move(lock);
    m_afterLoad = std::move(afterLoad);
}

QWidget *PageCensus::buildLoadStrip()
{
    auto *box = new QGroupBox(body());
    auto *g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);
    auto fileField = [box](const char *name, QToolButton *&browse) {
        auto *e = new QLineEdit(box);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true); // chosen through the open dialog only
        browse = new QToolButton(box);
        browse->setText(QStringLiteral("..."));
        return e;
    };
    m_ckCer = new QCheckBox(QStringLiteral("Cargar CER o"), box);
    m_ckCer->setObjectName(QStringLiteral("ckCargar_CER"));
    m_ckCer->setChecked(true);
    m_ckCer->setEnabled(false);
    m_cer = fileField("cFi_CER", m_browseCer);
    auto *together = new QLabel(QStringLiteral("CER+CERE juntos"), box);
    together->setEnabled(false);
    m_ckCere = new QCheckBox(QStringLiteral("Cargar CERE"), box);
    m_ckCere->setObjectName(QStringLiteral("ckCargar_CERE"));
    m_cere = fileField("cFi_CERE", m_browseCere);
    m_start = new QPushButton(QStringLiteral("Iniciar carga"), box);
    m_start->setObjectName(QStringLiteral("btIniciarCarga"));
    m_start->setToolTip(QStringLiteral("Iniciar la carga del fichero del Censo Electoral"));
    m_start->setEnabled(false);

    g->addWidget(stepLabel(QStringLiteral(" 1 "), box), 0, 0);
    g->addWidget(m_ckCer, 0, 1);
    g->addWidget(m_cer, 0, 2);
    g->addWidget(m_browseCer, 0, 3);
    g->addWidget(together, 0, 4, 1, 2);
    g->addWidget(stepLabel(QStringLiteral(" 2 "), box), 1, 0);
    g->addWidget(m_ckCere, 1, 1);
    g->addWidget(m_cere, 1, 2);
    g->addWidget(m_browseCere, 1, 3);
    g->addWidget(stepLabel(QStringLiteral(" 3 "), box), 1, 4);
    g->addWidget(m_start, 1, 5);
    g->setColumnStretch(2, 1);

    connect(m_browseCer, &QToolButton::clicked, this, [this] { chooseFile(m_cer); });
    connect(m_browseCere, &QToolButton::clicked, this, [this] { chooseFile(m_cere); });
    connect(m_cer, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_start->setEnabled(!t.trimmed().isEmpty()); });
    connect(m_start, &QPushButton::clicked, this, &PageCensus::btIniciarCargaClick);
    return box;
}

QWidget *PageCensus::buildToolStrip()
{
    auto *strip = new QWidget(body());
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    m_nav = new RecordNavigator(m_grid, strip);
    m_nav->setObjectName(QStringLiteral("dbNavCarga"));
    m_search = new QPushButton(QStringLiteral("Buscar electores"), strip);
    m_search->setObjectName(QStringLiteral("btBuscar"));
    m_search->setToolTip(QStringLiteral("Bucar personas en fichero del Sorteo"));
    m_print = new QPushButton(QStringLiteral("Imprimir modelo"), strip);
    m_print->setObjectName(QStringLiteral("btImprimir"));
    m_print->setEnabled(false);
    m_exclude = new QToolButton(strip);
    m_exclude->setObjectName(QStringLiteral("btIncExclElector"));
    m_exclude->setFixedSize(28, 24);
    // A thin "-" reads as disabled in the default style: draw it large and dark.
    m_exclude->setStyleSheet(QStringLiteral(
        "QToolButton#btIncExclElector { font-weight: bold; font-size: 18px; color: #000080; }"
        "QToolButton#btIncExclElector:disabled { color: #a0a0a0; }"));
    auto *panel = new QGroupBox(QStringLiteral("Consulta de listas electorales"), strip);
    auto *pl = new QHBoxLayout(panel);
    pl->setContentsMargins(6, 0, 6, 0);
    m_count = new QLabel(panel);
    m_count->setObjectName(QStringLiteral("lbRegsCenso"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_count->setMinimumWidth(110);
    pl->addWidget(m_count);
    row->addWidget(m_nav);
    row->addWidget(m_search);
    row->addWidget(m_print);
    row->addWidget(m_exclude);
    row->addStretch();
    row->addWidget(panel);
    connect(m_search, &QPushButton::clicked, this, &PageCensus::btBuscarClick);
    connect(m_exclude, &QToolButton::clicked, this, &PageCensus::btIncExclElectorClick);
    return strip;
}

QLineEdit *PageCensus::detail(const QString &field, int chars)
{
    auto *e = new QLineEdit;
    e->setObjectName(QStringLiteral("d_") + field);
    e->setReadOnly(true);
    e->setProperty("field", field);
    if (chars > 0)
        e->setMaximumWidth(chars * fontMetrics().averageCharWidth() + 14);
    m_details << e;
    return e;
}

QWidget *PageCensus::buildPersonalTab()
{
    auto *w = new QWidget;
    auto *g = new QGridLayout(w);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(2);
    auto label = [w](const QString &t) { return new QLabel(t, w); };
    auto pair = [this](const QString &a, int ca, const QString &b, int cb) {
        auto *h = new QHBoxLayout;
        h->addWidget(detail(a, ca));
        h->addWidget(detail(b, cb), 1);
        return h;
    };
    int r = 0;
    g->addWidget(label(QStringLiteral("Apellido primero")), r, 0);
    g->addWidget(detail(QStringLiteral("APELLIDO1"), 0), r, 1);
    g->addWidget(label(QStringLiteral("N.I.A.")), r, 2);
    g->addWidget(detail(QStringLiteral("NIA"), 0), r++, 3);
    g->addWidget(label(QStringLiteral("Apellido segundo")), r, 0);
    g->addWidget(detail(QStringLiteral("APELLIDO2"), 0), r, 1);
    g->addWidget(label(QStringLiteral("N.I.E.")), r, 2);
    g->addWidget(detail(QStringLiteral("NIE"), 0), r++, 3);
    g->addWidget(label(QStringLiteral("Nombre")), r, 0);
    g->addWidget(detail(QStringLiteral("NOMBRE"), 0), r, 1);
    g->addWidget(label(QStringLiteral("Nº documento identidad")), r, 2);
    g->addWidget(detail(QStringLiteral("IDENTIFICADOR"), 0), r++, 3);
    g->addWidget(label(QStringLiteral("Municipio nacimiento")), r, 0);
    g->addLayout(pair(QStringLiteral("MUNACI"), 6, QStringLiteral("LOOKUP_CODNUM"), 0), r, 1);
    g->addWidget(label(QStringLiteral("Sexo")), r, 2);
    g->addWidget(detail(QStringLiteral("CALC_SEXO"), 6), r++, 3);
    g->addWidget(label(QStringLiteral("Provincia")), r, 0);
    g->addLayout(pair(QStringLiteral("CALC_CODPROVMUNACI"), 2,
                      QStringLiteral("CALC_PROVINCIANACIMIENTO"), 0),
                 r, 1);
    g->addWidget(label(QStringLiteral("F. nacimiento")), r, 2);
    g->addWidget(detail(QStringLiteral("FENACI"), 10), r++, 3);
    g->addWidget(label(QStringLiteral("Grado escolaridad")), r, 0);
    g->addLayout(
        pair(QStringLiteral("GRADOESCOLARIDAD"), 2, QStringLiteral("DESCGRADOESCOLARIDAD"), 0), r,
        1, 1, 3);
    ++r;
    g->addWidget(label(QStringLiteral("Domicilio")), r, 0);
    g->addWidget(detail(QStringLiteral("DOMICILIOELECTOR1"), 0), r++, 1, 1, 3);
    g->addWidget(detail(QStringLiteral("DOMICILIOELECTOR2"), 0), r, 1);
    g->addWidget(detail(QStringLiteral("DOMICILIOELECTOR3"), 0), r, 2, 1, 2);
    ++r;
    g->addWidget(label(QStringLiteral("Cód. postal")), r, 0);
    g->addWidget(detail(QStringLiteral("CODPOSTALELECTOR"), 6), r, 1);
    g->addWidget(label(QStringLiteral("Tipo fichero")), r, 2);
    g->addWidget(detail(QStringLiteral("TIPOFICHERO"), 6), r++, 3);
    g->addWidget(label(QStringLiteral("* Nacionalidad")), r, 0);
    g->addWidget(detail(QStringLiteral("NACIONALIDAD"), 0), r, 1);
    g->addWidget(label(QStringLiteral("* Intención voto")), r, 2);
    g->addWidget(detail(QStringLiteral("INTENCIONVOTO"), 2), r++, 3);
    g->addWidget(label(QStringLiteral("(*) Sólo en fichero CERE")), r, 0, 1, 2);
    g->setColumnStretch(1, 3);
    g->setColumnStretch(3, 2);
    g->setRowStretch(r + 1, 1);
    return w;
}

QWidget *PageCensus::buildStationTab()
{
    auto *w = new QWidget;
    auto *g = new QGridLayout(w);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(2);
    auto label = [w](const QString &t) { return new QLabel(t, w); };
    auto *station = new QHBoxLayout;
    station->addWidget(label(QStringLiteral("Dist.")));
    station->addWidget(detail(QStringLiteral("DISTRITO"), 3));
    station->addWidget(label(QStringLiteral("Sec.")));
    station->addWidget(detail(QStringLiteral("SECCION"), 5));
    station->addWidget(label(QStringLiteral("Mesa")));
    station->addWidget(detail(QStringLiteral("MESA"), 2));
    station->addWidget(label(QStringLiteral("Orden listas")));
    station->addWidget(detail(QStringLiteral("ORDENENLISTAS"), 5));
    station->addStretch();
    int r = 0;
    g->addLayout(station, r++, 0, 1, 3);
    g->addWidget(label(QStringLiteral("Entidad")), r, 0);
    g->addWidget(detail(QStringLiteral("ENTIDAD1"), 0), r, 1);
    g->addWidget(detail(QStringLiteral("ENTIDAD2"), 0), r++, 2);
    g->addWidget(detail(QStringLiteral("ENTIDAD3"), 0), r++, 1);
    g->addWidget(label(QStringLiteral("Local electoral / Local electoral-idioma")), r++, 0, 1, 3);
    g->addWidget(detail(QStringLiteral("LOCALELECTORAL1"), 0), r, 1);
    g->addWidget(detail(QStringLiteral("LOCALELECTORAL2"), 0), r++, 2);
    g->addWidget(label(QStringLiteral("Dirección de la mesa")), r, 0);
    g->addWidget(detail(QStringLiteral("DIRMESA1"), 0), r, 1);
    g->addWidget(detail(QStringLiteral("DIRMESA2"), 0), r++, 2);
    g->addWidget(detail(QStringLiteral("DIRMESA3"), 0), r, 1);
    g->addWidget(detail(QStringLiteral("DIRMESA4"), 0), r++, 2);
    g->addWidget(label(QStringLiteral("Cód. postal")), r, 0);
    g->addWidget(detail(QStringLiteral("CODPOSTALMESA"), 6), r++, 1);
    g->addWidget(label(QStringLiteral("Información adicional de la mesa")), r, 0);
    g->addWidget(detail(QStringLiteral("INFOADICMESA"), 0), r++, 1, 1, 2);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(r, 1);
    return w;
}

QString PageCensus::detailText(const QString &field) const
{
    for (QLineEdit *e : m_details) {
        if (e->property("field").toString() == field)
            return e->text();
    }
    return QString();
}

void PageCensus::currentRowChanged()
{
    const int row = m_grid->currentIndex().row();
    for (QLineEdit *e : m_details) {
        const QVariant v =
            row >= 0 ? m_model->fieldValue(row, e->property("field").toString()) : QVariant();
        e->setText(BigTableModel::displayText(v));
        e->setCursorPosition(0);
    }
    const ExclusionButton b = ExclusionButtonFor(*m_model, row);
    m_exclude->setText(b.caption);
    m_exclude->setToolTip(b.hint);
    m_exclude->setEnabled(row >= 0);
}

void PageCensus::refreshCount(qint64)
{
    // The label counts the rows of the view (a search may show fewer than the table holds).
    m_count->setText(CensusCountText(*m_model));
    m_search->setEnabled(m_store.count(QStringLiteral("cinta")) > 0);
}

void PageCensus::resetView()
{
    showGeneralView();
    m_model->setStatement(QStringLiteral("SELECT * FROM cinta"));
    refreshCount(m_model->rowCount());
}

void PageCensus::showGeneralView()
{
    m_tabs->setCurrentIndex(0);
}

void PageCensus::chooseFile(QLineEdit *edit)
{
    QFileDialog dialog(this, QStringLiteral("Elegir plantilla"), m_store.folder());
    dialog.setNameFilters({QStringLiteral("Todos los archivos *.* (*)"),
                           QStringLiteral("Archivos de texto *.txt (*.txt)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        edit->setText(dialog.selectedFiles().first());
}

void PageCensus::setLoading(bool loading)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_start, m_nav, m_search, m_cer, m_cere,
                                                       m_browseCer, m_browseCere, m_tabs})
        w->setEnabled(!loading);
    m_grid->setUpdatesEnabled(!loading);
    if (m_lock)
        m_lock(loading);
    if (loading)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void PageCensus::btIniciarCargaClick()
{
    const CensusLoadRequest request{m_cer->text(), m_cere->text(), m_ckCere->isChecked()};
    TVGC progress(window());
    CensusLoader loader(m_store, m_ui, progress);
    if (!loader.confirm(request))
        return;
    setLoading(true);
    bool restored = false;
    auto restore = [this, &restored, &progress] {
        if (restored)
            return;
        restored = true;
        progress.hide();
        // The view shows the new census; the counts and the station page follow.
        try {
            m_model->setStatement(QStringLiteral("SELECT * FROM cinta"));
        } catch (const std::exception &) {
        }
        setLoading(false);
        refreshCount(m_model->rowCount());
        if (m_afterLoad)
            m_afterLoad();
    };
    try {
        loader.load(request, restore);
    } catch (const std::exception &e) {
        restore();
        m_ui.error(QStringLiteral("Error carga ficheros sorteo"), QString::fromUtf8(e.what()));
    }
    restore();
}

void PageCensus::btIncExclElectorClick()
{
    const int row = m_grid->currentIndex().row();
    try {
        ToggleExclusion(*m_model, row, m_ui);
    } catch (const std::exception &e) {
        m_ui.error(QStringLiteral("Error"), QString::fromUtf8(e.what()));
    }
    currentRowChanged();
}

void PageCensus::openSearch(const std::function<void(TVBusperso &)> &run)
{
    TVBusperso search(*m_model, m_ui, window());
    connect(&search, &TVBusperso::searched, this, [this] { refreshCount(m_model->rowCount()); });
    if (run)
        run(search);
    else
        search.exec();
}
