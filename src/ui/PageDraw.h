#pragma once
// Page "Pg4": a new draw or the choice of an earlier one. The option group " Elija una opción "
// decides what "Siguiente" requires; the draw subsystem fills the rest of the page.

#include "ui/AssistantPage.h"

class QRadioButton;
class Store;
class Interaction;

class PageDraw : public AssistantPage
{
    Q_OBJECT
public:
    PageDraw(Store &store, Interaction &ui, QWidget *parent = nullptr);
    // True when "Realizar nuevo sorteo" is chosen.
    virtual bool newDrawChosen() const;
    void chooseNewDraw(bool newDraw);
    // The list of the draws already made (ListaSorteos).
    virtual void refreshDrawList();

protected:
    Store &m_store;
    Interaction &m_ui;
    QRadioButton *m_newDraw;
    QRadioButton *m_earlierDraw;
};
