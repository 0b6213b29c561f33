#include "util/Bde.h"

#include <QList>
#include <QMap>

namespace {

struct Entry
{
    QString name;
    QString value;
};

// Result of opening a configuration path that does not exist.
constexpr quint16 kPathNotFound = 0x2202;

QMap<QString, QList<Entry>> &configuration()
{
    static QMap<QString, QList<Entry>> lists = {
        {QStringLiteral("\\SYSTEM\\INIT"),
         {{QStringLiteral("LOCAL SHARE"), QStringLiteral("FALSE")},
          {QStringLiteral("MAXFILEHANDLES"), QStringLiteral("48")}}},
    };
    return lists;
}

// The entries under `path` (matched ignoring case); throws when there is no such list.
QList<Entry> &openList(const QString &path)
{
    auto &lists = configuration();
    for (auto it = lists.begin(); it != lists.end(); ++it) {
        if (it.key().compare(path, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    CheckBde(kPathNotFound);
    Q_UNREACHABLE();
}

} // namespace

void CheckBde(quint16 result)
{
    if (result != 0)
        throw BdeError(QString::asprintf("BDE Error #%.4x", unsigned(result)));
}

void SetBdeSystemParam(const QString &path, const QString &entry, const QString &value)
{
    for (Entry &e : openList(path)) {
        if (e.name.compare(entry, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    }
}

QString BdeSystemParam(const QString &path, const QString &entry)
{
    for (const Entry &e : openList(path)) {
        if (e.name.compare(entry, Qt::CaseInsensitive) == 0)
            return e.value;
    }
    return QString();
}

bool BdeLocalShare()
{
    return BdeSystemParam(QStringLiteral("\\SYSTEM\\INIT"), QStringLiteral("LOCAL SHARE"))
               .compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
}
