#include "ui/PageIncidents.h"

PageIncidents::PageIncidents(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(6, parent), m_store(store), m_ui(ui)
{
}

void PageIncidents::showVerdict() {}
