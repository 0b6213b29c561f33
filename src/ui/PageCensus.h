#pragma once
// Page "Pg2": the census load strip (CER and CERE files, "Iniciar carga"), and the census view:
// navigator, search, model printing, exclusion button, count label, and the tabs
// " Vista general " (grid), " Datos personales " and " Datos de la mesa ".

#include "ui/AssistantPage.h"

#include <functional>
#include <memory>

class BigGrid;
class BigTableModel;
class Interaction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class RecordNavigator;
class Store;

class PageCensus : public AssistantPage
{
    Q_OBJECT
public:
    PageCensus(Store &store, Interaction &ui, QWidget *parent = nullptr);
    ~PageCensus() override;

    // The main window's part in a load: lock (true) or unlock its buttons, menus and tool
    // bar; and what to do after the stations were rebuilt.
    void setWindowHooks(std::function<void(bool)> lock, std::function<void()> afterLoad);

    // Record-count label, and the search button enabled exactly when there are rows.
    virtual void refreshCount(qint64 rows);
    // Tab " Vista general ", view back to "SELECT * FROM cinta", reopened, count refreshed.
    virtual void resetView();
    // Shows the tab " Vista general ".
    virtual void showGeneralView();

    BigTableModel &census() { return *m_model; }
    BigGrid *grid() const { return m_grid; }
    QTabWidget *tabs() const { return m_tabs; }
    QLineEdit *cFiCer() const { return m_cer; }
    QLineEdit *cFiCere() const { return m_cere; }
    QCheckBox *ckCargarCere() const { return m_ckCere; }
    QPushButton *btIniciarCarga() const { return m_start; }
    QPushButton *btBuscar() const { return m_search; }
    QToolButton *btIncExclElector() const { return m_exclude; }
    QLabel *lbRegsCenso() const { return m_count; }
    // The field shown on a detail tab (for tests): object name "d_" + field.
    QString detailText(const QString &field) const;
    // Opens the search window; `run` lets tests act on it before it is shown (nullptr: modal).
    void openSearch(const std::function<void(class TVBusperso &)> &run = {});

public Q_SLOTS:
    void btIniciarCargaClick();
    void btBuscarClick() { openSearch(); }
    void btIncExclElectorClick();

protected:
    Store &m_store;
    Interaction &m_ui;

private:
    QWidget *buildLoadStrip();
    QWidget *buildToolStrip();
    QWidget *buildPersonalTab();
    QWidget *buildStationTab();
    QLineEdit *detail(const QString &field, int chars);
    void chooseFile(QLineEdit *edit);
    void setLoading(bool loading);
    void currentRowChanged();

    std::unique_ptr<BigTableModel> m_model;
    class CensusMarks *m_marks = nullptr;
    std::function<void(bool)> m_lock;
    std::function<void()> m_afterLoad;
    QCheckBox *m_ckCer = nullptr;
    QCheckBox *m_ckCere = nullptr;
    QLineEdit *m_cer = nullptr;
    QLineEdit *m_cere = nullptr;
    QToolButton *m_browseCer = nullptr;
    QToolButton *m_browseCere = nullptr;
    QPushButton *m_start = nullptr;
    RecordNavigator *m_nav = nullptr;
    QPushButton *m_search = nullptr;
    QPushButton *m_print = nullptr;
    QToolButton *m_exclude = nullptr;
    QLabel *m_count = nullptr;
    QTabWidget *m_tabs = nullptr;
    BigGrid *m_grid = nullptr;
    QList<QLineEdit *> m_details;
};
