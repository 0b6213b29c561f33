#include "stations/Stations.h"

#include "store/Database.h"
#include "util/Interaction.h"

int RebuildStationsFromCensus(Database &db, Progress *progress)
{
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM mesas"));
    Statement groups = db.prepare(QStringLiteral(
        "SELECT DISTINCT distrito,seccion,mesa,COUNT(*) AS numelectores FROM cinta "
        "GROUP BY distrito,seccion,mesa ORDER BY distrito,seccion,mesa"));
    Statement ins = db.prepare(QStringLiteral(
        "INSERT INTO mesas (DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,NUMELECTORES) "
        "VALUES (?,?,?,?,?,?,?,?)"));
    int n = 0;
    while (groups.step()) {
        ins.bind(1, groups.value(0)).bind(2, groups.value(1)).bind(3, groups.value(2));
        ins.bindInt(4, kDefaultPresi).bindInt(5, kDefaultPresiS);
        ins.bindInt(6, kDefaultVocal).bindInt(7, kDefaultVocalS);
        ins.bindInt(8, groups.integer(3));
        ins.run();
        ins.reset();
        if (progress && ++n % 500 == 0)
            progress->count(QString::number(n));
    }
    tx.commit();
    return int(db.scalar(QStringLiteral("SELECT COUNT(*) FROM mesas")).toLongLong());
}

qint64 TotalMembersNeeded(Database &db)
{
    return db
        .scalar(QStringLiteral("SELECT COALESCE(SUM(COALESCE(PRESI,0)*COALESCE(PRESI_S,0)"
                               "+COALESCE(PRESI,0)+COALESCE(VOCAL,0)*COALESCE(VOCAL_S,0)"
                               "+COALESCE(VOCAL,0)),0) FROM mesas"))
        .toLongLong();
}
