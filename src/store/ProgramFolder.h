#pragma once
// The program folder: where it is, whether it holds the tables, and its installation (the
// `init` step: every table file empty, the same files in FICHEROS, WTextos, municipi filled).

#include <QString>

namespace ProgramFolder {

// --data DIR when given, else $SORTEO_MESAS_DATA, else the executable's folder.
QString Resolve(const QString &dataOption);
// True when any table file exists in the folder.
bool HasTableFiles(const QString &folder);
// Creates the folder and its contents. Throws StoreError on failure. Existing table files are
// replaced (the caller refuses without --force).
void Install(const QString &folder);
// Deletes the temporary merge files "TM_*.*" left in the folder.
void DeleteTempMergeFiles(const QString &folder);

} // namespace ProgramFolder
