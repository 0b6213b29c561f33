#include "ui/AssistantPage.h"

#include "shell/Assistant.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

AssistantPage::AssistantPage(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    setObjectName(Assistant::PageName(index));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 2);
    layout->setSpacing(3);
    if (index >= 1 && index <= Assistant::kLastDrawPage) {
        auto *top = m_top = new QHBoxLayout;
        top->setSpacing(8);
        top->addWidget(new CircleNumber(index, this));
        m_heading = new QLabel(Assistant::PageHeading(index), this);
        m_heading->setObjectName(QStringLiteral("lbTitulo") + QString::number(index));
        m_heading->setStyleSheet(
            QStringLiteral("font-size: 15px; font-weight: bold; color: #800000;"));
        top->addWidget(m_heading, 1);
        layout->addLayout(top);
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        layout->addWidget(line);
    }
    m_body = new QWidget(this);
    layout->addWidget(m_body, 1);
}

void AssistantPage::setHeading(const QString &text)
{
    if (m_heading)
        m_heading->setText(text);
}

void AssistantPage::addHeadingWidget(QWidget *w)
{
    if (m_top)
        m_top->addWidget(w);
}

QString AssistantPage::heading() const
{
    return m_heading ? m_heading->text() : QString();
}

CircleNumber::CircleNumber(int number, QWidget *parent) : QWidget(parent), m_number(number)
{
    setFixedSize(26, 26);
}

void CircleNumber::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 0, 0));
    p.drawEllipse(rect().adjusted(1, 1, -1, -1));
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(QColor(255, 255, 0));
    p.drawText(rect(), Qt::AlignCenter, QString::number(m_number));
}
