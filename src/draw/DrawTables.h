#pragma once
// Operations on the draw tables shared by the draw, the draw page and the results page:
// next draw number, members of a draw, emptying `inc`, `result` and `resultbck`, and the
// verdict text of the incidents page. Store errors throw StoreError.

#include <QString>
#include <QStringList>

class Database;

// MAX(numsorteo) of `cinta` plus 1 (1 for an empty or unstamped table).
int SiguienteNumSorteo(Database &db);
// Number of `result` rows of the draw.
qint64 CuentaMiembrosSorteo(Database &db, int numsorteo);
// Empties `inc`.
void BorraInc(Database &db);
// Deletes the `result` rows of the draw; 0 deletes every row.
void BorraResult(Database &db, int numsorteo);
// Empties `resultbck`.
void BorraResultBck(Database &db);

// What the incidents page shows: the verdict label `lbInc1` and the incident texts in the
// table's stored order.
struct IncidentNotice
{
    QString verdict;
    QStringList incidents;
};
IncidentNotice MuestraAvisoInc(Database &db);

// "principal" for draw 1, "reservas" otherwise (capitals when `upper`).
QString DrawKindText(int numsorteo, bool upper = false);
