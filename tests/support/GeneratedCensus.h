#pragma once
// Writes a CER and a CERE file with the census generator of tools/ (its path comes in the
// compile definition GEN_CENSUS). True when the generator succeeded.

#include <QProcess>
#include <QStringList>

inline bool GenerateCensus(const QString &cer, const QString &cere, int voters, int stations,
                           int seed)
{
    QProcess gen;
    gen.start(QStringLiteral(GEN_CENSUS),
              {"--out-cer", cer, "--out-cere", cere, "--voters", QString::number(voters),
               "--stations", QString::number(stations), "--foreign-share", "0.1", "--seed",
               QString::number(seed)});
    return gen.waitForFinished(30000) && gen.exitStatus() == QProcess::NormalExit &&
           gen.exitCode() == 0;
}
