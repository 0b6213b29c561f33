#include "draw/DrawBackup.h"

#include "draw/DrawTables.h"
#include "store/FileOps.h"
#include "store/Store.h"
#include "util/Interaction.h"
#include "util/TextUtils.h"

#include <QDir>

QString BackupFolderName(const QString &drawDateText, const QDateTime &now)
{
    const QChar zero(QLatin1Char('0'));
    auto two = [&](int n) { return QStringLiteral("%1").arg(n, 2, 10, zero); };
    const QDate d = now.date();
    const QTime t = now.time();
    return QStringLiteral("COPIA_SORTEO_") + FitWidth(drawDateText.mid(0, 2), 2, zero, true) +
           FitWidth(drawDateText.mid(3, 2), 2, zero, true) +
           FitWidth(drawDateText.mid(6, 4), 4, zero, true) + QStringLiteral("_PROCESADO_") +
           two(d.day()) + two(d.month()) + QStringLiteral("%1").arg(d.year(), 4, 10, zero) +
           QLatin1Char('_') + two(t.hour()) + two(t.minute());
}

QStringList BackupMasks()
{
    return {QStringLiteral("RESULT.*"), QStringLiteral("RESULTBCK.*"), QStringLiteral("CINTA.*"),
            QStringLiteral("CINTA1.*"), QStringLiteral("MIEMBROS.*"),  QStringLiteral("MESAS.DB"),
            QStringLiteral("MESAS.PX"), QStringLiteral("INC.*")};
}

BackupCopy CopyDrawBackup(Store &store, Interaction &ui, Progress &progress,
                          const QString &drawDateText, const QDateTime &now)
{
    progress.phase(QStringLiteral("  Haciendo copia seguridad sorteos ..."));
    const QString folder = store.folder();
    BackupCopy copy;
    copy.path = folder + QLatin1Char('/') + BackupFolderName(drawDateText, now);
    store.close();
    try {
        // A folder that cannot be made makes the copies fail, which is reported below.
        QDir().mkpath(copy.path);
        copy.copied = true;
        for (const QString &mask : BackupMasks()) {
            if (!CopyFilesMatching(folder, copy.path, mask)) {
                copy.copied = false;
                break;
            }
        }
    } catch (...) {
        store.open();
        throw;
    }
    progress.hide();
    const QString shown = UpperEs(QDir::toNativeSeparators(copy.path));
    if (copy.copied) {
        ui.warn(QStringLiteral("Atención"),
                QStringLiteral("PROCESO FINALIZADO.\nSE HA HECHO UNA COPIA DE LOS RESULTADOS DE "
                               "LOS SORTEOS EN LA CARPETA \n") +
                    shown);
    } else {
        ui.warn(QStringLiteral("Atención"),
                QStringLiteral("PROCESO FINALIZADO.\nSE INTENTO REALIZAR SIN EXITO UNA COPIA DE "
                               "SEGURIDAD CON\nLOS RESULTADOS DE LOS SORTEOS EN LA CARPETA ") +
                    shown + QStringLiteral(". HAGA UNA COPIA ANTES DE CONTINUAR. \n"));
    }
    store.open();
    return copy;
}

void CompleteDrawRun(Store &store, Interaction &ui, Progress &progress, bool incidentFlag,
                     const QString &drawDateText, const QDateTime &now, DrawRunResult &result)
{
    const BackupCopy copy = CopyDrawBackup(store, ui, progress, drawDateText,
                                           now.isValid() ? now : QDateTime::currentDateTime());
    result.backupFolder = copy.path;
    result.backupCopied = copy.copied;
    if (copy.copied)
        result.currentDraw = 1;
    Database &db = store.db();
    result.membersLabel = QStringLiteral("Miembros: ") +
                          QString::number(CuentaMiembrosSorteo(db, result.currentDraw));
    if (!incidentFlag) {
        result.outcome = DrawOutcome::Kept;
        result.page = 5;
        result.incidentNotice = MuestraAvisoInc(db).verdict;
        return;
    }
    {
        Transaction tx(db);
        // Only rows that carry a stamp change; the rest already read 0 and null.
        db.exec(QStringLiteral("UPDATE cinta SET numsorteo=0, fechasorteo=null "
                               "WHERE numsorteo IS NOT 0 OR fechasorteo IS NOT NULL"));
        BorraResult(db, 0);
        BorraResultBck(db);
        tx.commit();
    }
    ui.warn(QStringLiteral("Atención"),
            QStringLiteral("EL SORTEO NO HA PODIDO SER REALIZADO POR NO EXISTIR SUFICIENTES\n"
                           "MIEMBROS QUE CUMPLAN LOS REQUISITOS DE PRESIDENTES O VOCALES\n"
                           "EN UNA O VARIAS DE LAS MESAS.\n\n"
                           "A continuación se muestran las incidencias detectadas..."));
    const IncidentNotice notice = MuestraAvisoInc(db);
    result.outcome = DrawOutcome::Discarded;
    result.page = 6;
    result.incidentNotice = notice.verdict;
    result.incidents = notice.incidents;
}
