#pragma once
// Page "Pg3": the polling-station table. A grid over the stations view with its first three
// columns fixed, the edit fields of the current row, "Añadir", "Guardar", "Borrar", the count
// label and the spreadsheet export "MESAS.XLS".

#include "stations/StationsModel.h"
#include "ui/AssistantPage.h"

#include <QHash>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QUrl;
class Store;
class Interaction;

class PageStations : public AssistantPage
{
    Q_OBJECT
public:
    PageStations(Store &store, Interaction &ui, QWidget *parent = nullptr);

    StationsModel &model() { return m_model; }
    QTableView *grid() const { return m_grid; }
    // Reopens the view on the table.
    void reload();
    // `lbMesas` and the enabled state of "Guardar" and "Borrar".
    void refreshCount();
    // How the exported file is opened (the desktop's "open" by default).
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }

public Q_SLOTS:
    void btAnadirClick();
    void btGuardarClick();
    void btBorrarClick();
    void btExportarExcel_mesasClick();

private:
    QLineEdit *makeEdit(const QString &field, const QString &mask, int chars);
    void showCurrent();
    void gridRowChosen(int row);

    Store &m_store;
    Interaction &m_ui;
    StationsModel m_model;
    QTableView *m_grid;
    QTableView *m_fixed; // the first three columns, kept in place while scrolling
    QLabel *m_count;
    QPushButton *m_save;
    QPushButton *m_delete;
    QPushButton *m_export;
    QHash<QString, QLineEdit *> m_edits;
    std::function<bool(const QUrl &)> m_openUrl;
    bool m_showing = false;
};
