#pragma once
// The stations view ("SELECT * FROM mesas ORDER BY dt,sec,mesa") as a live, editable table
// model: rows kept in memory, one current row that can be in edit or insert, posted one at a
// time. Posting throws StoreError (a repeated station is a key violation) and then leaves the
// row in edit.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariant>

class Database;

struct StationRow
{
    qint64 rowid = 0; // 0 while the row has never been stored
    QString dt, sec, mesa;
    QVariant presi, presiS, vocal, vocalS, numElectores; // qint64 or null
};

struct StationColumn
{
    QString field;
    QString title; // two lines separated by "~"
    int width;     // characters
};

class StationsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class State
    {
        Browse,
        Edit,
        Insert
    };

    explicit StationsModel(QObject *parent = nullptr);
    static const QList<StationColumn> &Columns();
    static int ColumnOf(const QString &field); // -1 when not a column

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void load(Database &db);
    const QList<StationRow> &rows() const { return m_rows; }
    const StationRow &row(int i) const { return m_rows.at(i); }
    QVariant fieldValue(int row, const QString &field) const;

    int current() const { return m_current; }
    // Moves the current row (clamped); the caller posts a pending row first.
    void setCurrent(int row);
    State state() const { return m_state; }
    // An inserted row, or a row in edit with a changed field.
    bool isModified() const;

    // Appends DT "01", SEC "010", MESA "A" with the default numbers and leaves it in insert.
    void append();
    // Puts the current row in edit (when browsing) and sets one field of it.
    void setField(const QString &field, const QVariant &value);
    void edit();
    // Stores the current row. Throws StoreError; the row then stays in edit or insert.
    void post(Database &db);
    // Drops the pending changes (an inserted row disappears).
    void cancel();
    // Deletes the current row from the table (an inserted row is only dropped).
    void removeCurrent(Database &db);

Q_SIGNALS:
    void currentRowChanged(int row);
    void stateChanged();

private:
    void setState(State s);
    QList<StationRow> m_rows;
    StationRow m_original;
    int m_current = -1;
    State m_state = State::Browse;
    bool m_changed = false;
};
