#include "draw/DrawTables.h"

#include "store/Database.h"

int SiguienteNumSorteo(Database &db)
{
    const QVariant max = db.scalar(QStringLiteral("SELECT MAX(numsorteo) FROM cinta"));
    return int(max.isValid() ? max.toLongLong() : 0) + 1;
}

qint64 CuentaMiembrosSorteo(Database &db, int numsorteo)
{
    return db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM result WHERE numsorteo=:numsorteo"),
                {{QStringLiteral("numsorteo"), numsorteo}})
        .toLongLong();
}

void BorraInc(Database &db)
{
    db.exec(QStringLiteral("DELETE FROM inc"));
}

void BorraResult(Database &db, int numsorteo)
{
    QString sql = QStringLiteral("DELETE FROM result");
    if (numsorteo > 0)
        sql += QStringLiteral(" WHERE numsorteo=") + QString::number(numsorteo);
    db.exec(sql);
}

void BorraResultBck(Database &db)
{
    db.exec(QStringLiteral("DELETE FROM resultbck"));
}

IncidentNotice MuestraAvisoInc(Database &db)
{
    IncidentNotice notice;
    Statement st = db.prepare(QStringLiteral("SELECT INC FROM inc ORDER BY rowid"));
    while (st.step())
        notice.incidents << st.text(0);
    notice.verdict = notice.incidents.isEmpty()
                         ? QStringLiteral("No se han producido incidencias durante los Sorteos")
                         : QStringLiteral("EL SORTEO NO TIENE VALIDEZ. Se han producido "
                                          "incidencias.\n¡¡ Corrija las incidencias y repita "
                                          "el Sorteo. !!");
    return notice;
}

QString DrawKindText(int numsorteo, bool upper)
{
    if (numsorteo == 1)
        return upper ? QStringLiteral("PRINCIPAL") : QStringLiteral("principal");
    return upper ? QStringLiteral("RESERVAS") : QStringLiteral("reservas");
}
