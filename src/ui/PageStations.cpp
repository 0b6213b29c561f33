#include "ui/PageStations.h"

#include "shell/AssistantTexts.h"
#include "stations/StationOps.h"
#include "stations/StationsSylk.h"
#include "store/Store.h"
#include "util/Interaction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kFixedColumns = 3;

void setUpGrid(QTableView *v, StationsModel *model)
{
    v->setModel(model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setAlternatingRowColors(true);
    v->setStyleSheet(QStringLiteral("alternate-background-color: rgb(240, 240, 240);"));
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 4);
    v->verticalHeader()->setFixedWidth(12);
    v->horizontalHeader()->setHighlightSections(false);
    v->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int cw = v->fontMetrics().averageCharWidth();
    for (int c = 0; c < StationsModel::Columns().size(); ++c)
        v->setColumnWidth(c, StationsModel::Columns().at(c).width * cw + 10);
}

} // namespace

PageStations::PageStations(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(3, parent), m_store(store), m_ui(ui),
      m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    auto *note = new QLabel(
        QStringLiteral("En esta tabla han sido cargadas automáticamente todas  las mesas\n"
                       "existentes en el fichero de carga  del sorteo. Compruebe que  sean\n"
                       "todas correctas antes de continuar."),
        body());
    m_count = new QLabel(body());
    m_count->setObjectName(QStringLiteral("lbMesas"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    m_count->setStyleSheet(QStringLiteral("font-weight: bold;"));

    m_grid = new QTableView(body());
    m_grid->setObjectName(QStringLiteral("dgMesas"));
    setUpGrid(m_grid, &m_model);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->horizontalHeader()->setMinimumHeight(2 * m_grid->fontMetrics().height() + 8);

    // The fixed columns: a second view over the same model laid on top of the grid's left
    // part, sharing its selection and vertical scrolling.
    m_fixed = new QTableView(m_grid);
    m_fixed->setObjectName(QStringLiteral("dgMesasFijas"));
    setUpGrid(m_fixed, &m_model);
    m_fixed->setSelectionModel(m_grid->selectionModel());
    m_fixed->setFocusPolicy(Qt::NoFocus);
    m_fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_fixed->horizontalHeader()->setMinimumHeight(m_grid->horizontalHeader()->minimumHeight());
    m_fixed->setStyleSheet(m_fixed->styleSheet() +
                           QStringLiteral("QTableView { border: none; "
                                          "border-right: 1px solid #808080; }"));
    for (int c = kFixedColumns; c < m_model.columnCount(); ++c)
        m_fixed->setColumnHidden(c, true);
    connect(m_fixed->verticalScrollBar(), &QScrollBar::valueChanged, m_grid->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, m_fixed->verticalScrollBar(),
            &QScrollBar::setValue);
    auto placeFixed = [this] {
        int w = m_grid->verticalHeader()->width();
        for (int c = 0; c < kFixedColumns; ++c)
            w += m_grid->columnWidth(c);
        const int h = m_grid->viewport()->height() + m_grid->horizontalHeader()->height();
        m_fixed->setGeometry(m_grid->frameWidth(), m_grid->frameWidth(), w, h);
    };
    connect(m_grid->horizontalHeader(), &QHeaderView::geometriesChanged, this, placeFixed);
    connect(m_grid->verticalScrollBar(), &QScrollBar::rangeChanged, this, placeFixed);
    m_grid->viewport()->stackUnder(m_fixed);
    m_fixed->show();

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_showing && current.isValid())
                    gridRowChosen(current.row());
            });
    connect(&m_model, &StationsModel::currentRowChanged, this, [this] { showCurrent(); });

    // Edit fields of the current row.
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(1);
    const struct
    {
        const char *field, *label, *name, *mask;
        int chars;
    } edits[] = {
        {"DT", "DISTRITO", "cDT", "99", 2},
        {"SEC", "SECCION", "cSEC", "999>x", 4},
        {"MESA", "MESA", "cMesa", ">x", 1},
        {"PRESI", "Nº PRESIDENTES", "cPresi", "", 3},
        {"PRESI_S", "Nº SUPLENTES POR PRESIDENTE", "cPresi_S", "", 3},
        {"VOCAL", "Nº VOCALES", "cVocal", "", 3},
        {"VOCAL_S", "Nº SUPLENTES POR VOCAL", "cVocal_S", "", 3},
    };
    int col = 0;
    for (const auto &d : edits) {
        auto *label = new QLabel(QString::fromUtf8(d.label), body());
        QLineEdit *e = makeEdit(QLatin1String(d.field), QLatin1String(d.mask), d.chars);
        e->setObjectName(QLatin1String(d.name));
        fields->addWidget(label, 0, col);
        fields->addWidget(e, 1, col, Qt::AlignLeft);
        ++col;
    }
    fields->setColumnStretch(col, 1);

    auto button = [this](const QString &text, const QString &name, const QString &hint) {
        auto *b = new QPushButton(text, body());
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        return b;
    };
    QPushButton *add = button(QStringLiteral("Añadir"), QStringLiteral("btAnadir"),
                              QStringLiteral("Añadir mesas"));
    m_save = button(QStringLiteral("Guardar"), QStringLiteral("btGuardar"),
                    QStringLiteral("Guardar modificaciones"));
    m_delete = button(QStringLiteral("Borrar"), QStringLiteral("btBorrar"),
                      QStringLiteral("Borrar mesa"));
    m_export = button(QStringLiteral("Exportar excel"), QStringLiteral("btExportarExcel_mesas"),
                      QString());
    connect(add, &QPushButton::clicked, this, &PageStations::btAnadirClick);
    connect(m_save, &QPushButton::clicked, this, &PageStations::btGuardarClick);
    connect(m_delete, &QPushButton::clicked, this, &PageStations::btBorrarClick);
    connect(m_export, &QPushButton::clicked, this, &PageStations::btExportarExcel_mesasClick);

    auto *top = new QHBoxLayout;
    top->addWidget(note, 1);
    top->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(m_save);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

