#include "ui/PageDraw.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel *redNotice(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("color: #ff0000; font-size: 13px; font-weight: bold;"));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}

QFrame *panel(const char *name, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

PageDraw::PageDraw(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(4, parent), m_store(store), m_ui(ui)
{
    m_options = new QGroupBox(QStringLiteral(" Elija una opción "), body());
    m_options->setObjectName(QStringLiteral("rbOpcionSorteo"));
    m_newDraw = new QRadioButton(QStringLiteral("Realizar nuevo sorteo"), m_options);
    m_earlierDraw = new QRadioButton(QStringLiteral("Elegir un sorteo ya realizado"), m_options);
    m_optionGroup = new QButtonGroup(this);
    m_optionGroup->addButton(m_newDraw, 0);
    m_optionGroup->addButton(m_earlierDraw, 1);
    m_newDraw->setChecked(true);
    auto *row = new QHBoxLayout(m_options);
    row->setContentsMargins(12, 4, 12, 6);
    row->addWidget(m_newDraw);
    row->addSpacing(30);
    row->addWidget(m_earlierDraw);
    row->addStretch(1);

    // The two panels share one place; the option shows one of them.
    m_panelNew = buildNewDrawPanel();
    m_panelEarlier = buildEarlierDrawPanel();
    auto *panels = new QGridLayout;
    panels->setContentsMargins(0, 0, 0, 0);
    panels->addWidget(m_panelNew, 0, 0);
    panels->addWidget(m_panelEarlier, 0, 0);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_options);
    layout->addLayout(panels, 1);
    rbOpcionSorteoClick();
    connect(m_optionGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            rbOpcionSorteoClick();
    });
}

QWidget *PageDraw::buildNewDrawPanel()
{
    QFrame *p = panel("PanelNuevoSorteo", body());
    auto *notice = redNotice(
        QStringLiteral("Una vez inicie el sorteo, el proceso no puede ser interrumpido hasta que\n"
                       "aparezca en pantalla el aviso de <Proceso finalizado>.\n\n"
                       "La duración dependerá del número de mesas."),
        p);
    notice->setTextFormat(Qt::PlainText);
    m_start = new QPushButton(QStringLiteral("INICIAR SORTEO"), p);
    m_start->setObjectName(QStringLiteral("btIniciarSorteo"));
    m_start->setAutoDefault(false);
    m_start->setCursor(Qt::PointingHandCursor);
    m_start->setMinimumSize(300, 70);
    m_start->setStyleSheet(QStringLiteral(
        "QPushButton { background: #e00000; color: white; font-size: 24px; font-weight: bold;"
        " border: 2px outset #ff6060; border-radius: 6px; padding: 6px 24px; }"
        "QPushButton:pressed { background: #b00000; border-style: inset; }"
        "QPushButton:disabled { background: #c8a0a0; color: #f0f0f0; }"));
    auto *layout = new QVBoxLayout(p);
    layout->setContentsMargins(12, 14, 12, 14);
    layout->addWidget(notice);
    layout->addStretch(1);
    layout->addWidget(m_start, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return p;
}

QWidget *PageDraw::buildEarlierDrawPanel()
{
    QFrame *p = panel("PanelElegirSorteo", body());
    auto *notice = redNotice(
        QStringLiteral(
            "Elija uno de los sorteos ya realizados, siendo a partir de ahora el sorteo\n"
            "activo de trabajo."),
        p);
    auto *list = new QGroupBox(QStringLiteral(" Sorteos realizados "), p);
    list->setObjectName(QStringLiteral("rbSorteosRealizados"));
    auto *layout = new QVBoxLayout(p);
    layout->setContentsMargins(12, 14, 12, 14);
    layout->addWidget(notice);
    layout->addWidget(list, 1);
    return p;
}

bool PageDraw::newDrawChosen() const
{
    return m_newDraw->isChecked();
}

void PageDraw::chooseNewDraw(bool newDraw)
{
    (newDraw ? m_newDraw : m_earlierDraw)->setChecked(true);
}

void PageDraw::rbOpcionSorteoClick()
{
    const int option = m_optionGroup->checkedId();
    m_panelNew->setVisible(option == 0);
    m_panelEarlier->setVisible(option == 1);
    Q_EMIT optionChanged(option);
}

void PageDraw::setRunning(bool running)
{
    m_start->setEnabled(!running);
    m_options->setEnabled(!running);
}

void PageDraw::refreshDrawList() {}
