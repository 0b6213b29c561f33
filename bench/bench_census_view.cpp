// Times the census grid's model on a loaded program folder: bench-census-view DIR [SURNAME]
// Opening the view (all voters in key order), reading the first rows, jumping to the last
// row, and a surname-prefix search.
#include "census/CensusSearch.h"
#include "census/CensusView.h"
#include "store/Store.h"
#include "util/Interaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

class Silent : public Interaction
{
public:
    void warn(const QString &, const QString &) override {}
    void error(const QString &, const QString &) override {}
    void info(const QString &, const QString &) override {}
    bool ask(const QString &, const QString &) override { return false; }
};

double seconds(QElapsedTimer &t)
{
    const double s = t.nsecsElapsed() / 1e9;
    t.restart();
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench-census-view CARPETA [APELLIDO]\n");
        return 2;
    }
    Store store(QString::fromLocal8Bit(argv[1]));
    store.open();
    QElapsedTimer t;
    t.start();
    auto model = MakeCensusModel(store.db());
    const int rows = model->rowCount();
    for (int r = 0; r < 40 && r < rows; ++r)
        model->data(model->index(r, 4));
    std::printf("open the view and show its first rows: %d rows, %.3f s\n", rows, seconds(t));
    model->data(model->index(rows - 1, 4));
    std::printf("jump to the last row: %.3f s\n", seconds(t));

    CensusSearchInput in;
    in.apellido1 = argc > 2 ? QString::fromLocal8Bit(argv[2])
                            : model->fieldValue(rows / 2, QStringLiteral("APELLIDO1"))
                                  .toString()
                                  .left(3);
    in.nameKind = MatchKind::Initials;
    Silent ui;
    t.restart();
    RunCensusSearch(*model, in, ui);
    for (int r = 0; r < 40 && r < model->rowCount(); ++r)
        model->data(model->index(r, 4));
    std::printf("surname prefix search \"%s\": %d rows, %.3f s\n", qPrintable(in.apellido1),
                model->rowCount(), seconds(t));
    in.nameKind = MatchKind::Exact;
    in.apellido1 = model->fieldValue(0, QStringLiteral("APELLIDO1")).toString();
    in.apellido2 = model->fieldValue(0, QStringLiteral("APELLIDO2")).toString();
    RunCensusSearch(*model, in, ui);
    std::printf("exact two-surname search: %d rows, %.3f s\n", model->rowCount(), seconds(t));
    return 0;
}
