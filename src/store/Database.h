#pragma once
// Thin RAII wrapper over the SQLite C API: a connection, prepared statements with named
// parameters (":name"), and transactions. Errors throw StoreError with SQLite's message.

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

class StoreError : public std::runtime_error
{
public:
    StoreError(const QString &message, int code = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_code(code)
    {
    }
    QString message() const { return m_message; }
    int code() const { return m_code; } // SQLite result code, 0 when not from SQLite
    bool isConstraint() const;

private:
    QString m_message;
    int m_code;
};

class Statement
{
public:
    Statement() = default;
    Statement(sqlite3 *db, const QString &sql);
    ~Statement();
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Binds by name (":name" or "name"); a QVariant that is null binds NULL, a QDate binds
    // its ISO text. Unknown names are ignored.
    Statement &bind(const QString &name, const QVariant &value);
    Statement &bind(int index, const QVariant &value); // 1-based
    Statement &bindText(int index, const char *utf8, int bytes); // copied by SQLite
    Statement &bindInt(int index, qint64 value);
    Statement &bindNull(int index);
    void bindAll(const QVariantMap &params);
    // Runs one step: true when a row is available.
    bool step();
    // Steps to the end (for statements without rows).
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int i) const;
    bool isNull(int i) const;
    qint64 integer(int i) const;
    QString text(int i) const;
    QVariant value(int i) const; // integer, text or null
    sqlite3_stmt *handle() const { return m_stmt; }

private:
    void check(int rc) const;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

class Database
{
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void open(const QString &path); // creates the file when missing
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }

    void exec(const QString &sql); // one or more statements without parameters
    void exec(const QString &sql, const QVariantMap &params);
    Statement prepare(const QString &sql);
    QVariant scalar(const QString &sql, const QVariantMap &params = {});
    qint64 lastInsertRowId() const;
    int changes() const;

private:
    sqlite3 *m_db = nullptr;
};

// BEGIN IMMEDIATE on construction; rolls back on destruction unless commit() was called.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    void commit();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &m_db;
    bool m_done = false;
};
