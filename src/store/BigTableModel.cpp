#include "store/BigTableModel.h"

#include "store/Database.h"
#include "store/Schema.h"
#include "util/DateUtils.h"

#include <QDate>
#include <QRegularExpression>

namespace {

constexpr int kPageRows = 256;
constexpr int kMaxPages = 64;

} // namespace

QVariant BigTableModel::Row::value(const QString &field) const
{
    if (!m_model)
        return {};
    const auto it = m_model->m_fieldIndex.constFind(field.toUpper());
    if (it == m_model->m_fieldIndex.constEnd() || size_t(*it) >= m_values.size())
        return {};
    return m_values[size_t(*it)];
}

BigTableModel::BigTableModel(Database &db, const QString &table, QObject *parent)
    : QAbstractTableModel(parent), m_db(db), m_table(Table(table).name)
{
    const TableDef &t = Table(table);
    for (const FieldDef &f : t.fields) {
        m_fieldIndex.insert(f.name.toUpper(), int(m_storedFields.size()));
        m_storedFields << f.name;
        if (f.type == FieldType::Date)
            m_dateFields << f.name;
    }
}

BigTableModel::~BigTableModel() = default;

void BigTableModel::setColumns(const QList<Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

int BigTableModel::columnOf(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void BigTableModel::addComputedField(const QString &name, const Compute &compute)
{
    m_fieldIndex.insert(name.toUpper(), int(m_storedFields.size() + m_computed.size()));
    m_computed.append({name, compute});
    clearCache();
}

void BigTableModel::setStatement(const QString &sql, const QVariantMap &params)
{
    m_sql = sql;
    m_params = params;
    reload();
}

void BigTableModel::reload()
{
    std::vector<qint64> ids;
    QString error;
    int code = 0;
    if (!m_sql.isEmpty()) {
        // "select * from t ..." becomes "SELECT rowid FROM t ..."; without an order clause
        // the rows come in key order.
        static const QRegularExpression head(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+"),
                                             QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression order(QStringLiteral("\\border\\s+by\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
        QString sql = m_sql.simplified();
        sql.replace(head, QStringLiteral("SELECT rowid FROM "));
        const TableDef &t = Table(m_table);
        static const QRegularExpression where(QStringLiteral("\\bwhere\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
        try {
            if (order.match(sql).hasMatch() || t.primaryKey.isEmpty()) {
                ids = rowIds(sql);
            } else if (!where.match(sql).hasMatch()) {
                ids = rowIds(sql + QStringLiteral(" ORDER BY ") +
                             t.primaryKey.join(QLatin1Char(',')));
            } else {
                // Key order for the rows found. A few are put in order by reading them; many
                // by walking the key index, which reads far less of a big table.
                ids = rowIds(sql);
                const QString key = t.primaryKey.join(QLatin1Char(','));
                if (ids.size() <= 2000) {
                    QStringList list;
                    for (qint64 id : ids)
                        list << QString::number(id);
                    ids = rowIds(
                        QStringLiteral("SELECT rowid FROM %1 WHERE rowid IN (%2) ORDER BY %3")
                            .arg(t.name, list.join(QLatin1Char(',')), key),
                        false);
                } else {
                    ids =
                        rowIds(QStringLiteral("SELECT rowid FROM %1 INDEXED BY %2_pk WHERE rowid "
                                              "IN (%3) ORDER BY %4")
                                   .arg(t.name, t.name.toLower(), sql, key));
                }
            }
        } catch (const StoreError &e) {
            // The view is left empty and the error goes on to the caller.
            ids.clear();
            error = e.message();
            code = e.code();
        }
    }
    beginResetModel();
    clearCache();
    m_rowIds = std::move(ids);
    endResetModel();
    if (!error.isEmpty())
        throw StoreError(error, code);
}

std::vector<qint64> BigTableModel::rowIds(const QString &sql, bool withParams) const
{
    std::vector<qint64> ids;
    Statement st = m_db.prepare(sql);
    if (withParams)
        st.bindAll(m_params);
    while (st.step())
        ids.push_back(st.integer(0));
    return ids;
}

void BigTableModel::clearCache() const
{
    m_pages.clear();
    m_pageOrder.clear();
}

void BigTableModel::loadPage(int page) const
{
    auto rows = std::make_shared<std::vector<Row>>();
    const size_t first = size_t(page) * kPageRows;
    const size_t last = qMin(m_rowIds.size(), first + kPageRows);
    rows->resize(last - first);
    Statement st = m_db.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid=?").arg(m_table));
    for (size_t i = first; i < last; ++i) {
        Row &r = (*rows)[i - first];
        r.m_model = this;
        st.bindInt(1, m_rowIds[i]);
        if (st.step()) {
            r.m_values.resize(size_t(m_storedFields.size() + m_computed.size()));
            for (int c = 0; c < st.columnCount() && c < m_storedFields.size(); ++c) {
                QVariant v = st.value(c);
                if (v.isValid() && m_dateFields.contains(m_storedFields[c]))
                    v = QDate::fromString(v.toString(), Qt::ISODate);
                r.m_values[size_t(c)] = v;
            }
            for (int k = 0; k < m_computed.size(); ++k)
                r.m_values[size_t(m_storedFields.size() + k)] = m_computed[k].second(r);
        }
        st.reset();
    }
    if (m_pageOrder.size() >= kMaxPages)
        m_pages.remove(m_pageOrder.takeFirst());
    m_pages.insert(page, rows);
    m_pageOrder.append(page);
}

const BigTableModel::Row &BigTableModel::row(int row) const
{
    const int page = row / kPageRows;
    if (!m_pages.contains(page))
        loadPage(page);
    return (*m_pages.value(page))[size_t(row % kPageRows)];
}

QVariant BigTableModel::fieldValue(int r, const QString &field) const
{
    if (r < 0 || size_t(r) >= m_rowIds.size())
        return {};
    return row(r).value(field);
}

qint64 BigTableModel::rowId(int r) const
{
    return (r < 0 || size_t(r) >= m_rowIds.size()) ? -1 : m_rowIds[size_t(r)];
}

void BigTableModel::setFieldValue(int r, const QString &field, const QVariant &value)
{
    const FieldDef *f = Table(m_table).field(field);
    if (!f || r < 0 || size_t(r) >= m_rowIds.size())
        return;
    Statement st =
        m_db.prepare(QStringLiteral("UPDATE %1 SET %2=? WHERE rowid=?").arg(m_table, f->name));
    st.bind(1, value).bindInt(2, m_rowIds[size_t(r)]);
    st.run();
    // Read the row again, computed fields included.
    const int page = r / kPageRows;
    m_pages.remove(page);
    m_pageOrder.removeAll(page);
    Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
}

int BigTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rowIds.size());
}

int BigTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString BigTableModel::displayText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return DateText(value.toDate());
    return value.toString();
}

QVariant BigTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Column &col = m_columns[index.column()];
    if (col.checkBox) {
        if (role == Qt::CheckStateRole)
            return fieldValue(index.row(), col.field).toString() == QLatin1String("S")
                       ? Qt::Checked
                       : Qt::Unchecked;
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return displayText(fieldValue(index.row(), col.field));
    return {};
}

QVariant BigTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < m_columns.size() &&
        role == Qt::DisplayRole) {
        QString t = m_columns[section].title;
        return t.replace(QLatin1Char('~'), QLatin1Char('\n'));
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

Qt::ItemFlags BigTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
