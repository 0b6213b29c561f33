// Times a full draw run (main draw and two reserve draws, backup copy included) on a program
// folder filled with synthetic voters: bench-draw DIR [VOTERS] [STATIONS]
// The folder is built on the first run (or when the voter count differs) and reused after.
#include "draw/MemberDraw.h"
#include "draw/RandomSource.h"
#include "stations/GeneralData.h"
#include "store/FileOps.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "util/Interaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>

namespace {

class BenchUi : public Interaction
{
public:
    void warn(const QString &t, const QString &x) override { print(t, x); }
    void error(const QString &t, const QString &x) override { print(t, x); }
    void info(const QString &t, const QString &x) override { print(t, x); }
    bool ask(const QString &, const QString &) override { return true; }

private:
    static void print(const QString &t, const QString &x)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(t), qPrintable(x));
    }
};

// Prints the time at which every phase starts.
class PhaseTimes : public Progress
{
public:
    QElapsedTimer clock;
    void phase(const QString &text) override
    {
        std::printf("  %7.3f s  %s\n", clock.nsecsElapsed() / 1e9, qPrintable(text.trimmed()));
    }
    void count(const QString &) override {}
};

quint64 g_state = 88172645463325252ull;
quint64 next()
{
    g_state ^= g_state << 13;
    g_state ^= g_state >> 7;
    g_state ^= g_state << 17;
    return g_state;
}
int below(int n)
{
    return int(next() % quint64(n));
}

const char *const kNames[] = {"MARIA",  "JOSE",     "ANTONIO", "CARMEN", "FRANCISCO",
                              "ISABEL", "MANUEL",   "ANA",     "DAVID",  "LAURA",
                              "JAVIER", "CRISTINA", "JUAN",    "MARTA",  "ALEJANDRO"};
const char *const kSurnames[] = {
    "GARCIA", "RODRIGUEZ", "GONZALEZ", "FERNANDEZ", "LOPEZ",     "MARTINEZ", "SANCHEZ", "PEREZ",
    "GOMEZ",  "MARTIN",    "JIMENEZ",  "RUIZ",      "HERNANDEZ", "DIAZ",     "MORENO",  "ALVAREZ"};

