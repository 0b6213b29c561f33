#pragma once
// Page "Pg5": results of the current draw. Its heading names the draw ("Resultados del sorteo
// nº 1 - principal") and `lbElegidos` counts its members; the grid and the substitutions are
// filled by the subsystem that owns them.

#include "ui/AssistantPage.h"

class QLabel;
class Store;
class Interaction;

class PageResults : public AssistantPage
{
    Q_OBJECT
public:
    PageResults(Store &store, Interaction &ui, QWidget *parent = nullptr);
    virtual void showSubstitutionButtons(bool visible);
    // Results page set-up for a draw: heading and member count (store errors throw).
    virtual void setUp(int drawNumber);
    // `lbElegidos`: "Miembros: n".
    void setMembersLabel(const QString &text);
    QLabel *lbElegidos() const { return m_members; }

protected:
    Store &m_store;
    Interaction &m_ui;

private:
    QLabel *m_members = nullptr;
};
