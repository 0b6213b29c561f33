#pragma once
// The single `miembros` record: general data of the election and the draw requirements.

#include <QVariantMap>

class Database;

// Field name -> value (QDate, qint64 or QString; invalid QVariant for null). Empty when the
// table has no row.
QVariantMap ReadGeneralData(Database &db);
// Writes the given fields into the record, creating it when the table is empty.
void WriteGeneralData(Database &db, const QVariantMap &values);
// At every start: a requirement pair that is 0 and 0 becomes 4-4 (presidents) or 3-4
// (vocales), each pair written on its own; an empty table gets its row.
void ApplyRequirementDefaults(Database &db);
