#include "stations/GeneralData.h"

#include "store/Database.h"
#include "store/Schema.h"

#include <QDate>

namespace {

bool hasRow(Database &db)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM miembros")).toLongLong() > 0;
}

} // namespace

QVariantMap ReadGeneralData(Database &db)
{
    QVariantMap out;
    Statement st = db.prepare(QStringLiteral("SELECT * FROM miembros LIMIT 1"));
    if (!st.step())
        return out;
    const TableDef &t = Table(QStringLiteral("miembros"));
    for (int i = 0; i < st.columnCount(); ++i) {
        const FieldDef *f = t.field(st.columnName(i));
        if (!f)
            continue;
        QVariant v = st.value(i);
        if (f->type == FieldType::Date && v.isValid())
            v = QDate::fromString(v.toString(), Qt::ISODate);
        out.insert(f->name, v);
    }
    return out;
}

void WriteGeneralData(Database &db, const QVariantMap &values)
{
    if (values.isEmpty())
        return;
    const TableDef &t = Table(QStringLiteral("miembros"));
    QStringList names;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const FieldDef *f = t.field(it.key());
        if (!f)
            throw StoreError(QStringLiteral("CAMPO DESCONOCIDO: ") + it.key());
        names << f->name;
    }
    QString sql;
    if (hasRow(db)) {
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral("=:") + n;
        sql = QStringLiteral("UPDATE miembros SET ") + sets.join(QLatin1Char(','))
              + QStringLiteral(" WHERE rowid=(SELECT MIN(rowid) FROM miembros)");
    } else {
        sql = QStringLiteral("INSERT INTO miembros (%1) VALUES (:%2)")
                  .arg(names.join(QLatin1Char(',')), names.join(QStringLiteral(",:")));
    }
    Statement st = db.prepare(sql);
    for (auto it = values.begin(); it != values.end(); ++it)
        st.bind(t.field(it.key())->name, it.value());
    st.run();
}

void ApplyRequirementDefaults(Database &db)
{
    if (!hasRow(db)) {
        db.exec(QStringLiteral("INSERT INTO miembros (P_TITULO_1,P_TITULO_2,V_TITULO_1,V_TITULO_2)"
                               " VALUES (4,4,3,4)"));
        return;
    }
    const QString where = QStringLiteral(" WHERE rowid=(SELECT MIN(rowid) FROM miembros)");
    db.exec(QStringLiteral("UPDATE miembros SET P_TITULO_1=4, P_TITULO_2=4") + where
            + QStringLiteral(" AND COALESCE(P_TITULO_1,0)=0 AND COALESCE(P_TITULO_2,0)=0"));
    db.exec(QStringLiteral("UPDATE miembros SET V_TITULO_1=3, V_TITULO_2=4") + where
            + QStringLiteral(" AND COALESCE(V_TITULO_1,0)=0 AND COALESCE(V_TITULO_2,0)=0"));
}