void build(Store &store, qint64 voters, int stations)
{
    Database &db = store.db();
    sqlite3 *h = db.handle();
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM cinta; DELETE FROM mesas; DELETE FROM result; "
                           "DELETE FROM inc"));
    Statement ins = db.prepare(QStringLiteral(
        "INSERT INTO cinta (DISTRITO,SECCION,MESA,FENACI,GRADOESCOLARIDAD,ORDENCARGA,"
        "ORDENENLISTAS,APELLIDO1,APELLIDO2,NOMBRE,IDENTIFICADOR,DOMICILIOELECTOR1,"
        "CODPOSTALELECTOR,MUNACI,DESCGRADOESCOLARIDAD,ENTIDAD1,LOCALELECTORAL1,DIRMESA1,"
        "CODPOSTALMESA,NIE,NIA,TIPOFICHERO,EXCLUIRSORTEO,SEXO,PROVINCIA,MUNICIPIO,NUMSORTEO) "
        "VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,'28001','280796',?13,"
        "'MADRID','COLEGIO PUBLICO NUESTRA SEÑORA DE LA PALOMA',?14,'28001',?15,?16,?17,?18,"
        "?19,'28','MADRID',0)"));
    Statement mesa = db.prepare(
        QStringLiteral("INSERT INTO mesas (DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S,NUMELECTORES) "
                       "VALUES (?1,?2,?3,1,2,2,2,?4)"));
    auto text = [&](int i, const QByteArray &b) {
        sqlite3_bind_text(ins.handle(), i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    qint64 ord = 0;
    const char *const grados[] = {"1", "2", "3", "3", "4", "4", "4"};
    const char *const desc[] = {"NO SABE LEER NI ESCRIBIR",
                                "TITULACION INFERIOR A GRADUADO ESCOLAR",
                                "GRADUADO ESCOLAR O EQUIVALENTE",
                                "GRADUADO ESCOLAR O EQUIVALENTE",
                                "BACHILLER, FORMACION PROFESIONAL DE 2º GRADO O TITULOS "
                                "EQUIVALENTES O SUPERIORES",
                                "BACHILLER, FORMACION PROFESIONAL DE 2º GRADO O TITULOS "
                                "EQUIVALENTES O SUPERIORES",
                                "BACHILLER, FORMACION PROFESIONAL DE 2º GRADO O TITULOS "
                                "EQUIVALENTES O SUPERIORES"};
    for (int s = 0; s < stations; ++s) {
        const QByteArray dt = QByteArray::number(s / 500 + 1).rightJustified(2, '0');
        const QByteArray sec = QByteArray::number((s % 500) / 2 + 1).rightJustified(3, '0') + ' ';
        const QByteArray letter(1, char('A' + s % 2));
        const qint64 count = voters / stations + (s < voters % stations ? 1 : 0);
        for (qint64 i = 0; i < count; ++i) {
            ++ord;
            const int g = below(7);
            const QDate birth = QDate(1925, 1, 1).addDays(below(30000));
            text(1, dt);
            text(2, sec);
            text(3, letter);
            text(4, birth.toString(Qt::ISODate).toLatin1());
            text(5, grados[g]);
            sqlite3_bind_int64(ins.handle(), 6, ord);
            text(7, QByteArray::number(i + 1).rightJustified(4, '0'));
            text(8, kSurnames[below(16)]);
            text(9, kSurnames[below(16)]);
            text(10, kNames[below(15)]);
            text(11, QByteArray::number(10000000 + below(89999999)) + 'X');
            text(12, "CALLE DE " + QByteArray(kSurnames[below(16)]) + ' ' +
                         QByteArray::number(below(200) + 1) + " PISO " +
                         QByteArray::number(below(9) + 1));
            text(13, desc[g]);
            text(14, "AVENIDA DE LA CONSTITUCION " + QByteArray::number(s % 97 + 1));
            text(15, QByteArray::number(1000000000 + ord));
            text(16, QByteArray::number(500000 + ord));
            text(17, below(20) == 0 ? "CERE" : "CER");
            text(18, below(100) == 0 ? "S" : "N");
            text(19, below(2) ? "V" : "M");
            ins.run();
            ins.reset();
        }
        mesa.bind(1, QString::fromLatin1(dt)).bind(2, QString::fromLatin1(sec));
        mesa.bind(3, QString::fromLatin1(letter)).bindInt(4, count);
        mesa.run();
        mesa.reset();
    }
    tx.commit();
    Q_UNUSED(h);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench-draw CARPETA [ELECTORES] [MESAS]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const qint64 voters = argc > 2 ? QByteArray(argv[2]).toLongLong() : 3000000;
    const int stations = argc > 3 ? QByteArray(argv[3]).toInt() : 5000;
    if (!ProgramFolder::HasTableFiles(folder))
        ProgramFolder::Install(folder);
    Store store(folder);
    store.open();
    QElapsedTimer t;
    if (store.count(QStringLiteral("cinta")) != voters ||
        store.count(QStringLiteral("mesas")) != stations) {
        t.start();
        build(store, voters, stations);
        std::printf("built %lld voters, %d stations in %.1f s\n", static_cast<long long>(voters),
                    stations, t.nsecsElapsed() / 1e9);
    } else {
        Transaction tx(store.db());
        store.exec(QStringLiteral("UPDATE cinta SET numsorteo=0, fechasorteo=null "
                                  "WHERE numsorteo IS NOT 0 OR fechasorteo IS NOT NULL"));
        store.exec(QStringLiteral("DELETE FROM result; DELETE FROM inc"));
        tx.commit();
    }
    for (const QString &d : QDir(folder).entryList({QStringLiteral("COPIA_SORTEO_*")}, QDir::Dirs))
        QDir(folder + QLatin1Char('/') + d).removeRecursively();
    // Start from a quiet disk: no dirty pages or discards of earlier runs in the timing.
    ::sync();
    QThread::sleep(2);
    WriteGeneralData(store.db(), {{QStringLiteral("FECHAELECTORAL"), QDate(2024, 5, 26)},
                                  {QStringLiteral("FECHASORTEO"), QDate(2024, 5, 1)},
                                  {QStringLiteral("HORASORTEO"), QStringLiteral("10:00")},
                                  {QStringLiteral("JUNTADE"), QStringLiteral("MADRID")},
                                  {QStringLiteral("TIPOELECCIONES"), QStringLiteral("EUROPEAS")},
                                  {QStringLiteral("P_TITULO_1"), 4},
                                  {QStringLiteral("P_TITULO_2"), 4},
                                  {QStringLiteral("V_TITULO_1"), 3},
                                  {QStringLiteral("V_TITULO_2"), 4},
                                  {QStringLiteral("EDAD1"), 18},
                                  {QStringLiteral("EDAD2"), 70},
                                  {QStringLiteral("NUMSORTEOSRESERVA"), 2},
                                  {QStringLiteral("SORTEARCERE"), QStringLiteral("N")}});
    std::printf("CINTA.DB: %.0f MB\n", QFileInfo(store.tablePath("cinta")).size() / 1e6);
    BenchUi ui;
    PhaseTimes progress;
    ClockRandomSource random;
    progress.clock.start();
    t.start();
    const DrawRunResult r = RunMemberDraw(store, ui, progress, random);
    const double seconds = t.nsecsElapsed() / 1e9;
    qint64 members = 0;
    for (int n : r.drawsMade)
        members += store.db()
                       .scalar(QStringLiteral("SELECT COUNT(*) FROM result WHERE numsorteo=") +
                               QString::number(n))
                       .toLongLong();
    std::printf("draw run: %d draws, %lld members, outcome %d, %.3f s\n", int(r.drawsMade.size()),
                static_cast<long long>(members), int(r.outcome), seconds);
    return r.outcome == DrawOutcome::Kept ? 0 : 1;
}
