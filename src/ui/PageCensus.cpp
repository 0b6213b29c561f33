#include "ui/PageCensus.h"

#include "store/Store.h"

PageCensus::PageCensus(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(2, parent), m_store(store), m_ui(ui)
{
}

void PageCensus::refreshCount(qint64) {}

void PageCensus::resetView()
{
    showGeneralView();
    refreshCount(m_store.count(QStringLiteral("cinta")));
}

void PageCensus::showGeneralView() {}
