#pragma once
// Windows-1252 single-byte text: 256-entry tables both ways. Characters with no
// Windows-1252 byte become '?' on output.

#include <QByteArray>
#include <QString>

QString FromCp1252(const char *data, qsizetype size);
inline QString FromCp1252(const QByteArray &bytes) { return FromCp1252(bytes.constData(), bytes.size()); }
QByteArray ToCp1252(const QString &text);
