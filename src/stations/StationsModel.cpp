#include "stations/StationsModel.h"

#include "stations/Stations.h"
#include "store/Database.h"

namespace {

QVariant *fieldRef(StationRow &r, const QString &field)
{
    if (field == QLatin1String("PRESI"))
        return &r.presi;
    if (field == QLatin1String("PRESI_S"))
        return &r.presiS;
    if (field == QLatin1String("VOCAL"))
        return &r.vocal;
    if (field == QLatin1String("VOCAL_S"))
        return &r.vocalS;
    if (field == QLatin1String("NUMELECTORES"))
        return &r.numElectores;
    return nullptr;
}

QVariant numberOrNull(const QVariant &v)
{
    if (!v.isValid() || v.isNull() || v.toString().trimmed().isEmpty())
        return QVariant();
    return v.toLongLong();
}

} // namespace

StationsModel::StationsModel(QObject *parent) : QAbstractTableModel(parent) {}

const QList<StationColumn> &StationsModel::Columns()
{
    static const QList<StationColumn> columns = {
        {QStringLiteral("DT"), QStringLiteral("DIS~TRITO"), 7},
        {QStringLiteral("SEC"), QStringLiteral("SECC~SUBS"), 8},
        {QStringLiteral("MESA"), QStringLiteral("ME~SA"), 4},
        {QStringLiteral("PRESI"), QStringLiteral("NUMERO~PRESIDENTES"), 16},
        {QStringLiteral("PRESI_S"), QStringLiteral("Nº PRESIDENTES~SUPLENTES"), 16},
        {QStringLiteral("VOCAL"), QStringLiteral("NUMERO~VOCALES"), 16},
        {QStringLiteral("VOCAL_S"), QStringLiteral("Nº  VOCALES~SUPLENTES"), 16},
        {QStringLiteral("NUMELECTORES"), QStringLiteral("NUMERO~ELECTORES"), 15},
    };
    return columns;
}

int StationsModel::ColumnOf(const QString &field)
{
    for (int i = 0; i < Columns().size(); ++i) {
        if (Columns().at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int StationsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StationsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Columns().size());
}

QVariant StationsModel::fieldValue(int row, const QString &field) const
{
    const StationRow &r = m_rows.at(row);
    if (field == QLatin1String("DT"))
        return r.dt;
    if (field == QLatin1String("SEC"))
        return r.sec;
    if (field == QLatin1String("MESA"))
        return r.mesa;
    QVariant *v = fieldRef(const_cast<StationRow &>(r), field);
    return v ? *v : QVariant();
}

QVariant StationsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QString &field = Columns().at(index.column()).field;
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const QVariant v = fieldValue(index.row(), field);
        return v.isNull() ? QVariant(QString()) : QVariant(v.toString());
    }
    if (role == Qt::TextAlignmentRole)
        return int((index.column() >= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

QVariant StationsModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section >= Columns().size())
        return {};
    return QString(Columns().at(section).title).replace(QLatin1Char('~'), QLatin1Char('\n'));
}

void StationsModel::load(Database &db)
{
    beginResetModel();
    m_rows.clear();
    Statement st = db.prepare(QStringLiteral(
        "SELECT rowid,DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,NUMELECTORES FROM mesas "
        "ORDER BY dt,sec,mesa"));
    while (st.step()) {
        StationRow r;
        r.rowid = st.integer(0);
        r.dt = st.text(1);
        r.sec = st.text(2);
        r.mesa = st.text(3);
        r.presi = st.value(4);
        r.presiS = st.value(5);
        r.vocal = st.value(6);
        r.vocalS = st.value(7);
        r.numElectores = st.value(8);
        m_rows.append(r);
    }
    endResetModel();
    m_state = State::Browse;
    m_changed = false;
    m_current = m_rows.isEmpty() ? -1 : 0;
    Q_EMIT stateChanged();
    Q_EMIT currentRowChanged(m_current);
}

void StationsModel::setCurrent(int row)
{
    const int r = m_rows.isEmpty() ? -1 : qBound(0, row, int(m_rows.size()) - 1);
    if (r == m_current)
        return;
    m_current = r;
    Q_EMIT currentRowChanged(m_current);
}

bool StationsModel::isModified() const
{
    return m_state == State::Insert || (m_state == State::Edit && m_changed);
}

