#pragma once
// Page "Pg6": incidents of the draws. `lbInc1` gives the verdict of `inc`; `MemoInc` lists the
// incidents of the last failed run (it keeps them until another run fails).

#include "ui/AssistantPage.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class Store;
class Interaction;

class PageIncidents : public AssistantPage
{
    Q_OBJECT
public:
    PageIncidents(Store &store, Interaction &ui, QWidget *parent = nullptr);
    // `lbInc1` from the incidents stored now (MuestraAvisoInc; store errors throw).
    virtual void showVerdict();
    // After a failed run: the verdict and one entry per incident text.
    void showIncidents(const QString &verdict, const QStringList &incidents);

    QLabel *lbInc1() const { return m_verdict; }
    QPlainTextEdit *memoInc() const { return m_memo; }

protected:
    Store &m_store;
    Interaction &m_ui;

private:
    QLabel *m_verdict = nullptr;
    QPlainTextEdit *m_memo = nullptr;
};
