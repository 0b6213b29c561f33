// Commands on the program folder itself: init, status, general.
#include "cli/Commands.h"

#include "stations/GeneralData.h"
#include "store/FieldValue.h"
#include "store/ProgramFolder.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QDir>

int CmdInit(CliContext &ctx)
{
    bool force = false;
    for (const QString &a : ctx.args) {
        if (a == QLatin1String("--force"))
            force = true;
        else
            return ctx.usage(QStringLiteral("ARGUMENTO DESCONOCIDO PARA init: ") + a);
    }
    const QString folder = QDir::toNativeSeparators(ctx.folder);
    if (!force && ProgramFolder::HasTableFiles(ctx.folder)) {
        ctx.err
            << "LA CARPETA " << folder
            << " YA TIENE TABLAS DEL PROGRAMA. No se ha cambiado nada.\n"
               "Para sustituirlas por tablas vacías (se pierden sus datos) use: init --force\n";
        return 1;
    }
    ProgramFolder::Install(ctx.folder);
    Store store(ctx.folder);
    store.open();
    ctx.out << "Carpeta del programa preparada: " << folder << "\n"
            << "  " << AllTables().size() << " tablas y sus copias vacías en FICHEROS\n"
            << "  municipi: " << store.count(QStringLiteral("municipi"))
            << " municipios y países\n";
    return 0;
}

int CmdStatus(CliContext &ctx)
{
    if (!ctx.args.isEmpty())
        return ctx.usage(QStringLiteral("status NO ADMITE ARGUMENTOS"));
    auto store = ctx.openStore();
    if (!store)
        return 1;
    ctx.out << "Carpeta del programa: " << QDir::toNativeSeparators(ctx.folder) << "\n";
    for (const TableDef &t : AllTables())
        ctx.out << "  " << t.fileName().leftJustified(14) << store->count(t.name) << " filas\n";
    return 0;
}

int CmdGeneral(CliContext &ctx)
{
    const TableDef &t = Table(QStringLiteral("miembros"));
    QVariantMap values;
    for (const QString &a : ctx.args) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return ctx.usage(QStringLiteral("SE ESPERABA CAMPO=VALOR: ") + a);
        const FieldDef *f = t.field(a.left(eq).trimmed());
        if (!f)
            return ctx.usage(QStringLiteral("CAMPO DESCONOCIDO: ") + a.left(eq));
        QString error;
        QVariant v = FieldFromText(*f, a.mid(eq + 1), &error);
        if (!error.isEmpty())
            return ctx.usage(error);
        values.insert(f->name, v);
    }
    auto store = ctx.openStore();
    if (!store)
        return 1;
    if (!values.isEmpty())
        WriteGeneralData(store->db(), values);
    const QVariantMap record = ReadGeneralData(store->db());
    for (const FieldDef &f : t.fields)
        ctx.out << f.name << "=" << FieldText(f, record.value(f.name)) << "\n";
    return 0;
}