void StationsModel::setState(State s)
{
    m_state = s;
    Q_EMIT stateChanged();
}

void StationsModel::append()
{
    StationRow r;
    r.dt = QStringLiteral("01");
    r.sec = QStringLiteral("010");
    r.mesa = QStringLiteral("A");
    r.presi = qint64(kDefaultPresi);
    r.presiS = qint64(kDefaultPresiS);
    r.vocal = qint64(kDefaultVocal);
    r.vocalS = qint64(kDefaultVocalS);
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.append(r);
    endInsertRows();
    m_original = r;
    m_changed = true;
    m_current = at;
    setState(State::Insert);
    Q_EMIT currentRowChanged(m_current);
}

void StationsModel::edit()
{
    if (m_current < 0 || m_state != State::Browse)
        return;
    m_original = m_rows.at(m_current);
    m_changed = false;
    setState(State::Edit);
}

void StationsModel::setField(const QString &field, const QVariant &value)
{
    if (m_current < 0)
        return;
    edit();
    StationRow &r = m_rows[m_current];
    if (field == QLatin1String("DT"))
        r.dt = value.toString();
    else if (field == QLatin1String("SEC"))
        r.sec = value.toString();
    else if (field == QLatin1String("MESA"))
        r.mesa = value.toString();
    else if (QVariant *v = fieldRef(r, field))
        *v = numberOrNull(value);
    else
        return;
    m_changed = true;
    const int col = ColumnOf(field);
    Q_EMIT dataChanged(index(m_current, col), index(m_current, col));
}

void StationsModel::post(Database &db)
{
    if (m_current < 0)
        return;
    if (m_state == State::Browse)
        edit();
    StationRow &r = m_rows[m_current];
    const bool insert = m_state == State::Insert;
    Statement st = db.prepare(
        insert ? QStringLiteral("INSERT INTO mesas (DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,"
                                "NUMELECTORES) VALUES (:dt,:sec,:mesa,:p,:ps,:v,:vs,:n)")
               : QStringLiteral("UPDATE mesas SET DT=:dt,SEC=:sec,MESA=:mesa,PRESI=:p,"
                                "PRESI_S=:ps,VOCAL=:v,VOCAL_S=:vs,NUMELECTORES=:n "
                                "WHERE rowid=:rowid"));
    st.bind(QStringLiteral(":dt"), r.dt).bind(QStringLiteral(":sec"), r.sec);
    st.bind(QStringLiteral(":mesa"), r.mesa).bind(QStringLiteral(":p"), r.presi);
    st.bind(QStringLiteral(":ps"), r.presiS).bind(QStringLiteral(":v"), r.vocal);
    st.bind(QStringLiteral(":vs"), r.vocalS).bind(QStringLiteral(":n"), r.numElectores);
    if (!insert)
        st.bind(QStringLiteral(":rowid"), r.rowid);
    st.run(); // throws: the row stays in edit or insert
    if (insert)
        r.rowid = db.lastInsertRowId();
    m_changed = false;
    setState(State::Browse);
}

void StationsModel::cancel()
{
    if (m_state == State::Insert && m_current >= 0) {
        beginRemoveRows({}, m_current, m_current);
        m_rows.removeAt(m_current);
        endRemoveRows();
        m_current = m_rows.isEmpty() ? -1 : qMin(m_current, int(m_rows.size()) - 1);
        Q_EMIT currentRowChanged(m_current);
    } else if (m_state == State::Edit && m_current >= 0) {
        m_rows[m_current] = m_original;
        Q_EMIT dataChanged(index(m_current, 0), index(m_current, columnCount() - 1));
        Q_EMIT currentRowChanged(m_current);
    }
    m_changed = false;
    setState(State::Browse);
}

void StationsModel::removeCurrent(Database &db)
{
    if (m_current < 0)
        return;
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    db.exec(QStringLiteral("DELETE FROM mesas WHERE rowid=:rowid"),
            {{QStringLiteral("rowid"), m_rows.at(m_current).rowid}});
    beginRemoveRows({}, m_current, m_current);
    m_rows.removeAt(m_current);
    endRemoveRows();
    m_changed = false;
    m_current = m_rows.isEmpty() ? -1 : qMin(m_current, int(m_rows.size()) - 1);
    setState(State::Browse);
    Q_EMIT currentRowChanged(m_current);
}
