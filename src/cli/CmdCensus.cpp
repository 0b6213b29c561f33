// Census commands: load-census, stations.
#include "cli/Commands.h"

#include "census/CensusLoader.h"
#include "store/Store.h"

int CmdLoadCensus(CliContext &ctx)
{
    CensusLoadRequest request;
    for (int i = 0; i < ctx.args.size(); ++i) {
        const QString &a = ctx.args.at(i);
        if (a == QLatin1String("--cere")) {
            if (i + 1 >= ctx.args.size())
                return ctx.usage(QStringLiteral("FALTA EL FICHERO DESPUÉS DE --cere"));
            request.cerePath = ctx.args.at(++i);
            request.loadCere = true;
        } else if (!a.startsWith(QLatin1String("--")) && request.cerPath.isEmpty()) {
            request.cerPath = a;
        } else {
            return ctx.usage(QStringLiteral("ARGUMENTO DESCONOCIDO PARA load-census: ") + a);
        }
    }
    if (request.cerPath.isEmpty())
        return ctx.usage(QStringLiteral("FALTA EL FICHERO C.E.R.: load-census FICHERO_CER "
                                        "[--cere FICHERO_CERE]"));
    auto store = ctx.openStore();
    if (!store)
        return 1;
    CliProgress progress(ctx.err);
    CensusLoader loader(*store, ctx.ui, progress);
    bool started = false;
    const CensusLoadResult r = loader.run(request, &started);
    if (!started)
        return 1;
    ctx.out << "Electores cargados: " << r.rows << "\nMesas: " << r.stations << "\n";
    return r.failed ? 1 : 0;
}

int CmdStations(CliContext &ctx)
{
    bool csv = false;
    for (const QString &a : ctx.args) {
        if (a == QLatin1String("--csv"))
            csv = true;
        else
            return ctx.usage(QStringLiteral("ARGUMENTO DESCONOCIDO PARA stations: ") + a);
    }
    auto store = ctx.openStore();
    if (!store)
        return 1;
    Statement st = store->db().prepare(
        QStringLiteral("SELECT DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,NUMELECTORES FROM mesas "
                       "ORDER BY dt,sec,mesa"));
    if (csv)
        ctx.out << "DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,NUMELECTORES\n";
    else
        ctx.out << "DT  SEC   MESA  PRESI PRESI_S VOCAL VOCAL_S NUMELECTORES\n";
    qint64 n = 0;
    while (st.step()) {
        ++n;
        if (csv) {
            QStringList cells;
            for (int i = 0; i < 8; ++i)
                cells << CsvCell(st.text(i));
            ctx.out << cells.join(QLatin1Char(',')) << "\n";
        } else {
            ctx.out << st.text(0).leftJustified(4) << st.text(1).leftJustified(6)
                    << st.text(2).leftJustified(6) << st.text(3).rightJustified(5)
                    << st.text(4).rightJustified(8) << st.text(5).rightJustified(6)
                    << st.text(6).rightJustified(8) << st.text(7).rightJustified(13) << "\n";
        }
    }
    if (!csv)
        ctx.out << "Mesas: " << n << "\n";
    return 0;
}
