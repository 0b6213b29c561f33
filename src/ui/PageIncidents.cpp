#include "ui/PageIncidents.h"

#include "draw/DrawTables.h"
#include "store/Store.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

PageIncidents::PageIncidents(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(6, parent), m_store(store), m_ui(ui)
{
    m_verdict = new QLabel(body());
    m_verdict->setObjectName(QStringLiteral("lbInc1"));
    m_verdict->setAlignment(Qt::AlignCenter);
    m_verdict->setMinimumHeight(44);
    m_verdict->setStyleSheet(QStringLiteral("QLabel { background: #ffff00; color: #800000;"
                                            " font-size: 13px; font-weight: bold;"
                                            " border: 1px solid #808080; }"));
    m_memo = new QPlainTextEdit(body());
    m_memo->setObjectName(QStringLiteral("MemoInc"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(12);
    m_memo->setFont(fixed);
    QPalette pal = m_memo->palette();
    pal.setColor(QPalette::Text, QColor(255, 0, 0));
    m_memo->setPalette(pal);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_verdict);
    layout->addWidget(m_memo, 1);
}

void PageIncidents::showVerdict()
{
    m_verdict->setText(MuestraAvisoInc(m_store.db()).verdict);
}

void PageIncidents::showIncidents(const QString &verdict, const QStringList &incidents)
{
    m_verdict->setText(verdict);
    m_memo->clear();
    QString text;
    for (const QString &incident : incidents)
        text += incident + QLatin1Char('\n');
    m_memo->setPlainText(text);
}
