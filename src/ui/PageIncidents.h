#pragma once
// Page "Pg6": incidents of the draws. The subsystem that owns it fills the
// page and the operations the main window calls.

#include "ui/AssistantPage.h"

class Store;
class Interaction;

class PageIncidents : public AssistantPage
{
    Q_OBJECT
public:
    PageIncidents(Store &store, Interaction &ui, QWidget *parent = nullptr);
    virtual void showVerdict();

protected:
    Store &m_store;
    Interaction &m_ui;
};
