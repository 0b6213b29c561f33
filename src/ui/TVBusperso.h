#pragma once
// The census search window: six tabs (names, document, birth date, N.I.E., N.I.A.,
// exclusions), "&Procesar" gives the census view the statement of the selected tab and closes
// the window when voters were found; "&Cerrar" and Escape close it.

#include "census/CensusSearch.h"

#include <QDialog>

class BigTableModel;
class Interaction;
class QButtonGroup;
class QDateEdit;
class QLineEdit;
class QTabWidget;

class TVBusperso : public QDialog
{
    Q_OBJECT
public:
    TVBusperso(BigTableModel &census, Interaction &ui, QWidget *parent = nullptr);

    // What the inputs say now (for tests and for the search itself).
    CensusSearchInput input() const;
    QTabWidget *tabs() const { return m_tabs; }
    QLineEdit *cNombre() const { return m_nombre; }
    QLineEdit *cApellido1() const { return m_ap1; }
    QLineEdit *cApellido2() const { return m_ap2; }
    QLineEdit *cDocumento() const { return m_doc; }
    QLineEdit *cNie() const { return m_nie; }
    QLineEdit *cNia() const { return m_nia; }
    QDateEdit *cFecha1() const { return m_date1; }
    QDateEdit *cFecha2() const { return m_date2; }
    void setKind(int tab, MatchKind kind);

public Q_SLOTS:
    void btProcesarClick();

Q_SIGNALS:
    // Emitted after every search, whatever it found (the page refreshes its count label).
    void searched();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *namesTab();
    QWidget *oneInputTab(const QString &label, QLineEdit *edit, bool withInitials);
    QWidget *datesTab();
    QWidget *exclusionsTab();
    QButtonGroup *kindGroup(QWidget *parent, bool withInitials, class QBoxLayout *into);
    MatchKind kindOf(int tab) const;

    BigTableModel &m_census;
    Interaction &m_ui;
    QTabWidget *m_tabs;
    QLineEdit *m_nombre, *m_ap1, *m_ap2, *m_doc, *m_nie, *m_nia;
    QDateEdit *m_date1, *m_date2;
    QList<QButtonGroup *> m_kinds; // per tab; null where the tab has no choice
};
