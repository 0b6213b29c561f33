#pragma once
// The engine's persistent configuration list. Only "\SYSTEM\INIT" / "LOCAL SHARE" matters:
// when "TRUE" the store lets other processes share the table files (see Store).

#include <QString>
#include <stdexcept>

class BdeError : public std::runtime_error
{
public:
    explicit BdeError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

// Throws BdeError("BDE Error #%.4x") for a non-zero result.
void CheckBde(quint16 result);
void SetBdeSystemParam(const QString &path, const QString &entry, const QString &value);
QString BdeSystemParam(const QString &path, const QString &entry);
bool BdeLocalShare();
