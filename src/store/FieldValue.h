#pragma once
// Field values as text and back: dates dd/mm/yyyy, whole numbers, texts cut at their width.

#include "store/Schema.h"

#include <QVariant>

// Text of a stored value: dates as dd/mm/yyyy, empty for null.
QString FieldText(const FieldDef &field, const QVariant &stored);
// Value to store for a typed text; sets `error` (Spanish) and returns an invalid QVariant when
// the text is not a real date or not a whole number. An empty text stores null.
QVariant FieldFromText(const FieldDef &field, const QString &text, QString *error);
