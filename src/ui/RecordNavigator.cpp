#include "ui/RecordNavigator.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QToolButton>

RecordNavigator::RecordNavigator(QAbstractItemView *view, QWidget *parent)
    : QWidget(parent), m_view(view)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    connect(button(QStringLiteral("|◀"), QStringLiteral("Ir al primer registro"), "btFirst"),
            &QToolButton::clicked, this, &RecordNavigator::first);
    connect(button(QStringLiteral("◀◀"), QStringLiteral("Retroceder 10 registrtos"), "btBack10"),
            &QToolButton::clicked, this, [this] { move(-10); });
    connect(button(QStringLiteral("◀"), QStringLiteral("Registro previo"), "btPrior"),
            &QToolButton::clicked, this, [this] { move(-1); });
    connect(button(QStringLiteral("▶"), QStringLiteral("Registro siguiente"), "btNext"),
            &QToolButton::clicked, this, [this] { move(1); });
    connect(button(QStringLiteral("▶▶"), QStringLiteral("Avanzar 10 registros"), "btFwd10"),
            &QToolButton::clicked, this, [this] { move(10); });
    connect(button(QStringLiteral("▶|"), QStringLiteral("Ir al último registro"), "btLast"),
            &QToolButton::clicked, this, &RecordNavigator::last);
}

QToolButton *RecordNavigator::button(const QString &text, const QString &hint, const char *name)
{
    auto *b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(hint);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setFixedSize(26, 22);
    layout()->addWidget(b);
    return b;
}

void RecordNavigator::go(int row)
{
    QAbstractItemModel *model = m_view->model();
    if (!model || model->rowCount() == 0)
        return;
    row = qBound(0, row, model->rowCount() - 1);
    const int column = qMax(0, m_view->currentIndex().column());
    const QModelIndex index = model->index(row, column);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void RecordNavigator::move(int delta)
{
    go(qMax(0, m_view->currentIndex().row()) + delta);
}

void RecordNavigator::first()
{
    go(0);
}

void RecordNavigator::last()
{
    if (m_view->model())
        go(m_view->model()->rowCount() - 1);
}
