#include "ui/PageList.h"

PageList::PageList(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(8, parent), m_store(store), m_ui(ui)
{
}

void PageList::openView() {}

void PageList::closeView() {}
