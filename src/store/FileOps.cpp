#include "store/FileOps.h"

#include "store/Schema.h"
#include "store/Store.h"
#include "util/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

bool FileNameMatches(const QString &fileName, const QString &mask)
{
    QString m = mask;
    // As on the original platform, "X.*" also matches "X" without an extension.
    const bool starDotStar = m.endsWith(QLatin1String(".*"));
    QString pattern = QRegularExpression::wildcardToRegularExpression(
        m, QRegularExpression::UnanchoredWildcardConversion);
    if (starDotStar) {
        QString base = QRegularExpression::wildcardToRegularExpression(
            m.left(m.size() - 2), QRegularExpression::UnanchoredWildcardConversion);
        pattern = QStringLiteral("(?:%1)|(?:%2)").arg(pattern, base);
    }
    QRegularExpression re(QRegularExpression::anchoredPattern(pattern),
                          QRegularExpression::CaseInsensitiveOption);
    return re.match(fileName).hasMatch();
}

QStringList FilesMatching(const QString &folder, const QString &mask)
{
    QStringList out;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (FileNameMatches(name, mask))
            out << name;
    }
    return out;
}

void DeleteFilesMatching(const QString &folder, const QString &mask)
{
    for (const QString &name : FilesMatching(folder, mask))
        QFile::remove(folder + QLatin1Char('/') + name);
}

bool CopyFilesMatching(const QString &sourceFolder, const QString &targetFolder,
                       const QString &mask)
{
    for (const QString &name : FilesMatching(sourceFolder, mask)) {
        if (!CopyFileChecked(sourceFolder + QLatin1Char('/') + name,
                             targetFolder + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

bool RestoreTableFiles(Store &store, const QString &table)
{
    const TableDef &t = Table(table);
    const bool wasOpen = store.isOpen();
    if (wasOpen)
        store.detach(t.name);
    const QString folder = store.folder();
    bool ok = CopyFilesMatching(folder + QStringLiteral("/FICHEROS"), folder,
                                t.fileStem + QStringLiteral(".*"));
    // A journal left by a crash belongs to the file just replaced: applying it to the
    // restored file would corrupt it.
    if (ok)
        QFile::remove(folder + QLatin1Char('/') + t.fileName() + QStringLiteral("-journal"));
    if (wasOpen)
        store.attach(t.name);
    return ok;
}
