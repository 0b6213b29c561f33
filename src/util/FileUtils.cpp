#include "util/FileUtils.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>

namespace {

// Copies inside the kernel (copy_file_range): about twice as fast as a read and write loop on
// the gigabyte of a big census table. False when it cannot be used here; nothing is left then.
bool kernelCopy(const QString &sourcePath, const QString &targetPath)
{
    QFile in(sourcePath);
    QFile out(targetPath);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    qint64 left = in.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::copy_file_range(in.handle(), nullptr, out.handle(), nullptr,
                                            size_t(qMin<qint64>(left, 1 << 30)), 0);
        if (n <= 0) {
            ok = false;
            break;
        }
        left -= n;
    }
    out.close();
    if (ok)
        out.setPermissions(in.permissions());
    else
        out.remove();
    return ok;
}

} // namespace

bool CopyFileChecked(const QString &sourcePath, const QString &targetPath)
{
    const QFileInfo source(sourcePath);
    const QFileInfo target(targetPath);
    // Copying a file onto itself must not remove it first.
    if (source.exists() && target.exists() &&
        source.canonicalFilePath() == target.canonicalFilePath())
        return source.isFile();
    if (target.exists() && !QFile::remove(targetPath))
        return false;
    if (kernelCopy(sourcePath, targetPath))
        return QFile::exists(targetPath);
    // A failed copy is a failure even when something is left at the target path.
    return QFile::copy(sourcePath, targetPath) && QFile::exists(targetPath);
}

QString MakeTempTableName(const QString &prefix, const QString &extension, const QString &folder)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    QString ext = extension;
    if (!ext.isEmpty() && !ext.startsWith(QLatin1Char('.')))
        ext.prepend(QLatin1Char('.'));
    const QString stem = prefix.left(3);
    QRandomGenerator *random = QRandomGenerator::global();
    for (int attempt = 0; attempt < 0x10000; ++attempt) {
        const QString hex =
            QStringLiteral("%1").arg(random->bounded(0x10000), 4, 16, QLatin1Char('0')).toUpper();
        const QString name = stem + hex + ext;
        // The reserving file and the returned name must both be free.
        if (QFile::exists(dir.filePath(name)))
            continue;
        QFile reserve(dir.filePath(stem + hex + QStringLiteral(".TMP")));
        if (!reserve.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (reserve.exists())
                continue;
            return QString(); // the folder cannot take new files
        }
        reserve.close();
        reserve.remove();
        return name;
    }
    return QString();
}

void WaitWithMessages(int ms)
{
    if (!QCoreApplication::instance()) {
        QThread::msleep(ms > 0 ? ms : 0);
        return;
    }
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    // A nested loop that ends on a timer: pending events run, no busy waiting.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
