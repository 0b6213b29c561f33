#pragma once
// The `miembros` record as the general-data page edits it: a copy of the stored values that
// the controls change, with the edit state of a live view (browse or edit), post and cancel.

#include <QString>
#include <QVariant>
#include <QVariantMap>

class Database;

class GeneralDataRecord
{
public:
    // Reads the stored record (empty values when the table has no row) and leaves edit.
    void load(Database &db);
    QVariant value(const QString &field) const { return m_values.value(field); }
    const QVariantMap &values() const { return m_values; }

    // Puts the record in edit; it counts as modified when the value differs from the old one.
    void setValue(const QString &field, const QVariant &value);
    void edit() { m_editing = true; }
    bool isEditing() const { return m_editing; }
    bool isModified() const { return m_modified; }

    // Writes the record (creating the row when the table is empty) and leaves edit.
    void post(Database &db);
    // Drops the pending changes and leaves edit.
    void cancel();

    // The time field lost the focus showing `text` (its five characters "hh:mm"): while in
    // edit HORASORTEO becomes the normalised time; otherwise nothing changes. Returns the
    // value the field should show.
    QString leaveTimeField(const QString &text);

private:
    QVariantMap m_stored;
    QVariantMap m_values;
    bool m_editing = false;
    bool m_modified = false;
};
