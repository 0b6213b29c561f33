#pragma once
// The census view: the big-table model over `cinta` with the grid's 34 columns, the computed
// fields (sex, birth province, birth province code) and the birth municipality look-up, the
// count label text, and the exclusion of a voter from the draw.

#include "store/BigTableModel.h"

#include <memory>

class Database;
class Interaction;

// Province name of a two-character code ("41" -> "SEVILLA"); empty for any other code.
QString ProvinceName(const QString &code);

// The census model with its columns and computed fields, showing "SELECT * FROM cinta".
std::unique_ptr<BigTableModel> MakeCensusModel(Database &db, QObject *parent = nullptr);
// "Regs: " and the number of rows of the view.
QString CensusCountText(const BigTableModel &model);

// The exclusion button for the current row: "+" when the voter is excluded ("S"), "-" otherwise.
struct ExclusionButton
{
    QString caption;
    QString hint;
};
ExclusionButton ExclusionButtonFor(const BigTableModel &model, int row);
// Asks and, on Yes, excludes the voter of the row (or admits him again when excluded).
// Returns true when the flag changed.
bool ToggleExclusion(BigTableModel &model, int row, Interaction &ui);
