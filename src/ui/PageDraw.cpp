#include "ui/PageDraw.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

PageDraw::PageDraw(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(4, parent), m_store(store), m_ui(ui)
{
    auto *group = new QGroupBox(QStringLiteral(" Elija una opción "), body());
    group->setObjectName(QStringLiteral("rbOpcion"));
    m_newDraw = new QRadioButton(QStringLiteral("Realizar nuevo sorteo"), group);
    m_earlierDraw = new QRadioButton(QStringLiteral("Elegir un sorteo ya realizado"), group);
    m_newDraw->setChecked(true);
    auto *row = new QHBoxLayout(group);
    row->addWidget(m_newDraw);
    row->addWidget(m_earlierDraw);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addStretch(1);
}

bool PageDraw::newDrawChosen() const
{
    return m_newDraw->isChecked();
}

void PageDraw::chooseNewDraw(bool newDraw)
{
    (newDraw ? m_newDraw : m_earlierDraw)->setChecked(true);
}

void PageDraw::refreshDrawList() {}
