#pragma once
// The operations of the stations page with their questions and messages: count label, add,
// save (a repeated station is reported and the row stays in edit), delete, and the
// save-changes question asked before the assistant leaves the page.

#include <QString>

class Database;
class Interaction;
class StationsModel;

// "Mesas: " followed by the number of stations.
QString StationCountText(int count);
// Text of the error shown when a station already exists.
QString StationKeyViolationText(const QString &dt, const QString &sec, const QString &mesa);

void AddStation(StationsModel &model);
// Posts the current row; on failure shows the error and returns false (row left in edit).
bool SaveStation(StationsModel &model, Database &db, Interaction &ui);
// Asks "¿ Seguro que desea BORRAR LA MESA ?" and deletes the current row on Yes. Returns true
// when a row was deleted.
bool DeleteStation(StationsModel &model, Database &db, Interaction &ui);
// Before leaving the page: when the row has unsaved changes ask; Yes saves, No cancels.
// False when the save failed (the move must not happen).
bool SavePendingStation(StationsModel &model, Database &db, Interaction &ui);
