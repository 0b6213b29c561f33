#include "ui/PageResults.h"

#include "shell/Assistant.h"

PageResults::PageResults(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(5, parent), m_store(store), m_ui(ui)
{
    setHeading(Assistant::ResultsHeading(0));
}

void PageResults::showSubstitutionButtons(bool) {}

void PageResults::setUp(int drawNumber)
{
    setHeading(Assistant::ResultsHeading(drawNumber));
}
