#include "census/CensusSearch.h"

#include "store/BigTableModel.h"
#include "util/Interaction.h"
#include "util/Messages.h"
#include "util/TextUtils.h"

namespace {

QString pattern(const QString &text, MatchKind kind)
{
    switch (kind) {
    case MatchKind::Initials:
        return text + QLatin1Char('%');
    case MatchKind::Contains:
        return QLatin1Char('%') + text + QLatin1Char('%');
    case MatchKind::Exact:
        break;
    }
    return text;
}

// The stored value without its blanks equal to the trimmed input, or containing the input as
// typed; nothing for a blank input.
void trimmedFieldCondition(SearchStatement &s, const QString &field, const QString &input,
                           MatchKind kind)
{
    if (IsBlank(input))
        return;
    const bool contains = kind == MatchKind::Contains;
    s.sql = QStringLiteral("Select * from cinta where TRIM(%1) %2 :%1")
                .arg(field, contains ? QStringLiteral("like") : QStringLiteral("="));
    s.params.insert(field, contains ? pattern(input, MatchKind::Contains) : TrimBoth(input));
}

const QString kNoRows = QStringLiteral("Select * from cinta where nia = '--xyz'");

} // namespace

SearchStatement CensusSearchStatement(const CensusSearchInput &in)
{
    SearchStatement s;
    switch (in.tab) {
    case CensusSearchTab::Names: {
        const QList<QPair<QString, QString>> inputs = {{QStringLiteral("apellido1"), in.apellido1},
                                                       {QStringLiteral("apellido2"), in.apellido2},
                                                       {QStringLiteral("nombre"), in.nombre}};
        QStringList conditions;
        for (const auto &[field, value] : inputs) {
            if (IsBlank(value))
                continue;
            conditions << field + QStringLiteral(" like :") + field;
            s.params.insert(field, pattern(TrimBoth(UpperEs(value)), in.nameKind));
        }
        if (!conditions.isEmpty())
            s.sql = QStringLiteral("Select * from cinta where ") +
                    conditions.join(QStringLiteral(" and "));
        break;
    }
    case CensusSearchTab::Document:
        // A blank number finds the voters without a document (stored empty or null).
        if (IsBlank(in.document)) {
            s.sql = QStringLiteral("Select * from cinta where identificador is null or "
                                   "TRIM(identificador) = ''");
        } else if (in.documentKind == MatchKind::Contains) {
            s.sql = QStringLiteral("Select * from cinta where TRIM(UPPER(identificador)) like "
                                   ":identificador");
            s.params.insert(QStringLiteral("identificador"),
                            pattern(TrimBoth(in.document), MatchKind::Contains));
        } else {
            s.sql = QStringLiteral("Select * from cinta where TRIM(UPPER(identificador)) = "
                                   ":identificador");
            s.params.insert(QStringLiteral("identificador"), TrimBoth(UpperEs(in.document)));
        }
        break;
    case CensusSearchTab::BirthDate:
        if (in.from != in.to) {
            s.sql =
                QStringLiteral("Select * from cinta where fenaci>=:fenaci1 and fenaci<=:fenaci2");
            s.params.insert(QStringLiteral("fenaci1"), in.from);
            s.params.insert(QStringLiteral("fenaci2"), in.to);
        } else {
            s.sql = QStringLiteral("Select * from cinta where fenaci=:fenaci1");
            s.params.insert(QStringLiteral("fenaci1"), in.from);
        }
        break;
    case CensusSearchTab::Nie:
        trimmedFieldCondition(s, QStringLiteral("nie"), in.nie, in.nieKind);
        break;
    case CensusSearchTab::Nia:
        trimmedFieldCondition(s, QStringLiteral("nia"), in.nia, in.niaKind);
        break;
    case CensusSearchTab::Exclusions:
        s.sql = QStringLiteral("Select * from cinta where excluirsorteo=:excluirsorteo");
        s.params.insert(QStringLiteral("excluirsorteo"), QStringLiteral("S"));
        break;
    }
    if (s.sql.isEmpty())
        s = {kNoRows, {}};
    return s;
}

bool RunCensusSearch(BigTableModel &census, const CensusSearchInput &input, Interaction &ui)
{
    if (input.tab == CensusSearchTab::BirthDate && input.from > input.to) {
        ValidationMessage(ui, QString(), QStringLiteral("0100"));
        return false;
    }
    const SearchStatement s = CensusSearchStatement(input);
    try {
        census.setStatement(s.sql, s.params);
    } catch (...) {
        if (census.rowCount() == 0)
            ui.warn(QStringLiteral("Atención"),
                    QStringLiteral("No existen personas que cumplan la consulta solicitada"));
        throw;
    }
    if (census.rowCount() == 0) {
        ui.warn(QStringLiteral("Atención"),
                QStringLiteral("No existen personas que cumplan la consulta solicitada"));
        return false;
    }
    return true;
}
