#pragma once
// Page "Pg2": census load and census view. The assistant calls the operations below when it
// moves; the census subsystem fills the page and these operations.

#include "ui/AssistantPage.h"

class Store;
class Interaction;

class PageCensus : public AssistantPage
{
    Q_OBJECT
public:
    PageCensus(Store &store, Interaction &ui, QWidget *parent = nullptr);
    // Record-count label, and the search button enabled exactly when there are rows.
    virtual void refreshCount(qint64 rows);
    // Tab " Vista general ", view back to "SELECT * FROM cinta", reopened, count refreshed.
    virtual void resetView();
    // Shows the tab " Vista general ".
    virtual void showGeneralView();

protected:
    Store &m_store;
    Interaction &m_ui;
};
