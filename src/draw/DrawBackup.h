#pragma once
// The end of a draw run: a copy of the draw tables into a dated backup folder of the program
// folder (the store is closed meanwhile and opened again), then the verdict: when the last
// draw recorded incidents every draw is discarded, otherwise the draws are kept.

#include "draw/DrawRunResult.h"

#include <QDateTime>
#include <QStringList>

class Store;
class Interaction;
class Progress;

// "COPIA_SORTEO_ddmmyyyy_PROCESADO_ddmmyyyy_hhmm" from the draw date text and `now`.
QString BackupFolderName(const QString &drawDateText, const QDateTime &now);
// The file masks copied, in order.
QStringList BackupMasks();

struct BackupCopy
{
    QString path; // full path of the folder
    bool copied = false;
};
// Closes the store, copies the backup set, opens the store again (also after an error) and
// shows the finishing message.
BackupCopy CopyDrawBackup(Store &store, Interaction &ui, Progress &progress,
                          const QString &drawDateText, const QDateTime &now);

// Backup, reopening and verdict; fills `result` (outcome, page, current draw, incidents).
void CompleteDrawRun(Store &store, Interaction &ui, Progress &progress, bool incidentFlag,
                     const QString &drawDateText, const QDateTime &now, DrawRunResult &result);
