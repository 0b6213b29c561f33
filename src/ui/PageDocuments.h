#pragma once
// Page "Pg7": documents and printed reports of the current draw. The subsystem that owns it fills
// the page and the operations the main window calls.

#include "ui/AssistantPage.h"

class Store;
class Interaction;

class PageDocuments : public AssistantPage
{
    Q_OBJECT
public:
    PageDocuments(Store &store, Interaction &ui, QWidget *parent = nullptr);
    virtual void setUp(int drawNumber);

protected:
    Store &m_store;
    Interaction &m_ui;
};
