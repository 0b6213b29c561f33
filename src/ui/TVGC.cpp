#include "ui/TVGC.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

TVGC::TVGC(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_main(mainWindow)
{
    setObjectName(QStringLiteral("TVGC"));
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelProcesando"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("#PanelProcesando { background: #ffff80; }"
                                        "QLabel { color: #c00000; font-family: 'Liberation Sans';"
                                        " font-size: 19px; font-weight: bold; }"));
    m_caption = new QLabel(panel);
    m_counter = new QLabel(panel);
    m_counter->setObjectName(QStringLiteral("lbCont"));
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(12, 8, 12, 8);
    row->addWidget(m_caption, 1);
    row->addWidget(m_counter);
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    setFixedSize(520, 56);
}

QString TVGC::caption() const
{
    return m_caption->text();
}
QString TVGC::counter() const
{
    return m_counter->text();
}

void TVGC::centre()
{
    if (!m_main)
        return;
    const QRect r = m_main->frameGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
}

void TVGC::paintNow(bool force)
{
    if (!force && m_lastPaint.isValid() && m_lastPaint.elapsed() < 50)
        return;
    m_lastPaint.restart();
    QCoreApplication::processEvents();
}

void TVGC::phase(const QString &text)
{
    m_caption->setText(text);
    if (!isVisible()) {
        centre();
        show();
        raise();
    }
    repaint();
    paintNow(true);
}

void TVGC::count(const QString &text)
{
    m_counter->setText(text);
    paintNow(false);
}

void TVGC::hide()
{
    QWidget::hide();
}

void TVGC::keepAlive()
{
    // Inside a running statement: paint, but take no user input that could reach the store.
    if (m_lastPaint.isValid() && m_lastPaint.elapsed() < 50)
        return;
    m_lastPaint.restart();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
