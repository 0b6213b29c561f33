#pragma once
// The store: one connection on the program folder that attaches every table file
// ("CINTA.DB" as schema t_cinta, ...), so SQL names the tables plainly ("select * from cinta").
// A table is detached before its files are copied and attached again afterwards.

#include "store/Database.h"

#include <QString>
#include <QStringList>

class Store
{
public:
    explicit Store(const QString &folder);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    QString folder() const { return m_folder; }
    QString tablePath(const QString &table) const; // folder + "/CINTA.DB"
    // Table files of the program folder that do not exist.
    static QStringList missingTableFiles(const QString &folder);

    // Opens the catalog file and attaches every table. Throws StoreError with a Spanish
    // message naming the `init` command when the folder has no tables.
    void open();
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    Database &db() { return m_db; }

    void detach(const QString &table);
    void attach(const QString &table);

    // Shorthands over db().
    void exec(const QString &sql, const QVariantMap &params = {}) { m_db.exec(sql, params); }
    QVariant scalar(const QString &sql, const QVariantMap &params = {})
    {
        return m_db.scalar(sql, params);
    }
    qint64 count(const QString &table);

private:
    QString m_folder;
    Database m_db;
};
