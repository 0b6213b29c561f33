// Commands of the draw: draw (and its dry run), results of a draw, incidents.
#include "cli/Commands.h"

#include "draw/DrawCheck.h"
#include "draw/DrawTables.h"
#include "draw/MemberDraw.h"
#include "draw/RandomSource.h"
#include "store/FieldValue.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QDir>

namespace {

int printCheck(CliContext &ctx, Store &store)
{
    const DrawCheckReport report = CheckDraw(store.db());
    ctx.out << "Próximo sorteo: " << report.nextDraw << " - " << DrawKindText(report.nextDraw)
            << "\n";
    for (const QString &p : report.problems)
        ctx.out << p << "\n";
    if (!report.rows.empty())
        ctx.out << "DT  SEC   MESA  CARGO         CANDIDATOS  PLAZAS\n";
    for (const DrawCheckRow &r : report.rows) {
        ctx.out << r.station.dt.leftJustified(4) << r.station.sec.leftJustified(6)
                << r.station.mesa.leftJustified(6)
                << (r.role == 'P' ? QStringLiteral("PRESIDENTE/A") : QStringLiteral("VOCAL"))
                       .leftJustified(12)
                << QString::number(r.candidates).rightJustified(12)
                << QString::number(r.places).rightJustified(8) << "\n";
    }
    ctx.out << "Incidencias: " << report.incidents.size() << "\n";
    for (const QString &i : report.incidents)
        ctx.out << i << "\n";
    return report.problems.isEmpty() && report.incidents.isEmpty() ? 0 : 1;
}

} // namespace

int CmdDraw(CliContext &ctx)
{
    bool check = false;
    for (const QString &a : ctx.args) {
        if (a == QLatin1String("--check"))
            check = true;
        else
            return ctx.usage(QStringLiteral("ARGUMENTO DESCONOCIDO PARA draw: ") + a);
    }
    auto store = ctx.openStore();
    if (!store)
        return 1;
    if (check)
        return printCheck(ctx, *store);
    CliProgress progress(ctx.err);
    ClockRandomSource random;
    const DrawRunResult r = RunMemberDraw(*store, ctx.ui, progress, random);
    progress.hide();
    switch (r.outcome) {
    case DrawOutcome::Kept: {
        QStringList made;
        for (int n : r.drawsMade)
            made << QString::number(n);
        ctx.out << "Sorteos realizados: " << made.join(QStringLiteral(", ")) << "\n"
                << "Sorteo actual: " << r.currentDraw << "\n"
                << r.membersLabel << "\n"
                << "Copia: " << QDir::toNativeSeparators(r.backupFolder)
                << (r.backupCopied ? "" : " (FALLIDA)") << "\n";
        return 0;
    }
    case DrawOutcome::Discarded:
        ctx.out << r.incidentNotice << "\n";
        for (const QString &i : r.incidents)
            ctx.out << i << "\n";
        return 1;
    case DrawOutcome::Stopped:
    case DrawOutcome::Failed:
        break;
    }
    return 1;
}

int CmdResults(CliContext &ctx)
{
    bool csv = false;
    int draw = 0;
    for (int i = 0; i < ctx.args.size(); ++i) {
        const QString &a = ctx.args.at(i);
        if (a == QLatin1String("--csv")) {
            csv = true;
        } else if (a == QLatin1String("--draw") && i + 1 < ctx.args.size()) {
            bool ok = false;
            draw = ctx.args.at(++i).toInt(&ok);
            if (!ok || draw < 1)
                return ctx.usage(QStringLiteral("NÚMERO DE SORTEO NO VÁLIDO: ") + ctx.args.at(i));
        } else {
            return ctx.usage(QStringLiteral("ARGUMENTO DESCONOCIDO PARA results: ") + a);
        }
    }
    if (!csv)
        return ctx.usage(QStringLiteral("results NECESITA --csv"));
    auto store = ctx.openStore();
    if (!store)
        return 1;
    Database &db = store->db();
    if (draw == 0)
        draw = int(db.scalar(QStringLiteral("SELECT MAX(numsorteo) FROM result")).toLongLong());
    const TableDef &t = Table(QStringLiteral("result"));
    ctx.out << t.fieldNames().join(QLatin1Char(',')) << "\n";
    Statement st = db.prepare(
        QStringLiteral("SELECT %1 FROM result WHERE numsorteo=?1 "
                       "ORDER BY %2")
            .arg(t.fieldNames().join(QLatin1Char(',')), t.primaryKey.join(QLatin1Char(','))));
    st.bindInt(1, draw);
    while (st.step()) {
        QStringList cells;
        for (int i = 0; i < int(t.fields.size()); ++i)
            cells << CsvCell(FieldText(t.fields[size_t(i)], st.value(i)));
        ctx.out << cells.join(QLatin1Char(',')) << "\n";
    }
    return 0;
}

int CmdIncidents(CliContext &ctx)
{
    if (!ctx.args.isEmpty())
        return ctx.usage(QStringLiteral("incidents NO ADMITE ARGUMENTOS"));
    auto store = ctx.openStore();
    if (!store)
        return 1;
    const IncidentNotice notice = MuestraAvisoInc(store->db());
    ctx.out << notice.verdict << "\n";
    for (const QString &i : notice.incidents)
        ctx.out << i << "\n";
    return 0;
}
