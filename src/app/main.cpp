// sorteo-mesas: the main window without a command, the command line otherwise.
#include "cli/Cli.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sorteo-mesas"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (HasCommand(args))
        return RunCommandLine(args, out, err);
    // Until the main window exists, show what the program folder holds.
    return RunCommandLine(args << QStringLiteral("status"), out, err);
}
