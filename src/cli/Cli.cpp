#include "cli/Cli.h"

#include "cli/Commands.h"
#include "shell/StartUp.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

const CliCommand kCommands[] = {
    {"init", "init [--force]            prepara la carpeta del programa (tablas vacías)", CmdInit},
    {"general", "general [CAMPO=VALOR ...]  muestra o cambia los datos generales", CmdGeneral},
    {"status", "status                    resume lo que contiene la carpeta del programa",
     CmdStatus},
    {"load-census", "load-census CER [--cere CERE]  carga el censo (CER y, si se indica, CERE)",
     CmdLoadCensus},
    {"stations", "stations [--csv]          muestra la tabla de mesas", CmdStations},
    {"draw", "draw [--yes] [--check]    realiza el sorteo (--check: comprueba sin sortear)",
     CmdDraw},
    {"results", "results [--draw N] --csv  miembros de un sorteo", CmdResults},
    {"incidents", "incidents                 incidencias del último sorteo", CmdIncidents},
};

const CliCommand *findCommand(const QString &name)
{
    for (const CliCommand &c : kCommands) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

void printHelp(QTextStream &out)
{
    out << "Uso: sorteo-mesas [--data CARPETA] [--yes] [ORDEN [ARGUMENTOS]]\n\n"
           "Sin orden abre la ventana principal. Órdenes:\n";
    for (const CliCommand &c : kCommands)
        out << "  " << c.synopsis << "\n";
    out << "\nOpciones:\n"
           "  --data CARPETA   carpeta del programa (por omisión la del ejecutable o\n"
           "                   la variable SORTEO_MESAS_DATA)\n"
           "  --yes            responde Sí a todas las preguntas\n"
           "  --help           muestra esta ayuda\n"
           "  --version        muestra la versión\n\n"
           "Códigos de salida: 0 correcto, 1 operación fallida o rechazada, 2 error de uso.\n";
}

struct ParsedArgs
{
    QString data;
    bool yes = false;
    bool help = false;
    bool version = false;
    QString command;
    QStringList rest;
    QString error;
};

ParsedArgs parse(const QStringList &args)
{
    ParsedArgs p;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--data")) {
            if (i + 1 >= args.size()) {
                p.error = QStringLiteral("FALTA LA CARPETA DESPUÉS DE --data");
                return p;
            }
            p.data = args.at(++i);
        } else if (a.startsWith(QLatin1String("--data="))) {
            p.data = a.mid(7);
        } else if (a == QLatin1String("--yes") || a == QLatin1String("-y")) {
            p.yes = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            p.help = true;
        } else if (a == QLatin1String("--version")) {
            p.version = true;
        } else if (p.command.isEmpty() && !a.startsWith(QLatin1Char('-'))) {
            p.command = a;
        } else {
            p.rest << a;
        }
    }
    return p;
}

} // namespace

void CliInteraction::print(const QString &title, const QString &text)
{
    if (!title.isEmpty())
        m_err << title << ": ";
    m_err << text << "\n";
    m_err.flush();
}

void CliInteraction::warn(const QString &title, const QString &text)
{
    print(title, text);
}
void CliInteraction::error(const QString &title, const QString &text)
{
    print(title, text);
}
void CliInteraction::info(const QString &title, const QString &text)
{
    print(title, text);
}

bool CliInteraction::ask(const QString &title, const QString &text)
{
    print(title, text);
    if (m_yes) {
        m_err << "-> Sí (--yes)\n";
        m_err.flush();
        return true;
    }
    if (!isatty(STDIN_FILENO)) {
        m_err << "-> No (sin terminal; use --yes para responder Sí)\n";
        m_err.flush();
        return false;
    }
    m_err << "[s/N] ";
    m_err.flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("s") || answer == QLatin1String("si") ||
           answer == QLatin1String("sí") || answer == QLatin1String("y");
}

void CliProgress::phase(const QString &text)
{
    if (m_pending)
        m_err << "\n";
    m_pending = false;
    m_err << text.trimmed() << "\n";
    m_err.flush();
}

void CliProgress::count(const QString &text)
{
    if (text.trimmed().isEmpty())
        return; // a counter being cleared
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    const qint64 now = clock.elapsed();
    if (m_lastMs >= 0 && now - m_lastMs < 500)
        return;
    m_lastMs = now;
    if (isatty(STDERR_FILENO)) {
        m_err << "\r  " << text;
        m_pending = true;
    } else {
        m_err << "  " << text << "\n";
    }
    m_err.flush();
}

void CliProgress::hide()
{
    if (m_pending)
        m_err << "\n";
    m_pending = false;
    m_err.flush();
}

QString CsvCell(QString v)
{
    if (v.contains(QLatin1Char(',')) || v.contains(QLatin1Char('"')) ||
        v.contains(QLatin1Char('\n')) || v.contains(QLatin1Char('\r')))
        v = QLatin1Char('"') + v.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
            QLatin1Char('"');
    return v;
}

std::unique_ptr<Store> CliContext::openStore()
{
    try {
        return StartUp::OpenProgramStore(folder);
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << "\n";
        err.flush();
        return nullptr;
    }
}

int CliContext::usage(const QString &text)
{
    err << text << "\n"
        << "Use sorteo-mesas --help para ver las órdenes.\n";
    err.flush();
    return 2;
}

bool HasCommand(const QStringList &args)
{
    ParsedArgs p = parse(args);
    return p.help || p.version || !p.command.isEmpty() || !p.error.isEmpty() || !p.rest.isEmpty();
}

int RunCommandLine(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArgs p = parse(args);
    if (!p.error.isEmpty()) {
        err << p.error << "\n";
        return 2;
    }
    if (p.help) {
        printHelp(out);
        return 0;
    }
    if (p.version) {
        out << "sorteo-mesas " << SORTEO_MESAS_VERSION << "\n";
        return 0;
    }
    const CliCommand *cmd = findCommand(p.command);
    if (!cmd) {
        err << (p.command.isEmpty() ? QStringLiteral("FALTA LA ORDEN")
                                    : QStringLiteral("ORDEN DESCONOCIDA: ") + p.command)
            << "\nUse sorteo-mesas --help para ver las órdenes.\n";
        return 2;
    }
    CliInteraction ui(err, p.yes);
    CliContext ctx{ProgramFolder::Resolve(p.data), p.rest, p.yes, out, err, ui};
    try {
        const int rc = cmd->run(ctx);
        out.flush();
        err.flush();
        return rc;
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
}
