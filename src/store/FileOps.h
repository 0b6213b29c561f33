#pragma once
// Whole-table file operations: delete and copy by name mask ("CINTA.*", "TM_*.*"; '*' and
// '?' wildcards, case-insensitive as on the original platform), and restore from FICHEROS.

#include <QString>
#include <QStringList>

class Store;

// True when `fileName` matches the mask ("*" any run, "?" one character; "*.*" also matches
// names without a dot).
bool FileNameMatches(const QString &fileName, const QString &mask);
QStringList FilesMatching(const QString &folder, const QString &mask);
// Deletes every plain file of the folder matching the mask; failures are skipped silently.
void DeleteFilesMatching(const QString &folder, const QString &mask);
// Copies matching files over the same names in target; false at the first copy that leaves no
// file at its target. True when all (or none) were copied.
bool CopyFilesMatching(const QString &sourceFolder, const QString &targetFolder,
                       const QString &mask);
// Copies the empty table files of FICHEROS over the table's working files; the table is
// detached meanwhile when the store is open. Returns CopyFilesMatching's result.
bool RestoreTableFiles(Store &store, const QString &table);
