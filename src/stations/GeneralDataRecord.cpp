#include "stations/GeneralDataRecord.h"

#include "stations/GeneralData.h"
#include "stations/GeneralDataFields.h"
#include "store/Schema.h"

namespace {

bool sameValue(const QVariant &a, const QVariant &b)
{
    const bool an = !a.isValid() || a.isNull();
    const bool bn = !b.isValid() || b.isNull();
    if (an || bn)
        return an == bn;
    return a == b;
}

} // namespace

void GeneralDataRecord::load(Database &db)
{
    m_stored = ReadGeneralData(db);
    m_values = m_stored;
    m_editing = false;
    m_modified = false;
}

void GeneralDataRecord::setValue(const QString &field, const QVariant &value)
{
    m_editing = true;
    QVariant v = value;
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        v = QVariant();
    if (sameValue(m_values.value(field), v))
        return;
    m_values.insert(field, v);
    m_modified = true;
}

void GeneralDataRecord::post(Database &db)
{
    QVariantMap out;
    for (const FieldDef &f : Table(QStringLiteral("miembros")).fields)
        out.insert(f.name, m_values.value(f.name));
    WriteGeneralData(db, out);
    m_stored = m_values;
    m_editing = false;
    m_modified = false;
}

void GeneralDataRecord::cancel()
{
    m_values = m_stored;
    m_editing = false;
    m_modified = false;
}

QString GeneralDataRecord::leaveTimeField(const QString &text)
{
    if (m_editing)
        setValue(QStringLiteral("HORASORTEO"), NormaliseTime(text));
    return m_values.value(QStringLiteral("HORASORTEO")).toString();
}