QLineEdit *PageStations::makeEdit(const QString &field, const QString &mask, int chars)
{
    auto *e = new QLineEdit(body());
    if (!mask.isEmpty()) {
        e->setInputMask(mask + QStringLiteral("; "));
    } else {
        e->setMaxLength(chars);
        e->setValidator(new QIntValidator(0, 999, e));
        e->setAlignment(Qt::AlignRight);
    }
    e->setFixedWidth(e->fontMetrics().averageCharWidth() * (chars + 2) + 14);
    connect(e, &QLineEdit::textEdited, this, [this, e, field, mask] {
        if (m_model.current() < 0)
            return;
        // Codes are stored as shown, the blank of an optional last character included.
        QString text = mask.isEmpty() ? e->text() : e->displayText();
        if (field != QLatin1String("SEC"))
            text = text.trimmed();
        m_model.setField(field, text);
    });
    m_edits.insert(field, e);
    return e;
}

void PageStations::showCurrent()
{
    m_showing = true;
    const int row = m_model.current();
    for (auto it = m_edits.begin(); it != m_edits.end(); ++it) {
        const QVariant v = row >= 0 ? m_model.fieldValue(row, it.key()) : QVariant();
        it.value()->setText(v.isNull() ? QString() : v.toString());
        it.value()->setEnabled(row >= 0);
    }
    if (row >= 0)
        m_grid->selectionModel()->setCurrentIndex(m_model.index(row, kFixedColumns),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    m_showing = false;
}

void PageStations::gridRowChosen(int row)
{
    if (row == m_model.current())
        return;
    // Moving to another row posts the one in edit; when it cannot be stored the grid stays.
    if (m_model.state() != StationsModel::State::Browse &&
        !SaveStation(m_model, m_store.db(), m_ui)) {
        showCurrent();
        return;
    }
    m_model.setCurrent(row);
    refreshCount();
}

void PageStations::reload()
{
    m_model.load(m_store.db());
    refreshCount();
}

void PageStations::refreshCount()
{
    m_count->setText(StationCountText(m_model.rowCount()));
    const bool rows = m_model.rowCount() > 0;
    m_save->setEnabled(rows);
    m_delete->setEnabled(rows);
}

void PageStations::btAnadirClick()
{
    if (m_model.state() != StationsModel::State::Browse &&
        !SaveStation(m_model, m_store.db(), m_ui))
        return;
    AddStation(m_model);
    refreshCount();
    m_edits.value(QStringLiteral("DT"))->setFocus();
}

void PageStations::btGuardarClick()
{
    SaveStation(m_model, m_store.db(), m_ui);
    refreshCount();
}

void PageStations::btBorrarClick()
{
    DeleteStation(m_model, m_store.db(), m_ui);
    refreshCount();
}

void PageStations::btExportarExcel_mesasClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_export->setEnabled(false);
    m_grid->setUpdatesEnabled(false);
    QString failure;
    try {
        const QString path = StationsExportPath(m_store.folder());
        WriteStationsSylk(path, m_model.rows());
        m_openUrl(QUrl::fromLocalFile(path));
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    m_grid->setUpdatesEnabled(true);
    m_export->setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty())
        m_ui.error(AssistantText::AppTitle(), failure);
}
