#pragma once
// The command line: `sorteo-mesas [--data DIR] [--yes] COMMAND [ARGS]`. Parses the common
// options and runs the command on the core operations. Exit codes: 0 done, 1 failed or
// refused, 2 usage error.

#include <QStringList>

class QTextStream;

// True when the arguments name a command (or --help / --version): then no window opens.
bool HasCommand(const QStringList &args);
// `args` without the program name.
int RunCommandLine(const QStringList &args, QTextStream &out, QTextStream &err);
