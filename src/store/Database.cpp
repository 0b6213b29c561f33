#include "store/Database.h"

#include <QDate>
#include <sqlite3.h>

namespace {

[[noreturn]] void fail(sqlite3 *db, int rc, const QString &what = {})
{
    QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    if (!what.isEmpty())
        msg += QStringLiteral(" [") + what + QLatin1Char(']');
    throw StoreError(msg, db ? sqlite3_extended_errcode(db) : rc);
}

} // namespace

bool StoreError::isConstraint() const { return (m_code & 0xff) == SQLITE_CONSTRAINT; }

Statement::Statement(sqlite3 *db, const QString &sql) : m_db(db)
{
    QByteArray utf8 = sql.toUtf8();
    int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(db, rc, sql.left(200));
}

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement &&other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        fail(m_db, rc);
}

Statement &Statement::bind(const QString &name, const QVariant &value)
{
    QByteArray key = (name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name).toUtf8();
    int idx = sqlite3_bind_parameter_index(m_stmt, key.constData());
    if (idx > 0)
        bind(idx, value);
    return *this;
}

Statement &Statement::bind(int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return bindInt(index, value.toLongLong());
    case QMetaType::Double:
        return bindInt(index, qRound64(value.toDouble()));
    case QMetaType::QDate: {
        QByteArray iso = value.toDate().toString(Qt::ISODate).toUtf8();
        return bindText(index, iso.constData(), int(iso.size()));
    }
    default: {
        QByteArray utf8 = value.toString().toUtf8();
        return bindText(index, utf8.constData(), int(utf8.size()));
    }
    }
}

Statement &Statement::bindText(int index, const char *utf8, int bytes)
{
    check(sqlite3_bind_text(m_stmt, index, utf8, bytes, SQLITE_TRANSIENT));
    return *this;
}

Statement &Statement::bindInt(int index, qint64 value)
{
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement &Statement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

void Statement::bindAll(const QVariantMap &params)
{
    for (auto it = params.begin(); it != params.end(); ++it)
        bind(it.key(), it.value());
}

bool Statement::step()
{
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    fail(m_db, rc);
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

bool Statement::isNull(int i) const { return sqlite3_column_type(m_stmt, i) == SQLITE_NULL; }

qint64 Statement::integer(int i) const { return sqlite3_column_int64(m_stmt, i); }

QString Statement::text(int i) const
{
    const char *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, i)) : QString();
}

QVariant Statement::value(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(integer(i));
    case SQLITE_FLOAT:
        return QVariant(qRound64(sqlite3_column_double(m_stmt, i)));
    default:
        return QVariant(text(i));
    }
}

Database::~Database() { close(); }

void Database::open(const QString &path)
{
    close();
    QByteArray p = path.toUtf8();
    int rc = sqlite3_open_v2(p.constData(), &m_db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX |
                                 SQLITE_OPEN_URI,
                             nullptr);
    if (rc != SQLITE_OK) {
        QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError(msg + QStringLiteral(" [") + path + QLatin1Char(']'), rc);
    }
    sqlite3_extended_result_codes(m_db, 1);
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Database::exec(const QString &sql)
{
    char *err = nullptr;
    int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(err);
        throw StoreError(msg, sqlite3_extended_errcode(m_db));
    }
}

void Database::exec(const QString &sql, const QVariantMap &params)
{
    Statement st(m_db, sql);
    st.bindAll(params);
    st.run();
}

Statement Database::prepare(const QString &sql) { return Statement(m_db, sql); }

QVariant Database::scalar(const QString &sql, const QVariantMap &params)
{
    Statement st(m_db, sql);
    st.bindAll(params);
    return st.step() ? st.value(0) : QVariant();
}

qint64 Database::lastInsertRowId() const { return sqlite3_last_insert_rowid(m_db); }

int Database::changes() const { return sqlite3_changes(m_db); }

Transaction::Transaction(Database &db) : m_db(db) { m_db.exec(QStringLiteral("BEGIN IMMEDIATE")); }

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}
