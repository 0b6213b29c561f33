#include "ui/BigGrid.h"

#include "store/BigTableModel.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

void setUpView(QTableView *v)
{
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setAlternatingRowColors(true);
    QPalette p = v->palette();
    p.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    v->setPalette(p);
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 4);
    v->verticalHeader()->hide();
    v->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    v->horizontalHeader()->setHighlightSections(false);
    v->setWordWrap(false);
}

} // namespace

BigGrid::BigGrid(int fixedColumns, QWidget *parent)
    : QTableView(parent), m_fixedColumns(fixedColumns), m_fixed(new QTableView(this))
{
    setUpView(this);
    setUpView(m_fixed);
    m_fixed->setFocusPolicy(Qt::NoFocus);
    m_fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    viewport()->stackUnder(m_fixed);
    connect(m_fixed->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_fixed->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section < m_fixedColumns) {
                    m_fixed->setColumnWidth(section, size);
                    placeFixed();
                }
            });
}

void BigGrid::setGridModel(QAbstractItemModel *model, const BigTableModel &columns)
{
    setModel(model);
    m_fixed->setModel(model);
    m_fixed->setSelectionModel(selectionModel());
    const int charWidth = fontMetrics().averageCharWidth();
    const QList<BigTableModel::Column> &cols = columns.columns();
    horizontalHeader()->setMinimumHeight(2 * fontMetrics().height() + 8);
    m_fixed->horizontalHeader()->setMinimumHeight(horizontalHeader()->minimumHeight());
    for (int c = 0; c < cols.size(); ++c) {
        const int w = qMax(cols[c].width * charWidth + 12, 28);
        setColumnWidth(c, w);
        m_fixed->setColumnWidth(c, w);
        m_fixed->setColumnHidden(c, c >= m_fixedColumns);
    }
    placeFixed();
}

void BigGrid::placeFixed()
{
    int w = 0;
    for (int c = 0; c < m_fixedColumns; ++c)
        w += columnWidth(c);
    m_fixed->setGeometry(frameWidth(), frameWidth(), w,
                         viewport()->height() + horizontalHeader()->height());
}

void BigGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFixed();
}

QModelIndex BigGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    int fixedWidth = 0;
    for (int c = 0; c < m_fixedColumns; ++c)
        fixedWidth += columnWidth(c);
    if (action == MoveLeft && current.column() >= m_fixedColumns &&
        visualRect(current).topLeft().x() < fixedWidth) {
        const int x = visualRect(current).topLeft().x() - fixedWidth;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x);
    }
    return current;
}

void BigGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.column() >= m_fixedColumns)
        QTableView::scrollTo(index, hint);
    else if (index.isValid()) {
        // Only scroll up or down: keep the columns the user scrolled to.
        const int column = columnAt(viewport()->width() / 2);
        QTableView::scrollTo(model()->index(index.row(), column >= 0 ? column : index.column()),
                             hint);
    }
}
