#pragma once
// The program's own regional settings (Spanish formats); dates are never parsed through the
// desktop locale. Tests may change the short date format to check the loaders' refusal.

#include <QChar>
#include <QString>

namespace regional {

QString shortDateFormat();                   // default "dd/MM/yyyy"
void setShortDateFormat(const QString &fmt); // empty restores the default
QChar dateSeparator();                       // first character of the format that is not a letter
QChar decimalSeparator();                    // ','

} // namespace regional
