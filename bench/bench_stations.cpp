// Times the station rebuild on a loaded program folder: bench-stations DIR
#include "stations/Stations.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench-stations CARPETA\n");
        return 2;
    }
    Store store(QString::fromLocal8Bit(argv[1]));
    store.open();
    const qint64 voters = store.count(QStringLiteral("cinta"));
    QElapsedTimer t;
    t.start();
    const int stations = RebuildStationsFromCensus(store.db());
    const double s = t.nsecsElapsed() / 1e9;
    std::printf("station rebuild: %lld voters, %d stations, %.3f s\n",
                static_cast<long long>(voters), stations, s);
    return 0;
}
