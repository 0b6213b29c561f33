#pragma once
// Page "Pg5": results of the current draw and the substitutions. The subsystem that owns it fills
// the page and the operations the main window calls.

#include "ui/AssistantPage.h"

class Store;
class Interaction;

class PageResults : public AssistantPage
{
    Q_OBJECT
public:
    PageResults(Store &store, Interaction &ui, QWidget *parent = nullptr);
    virtual void showSubstitutionButtons(bool visible);
    virtual void setUp(int drawNumber);

protected:
    Store &m_store;
    Interaction &m_ui;
};
