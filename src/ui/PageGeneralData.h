#pragma once
// Page "Pg1": the general data of the election and the draw requirements, every control bound
// to the `miembros` record; "Guardar cambios" posts it.

#include "stations/GeneralDataRecord.h"
#include "ui/AssistantPage.h"

#include <QHash>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class Store;
class Interaction;

class PageGeneralData : public AssistantPage
{
    Q_OBJECT
public:
    PageGeneralData(Store &store, Interaction &ui, QWidget *parent = nullptr);

    GeneralDataRecord &record() { return m_record; }
    // Reads the stored record into the controls.
    void load();
    // Shows the record's values in the controls.
    void refresh() { showRecord(); }
    // Stores what the control with the focus holds (the time rule included) and moves on.
    void commitTyping();
    // The control bound to a field (QLineEdit, QDateEdit, QComboBox, QCheckBox or the group).
    QWidget *control(const QString &field) const { return m_controls.value(field); }

public Q_SLOTS:
    void btGuardarCambiosClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeControl(const QString &field);
    QLineEdit *makeText(const QString &field, int width);
    QDateEdit *makeDate(const QString &field);
    QComboBox *makeEducation(const QString &field);
    void showRecord();
    void timeFieldLeft();

    Store &m_store;
    Interaction &m_ui;
    GeneralDataRecord m_record;
    QHash<QString, QWidget *> m_controls;
    QLineEdit *m_time = nullptr;
    QButtonGroup *m_reserve = nullptr;
    QCheckBox *m_cere = nullptr;
    bool m_showing = false;
};
