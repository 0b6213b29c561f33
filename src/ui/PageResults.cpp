#include "ui/PageResults.h"

#include "draw/DrawTables.h"
#include "shell/Assistant.h"
#include "store/Store.h"

#include <QLabel>
#include <QVBoxLayout>

PageResults::PageResults(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(5, parent), m_store(store), m_ui(ui)
{
    m_members = new QLabel(this);
    m_members->setObjectName(QStringLiteral("lbElegidos"));
    m_members->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_members->setMinimumWidth(110);
    m_members->setStyleSheet(QStringLiteral("font-weight: bold;"));
    addHeadingWidget(m_members);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
}

void PageResults::showSubstitutionButtons(bool) {}

void PageResults::setUp(int drawNumber)
{
    setHeading(Assistant::ResultsHeading(drawNumber));
    setMembersLabel(Assistant::MembersLabel(CuentaMiembrosSorteo(m_store.db(), drawNumber)));
}

void PageResults::setMembersLabel(const QString &text)
{
    m_members->setText(text);
}
