#pragma once
// One grid model for the big tables (census, lists, results). A view is a statement
// "select * from <table> [where ...] [order by ...]" with named parameters: the model keeps the
// row ids of its result in the statement's order (key order when it has no order clause) and
// reads the rows themselves by row id in pages, adding computed and lookup fields per row
// when read. It never uses LIMIT/OFFSET. One field of a row can be written at once.

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

class Database;

class BigTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The values of one row: stored fields and the computed ones, by field name.
    class Row
    {
    public:
        QVariant value(const QString &field) const;
        QString text(const QString &field) const { return value(field).toString(); }

    private:
        friend class BigTableModel;
        const BigTableModel *m_model = nullptr;
        std::vector<QVariant> m_values;
    };
    using Compute = std::function<QVariant(const Row &)>;

    struct Column
    {
        QString field;
        QString title;         // "~" separates two title lines
        int width = 10;        // characters
        bool checkBox = false; // "S" ticked, anything else clear
    };

    BigTableModel(Database &db, const QString &table, QObject *parent = nullptr);
    ~BigTableModel() override;

    QString table() const { return m_table; }
    void setColumns(const QList<Column> &columns);
    const QList<Column> &columns() const { return m_columns; }
    int columnOf(const QString &field) const; // -1 when not shown
    // A field computed from the row each time the row is read.
    void addComputedField(const QString &name, const Compute &compute);

    // Replaces the statement and reads the row ids again.
    void setStatement(const QString &sql, const QVariantMap &params = {});
    QString statement() const { return m_sql; }
    // Reads the row ids of the current statement again (rows may have changed).
    void reload();

    // Value of a field (stored or computed) of a row; invalid for a row out of range.
    QVariant fieldValue(int row, const QString &field) const;
    qint64 rowId(int row) const;
    // Writes one stored field of a row at once. Throws StoreError when the store refuses.
    void setFieldValue(int row, const QString &field, const QVariant &value);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Text shown for a value: dates as dd/mm/yyyy.
    static QString displayText(const QVariant &value);

private:
    const Row &row(int row) const;
    void loadPage(int page) const;
    void clearCache() const;
    std::vector<qint64> rowIds(const QString &sql, bool withParams = true) const;

    Database &m_db;
    QString m_table;
    QStringList m_storedFields; // the table's fields, in its order
    QStringList m_dateFields;
    QHash<QString, int> m_fieldIndex; // stored and computed, upper case
    QList<QPair<QString, Compute>> m_computed;
    QList<Column> m_columns;
    QString m_sql;
    QVariantMap m_params;
    std::vector<qint64> m_rowIds;
    mutable QHash<int, std::shared_ptr<std::vector<Row>>> m_pages;
    mutable QList<int> m_pageOrder; // least recently loaded first
};
