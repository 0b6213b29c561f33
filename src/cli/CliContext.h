#pragma once
// What every command receives: the program folder, its own arguments, the output streams and
// the Interaction that prints messages to standard error and answers questions.

#include "util/Interaction.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

class Store;

class CliInteraction : public Interaction
{
public:
    CliInteraction(QTextStream &err, bool yes) : m_err(err), m_yes(yes) {}
    void warn(const QString &title, const QString &text) override;
    void error(const QString &title, const QString &text) override;
    void info(const QString &title, const QString &text) override;
    bool ask(const QString &title, const QString &text) override;

private:
    void print(const QString &title, const QString &text);
    QTextStream &m_err;
    bool m_yes;
};

// Progress on standard error: phases as lines, counts at most a few times a second.
class CliProgress : public Progress
{
public:
    explicit CliProgress(QTextStream &err) : m_err(err) {}
    void phase(const QString &text) override;
    void count(const QString &text) override;
    void hide() override;

private:
    QTextStream &m_err;
    qint64 m_lastMs = -1;
    bool m_pending = false;
};

struct CliContext
{
    QString folder;
    QStringList args; // the command's own arguments
    bool yes = false;
    QTextStream &out;
    QTextStream &err;
    CliInteraction &ui;

    // Opens the store on the program folder as the program does at start (sharing setting,
    // requirement defaults, left-over merge files removed). Prints the error and returns null
    // when it cannot be opened.
    std::unique_ptr<Store> openStore();
    // Prints a usage error and returns 2.
    int usage(const QString &text);
};

// A CSV cell: quoted when it holds a comma, a quote or a line break.
QString CsvCell(QString value);

using CliCommandFn = int (*)(CliContext &);

struct CliCommand
{
    const char *name;
    const char *synopsis; // one line for --help
    CliCommandFn run;
};
