#pragma once
// Person search in the census: the statement of each tab of the search window, and the run
// that gives the census view that statement.

#include <QDate>
#include <QString>
#include <QVariantMap>

class BigTableModel;
class Interaction;

enum class CensusSearchTab
{
    Names,
    Document,
    BirthDate,
    Nie,
    Nia,
    Exclusions
};
enum class MatchKind
{
    Initials,
    Contains,
    Exact
};

struct CensusSearchInput
{
    CensusSearchTab tab = CensusSearchTab::Names;
    QString nombre, apellido1, apellido2;
    MatchKind nameKind = MatchKind::Initials;
    QString document;
    MatchKind documentKind = MatchKind::Exact;
    QDate from, to;
    QString nie;
    MatchKind nieKind = MatchKind::Exact;
    QString nia;
    MatchKind niaKind = MatchKind::Exact;
};

struct SearchStatement
{
    QString sql;
    QVariantMap params;
};

// The statement of the selected tab; a tab without a condition gives a view with no rows.
SearchStatement CensusSearchStatement(const CensusSearchInput &input);
// Checks the dates, gives the view the statement and warns when nothing was found. Returns
// true when rows were found (the window then closes).
bool RunCensusSearch(BigTableModel &census, const CensusSearchInput &input, Interaction &ui);
