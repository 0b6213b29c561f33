#pragma once
// Page "Pg4": a new draw or the choice of an earlier one. The option group " Elija una opción "
// shows the new-draw panel with its start button "INICIAR SORTEO" (option 0) or the panel for
// choosing an earlier draw (option 1); the main window runs the draw the button asks for.

#include "ui/AssistantPage.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
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
    // Chooses an option as the user would (the panels follow, optionChanged is emitted).
    void chooseNewDraw(bool newDraw);
    // The list of the draws already made (ListaSorteos).
    virtual void refreshDrawList();
    // While a draw runs the start button and the option group are disabled.
    void setRunning(bool running);

    QGroupBox *rbOpcionSorteo() const { return m_options; }
    QWidget *panelNuevoSorteo() const { return m_panelNew; }
    QWidget *panelElegirSorteo() const { return m_panelEarlier; }
    QPushButton *btIniciarSorteo() const { return m_start; }

Q_SIGNALS:
    // The chosen option changed: 0 new draw, 1 earlier draw.
    void optionChanged(int option);

protected:
    Store &m_store;
    Interaction &m_ui;
    QRadioButton *m_newDraw;
    QRadioButton *m_earlierDraw;

private:
    QWidget *buildNewDrawPanel();
    QWidget *buildEarlierDrawPanel();
    void rbOpcionSorteoClick();

    QGroupBox *m_options = nullptr;
    QButtonGroup *m_optionGroup = nullptr;
    QWidget *m_panelNew = nullptr;
    QWidget *m_panelEarlier = nullptr;
    QPushButton *m_start = nullptr;
};
