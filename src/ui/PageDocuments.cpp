#include "ui/PageDocuments.h"

#include "shell/Assistant.h"

PageDocuments::PageDocuments(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(7, parent), m_store(store), m_ui(ui)
{
    setHeading(Assistant::DocumentsHeading(0));
}

void PageDocuments::setUp(int drawNumber)
{
    setHeading(Assistant::DocumentsHeading(drawNumber));
}
