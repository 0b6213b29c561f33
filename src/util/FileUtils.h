#pragma once
// File helpers: checked copies, unique temporary names, waiting while events run.

#include <QString>

// Copies source over target (replacing it); true when a file exists at target afterwards.
bool CopyFileChecked(const QString &sourcePath, const QString &targetPath);
// A new unique name in `folder`: up to three characters of `prefix`, a hexadecimal number and
// `extension` (for example ".MES"); returned without the folder. No file is left behind.
QString MakeTempTableName(const QString &prefix, const QString &extension, const QString &folder);
// Returns after `ms` milliseconds, processing pending events of the running event loop.
void WaitWithMessages(int ms);
