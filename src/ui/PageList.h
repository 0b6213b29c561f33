#pragma once
// Page "Pg8": electoral list exhibition (list mode). The subsystem that owns it fills the
// page and the operations the main window calls.

#include "ui/AssistantPage.h"

class Store;
class Interaction;

class PageList : public AssistantPage
{
    Q_OBJECT
public:
    PageList(Store &store, Interaction &ui, QWidget *parent = nullptr);
    virtual void openView();
    virtual void closeView();

protected:
    Store &m_store;
    Interaction &m_ui;
};
