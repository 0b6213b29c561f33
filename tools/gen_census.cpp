// gen-census: writes synthetic census files (Spanish residents and, optionally, foreign
// residents) for tests and benchmarks. Voters are written grouped by station, in the order of
// district, section and station letter, as the office receives them.

#include "gen_census_lines.h"
#include "gen_census_words.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#ifndef SM_DATA_DIR
#define SM_DATA_DIR "data"
#endif

namespace {

using namespace gencensus;

struct Options
{
    QString outCer, outCere;
    std::int64_t voters = 0;
    int stations = 0;
    std::uint64_t seed = 1;
    double foreignShare = 0;
    bool foreignMixed = false;
    std::string lineEnd = "\r\n";
    std::string province = "28";
    std::string municipality = "MADRID";
    std::vector<Edge> edges;
    int edgeEvery = 97;
};

[[noreturn]] void Fail(const QString &message)
{
    std::fprintf(stderr, "gen-census: %s\n", message.toLocal8Bit().constData());
    std::exit(1);
}

// Buffered binary output; any write failure ends the program with a message.
class Output
{
public:
    explicit Output(const QString &path) : m_path(path), m_buffer(std::size_t(8) << 20)
    {
        m_file = std::fopen(QFile::encodeName(path).constData(), "wb");
        if (!m_file)
            Fail(QStringLiteral("no se puede crear %1").arg(path));
    }
    ~Output() { Close(); }
    void Write(const char *data, std::size_t size)
    {
        if (m_used + size > m_buffer.size())
            Flush();
        std::memcpy(m_buffer.data() + m_used, data, size);
        m_used += size;
    }
    void Close()
    {
        if (!m_file)
            return;
        Flush();
        if (std::fclose(m_file) != 0)
            Fail(QStringLiteral("error al cerrar %1").arg(m_path));
        m_file = nullptr;
    }
    std::int64_t lines = 0;

private:
    void Flush()
    {
        if (m_used && std::fwrite(m_buffer.data(), 1, m_used, m_file) != m_used)
            Fail(QStringLiteral("error al escribir %1").arg(m_path));
        m_used = 0;
    }
    QString m_path;
    std::FILE *m_file = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

QByteArray ReadData(const QString &name)
{
    for (const QString &path :
         {QStringLiteral(":/data/") + name, QStringLiteral(SM_DATA_DIR "/") + name}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    Fail(QStringLiteral("no se encuentra %1").arg(name));
}

// The fields of one CSV line; quoted fields may hold commas and doubled quotes.
QStringList CsvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"')
                field += line[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

Reference LoadReference(const std::string &province)
{
    Reference ref;
    const QStringList municipalities =
        QString::fromUtf8(ReadData("municipios_ine.csv")).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < municipalities.size(); ++i) {
        const QString code = CsvFields(municipalities[i].trimmed()).value(0);
        if (code.size() < 5)
            continue;
        std::string five = code.left(5).toStdString();
        if (five.compare(0, 2, province) == 0)
            ref.localBirthCodes.push_back(five);
        ref.birthCodes.push_back(std::move(five));
    }
    const QStringList countries =
        QString::fromUtf8(ReadData("paises_ine.csv")).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < countries.size(); ++i) {
        const QString name = CsvFields(countries[i].trimmed()).value(1).trimmed();
        if (!name.isEmpty())
            ref.nationalities.push_back(Encode(name.toStdString()));
    }
    for (std::string_view common : CommonNationalities()) {
        std::string encoded = Encode(common);
        if (std::find(ref.nationalities.begin(), ref.nationalities.end(), encoded) !=
            ref.nationalities.end())
            ref.commonNationalities.push_back(std::move(encoded));
    }
    if (ref.birthCodes.empty() || ref.nationalities.empty())
        Fail(QStringLiteral("listas de municipios o países vacías"));
    return ref;
}

std::optional<Edge> EdgeNamed(const QString &name)
{
    static const std::pair<const char *, Edge> kNames[] = {
        {"blank-birth", Edge::BlankBirth},
        {"short-birth", Edge::ShortBirth},
        {"zero-birth", Edge::ZeroBirth},
        {"impossible-date", Edge::ImpossibleDate},
        {"day00", Edge::Day00},
        {"len843", Edge::Len843},
        {"len869", Edge::Len869},
        {"accents", Edge::Accents},
    };
    for (const auto &[text, edge] : kNames)
        if (name == QLatin1String(text))
            return edge;
    return std::nullopt;
}

Options ParseOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Genera ficheros de censo sintéticos (CER de 841 bytes y CERE de 867 bytes por línea, "
        "Windows-1252) con los electores agrupados por mesa."));
    parser.addHelpOption();
    const QCommandLineOption outCer("out-cer", "Fichero CER de salida.", "fichero");
    const QCommandLineOption outCere("out-cere", "Fichero CERE de salida.", "fichero");
    const QCommandLineOption voters("voters", "Número total de electores.", "N");
    const QCommandLineOption stations("stations", "Número de mesas.", "M");
    const QCommandLineOption seed("seed", "Semilla (por defecto 1).", "S", "1");
    const QCommandLineOption share("foreign-share", "Proporción de extranjeros (0 a 1).", "F",
                                   "0");
    const QCommandLineOption mixed("foreign-mixed",
                                   "Escribe los extranjeros en el propio fichero CER.");
    const QCommandLineOption lineEnd("line-end", "Fin de línea: crlf, lf o cr.", "fin", "crlf");
    const QCommandLineOption province("province", "Código de provincia (2 dígitos).", "PP", "28");
    const QCommandLineOption municipality("municipality", "Nombre del municipio.", "nombre",
                                          "MADRID");
    const QCommandLineOption edge(
        "edge",
        "Casos especiales, separados por comas: blank-birth, short-birth, zero-birth, "
        "impossible-date, day00, len843, len869, accents.",
        "lista");
    const QCommandLineOption edgeEvery("edge-every", "Una línea especial cada K (97).", "K", "97");
    parser.addOptions({outCer, outCere, voters, stations, seed, share, mixed, lineEnd, province,
                       municipality, edge, edgeEvery});
    parser.process(app);

    Options o;
    bool ok = true;
    o.outCer = parser.value(outCer);
    o.outCere = parser.value(outCere);
    if (o.outCer.isEmpty())
        Fail(QStringLiteral("falta --out-cer"));
    o.voters = parser.value(voters).toLongLong(&ok);
    if (!ok || o.voters < 0)
        Fail(QStringLiteral("--voters debe ser un número no negativo"));
    o.stations = parser.value(stations).toInt(&ok);
    if (!ok || o.stations < 1)
        Fail(QStringLiteral("--stations debe ser al menos 1"));
    o.seed = parser.value(seed).toULongLong(&ok);
    if (!ok)
        Fail(QStringLiteral("--seed no válida"));
    o.foreignShare = parser.value(share).toDouble(&ok);
    if (!ok || o.foreignShare < 0 || o.foreignShare > 1)
        Fail(QStringLiteral("--foreign-share debe estar entre 0 y 1"));
    o.foreignMixed = parser.isSet(mixed);
    if (o.foreignShare > 0 && !o.foreignMixed && o.outCere.isEmpty())
        Fail(QStringLiteral("con --foreign-share hace falta --out-cere o --foreign-mixed"));
    const QString end = parser.value(lineEnd).toLower();
    if (end == u"crlf")
        o.lineEnd = "\r\n";
    else if (end == u"lf")
        o.lineEnd = "\n";
    else if (end == u"cr")
        o.lineEnd = "\r";
    else
        Fail(QStringLiteral("--line-end debe ser crlf, lf o cr"));
    const QString pp = parser.value(province);
    if (pp.size() != 2 || !pp[0].isDigit() || !pp[1].isDigit())
        Fail(QStringLiteral("--province debe tener dos dígitos"));
    o.province = pp.toStdString();
    o.municipality = Encode(parser.value(municipality).toStdString());
    for (const QString &name : parser.value(edge).split(u',', Qt::SkipEmptyParts)) {
        const auto kind = EdgeNamed(name.trimmed());
        if (!kind)
            Fail(QStringLiteral("caso especial desconocido: %1").arg(name));
        o.edges.push_back(*kind);
    }
    o.edgeEvery = parser.value(edgeEvery).toInt(&ok);
    if (!ok || o.edgeEvery < 1)
        Fail(QStringLiteral("--edge-every debe ser al menos 1"));
    if (o.stations > 99 * 999)
        Fail(QStringLiteral("demasiadas mesas"));
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gen-census"));
    Options o = ParseOptions(app);

    const Reference ref = LoadReference(o.province);
    Rng rng(o.seed);
    const std::vector<Station> plan = PlanStations(o.stations, o.voters, o.province, rng);

    // Foreign voters are spread evenly: voter i is foreign when floor((i+1)F) > floor(iF).
    const auto foreignTotal = std::int64_t(double(o.voters) * o.foreignShare);
    auto isForeign = [&](std::int64_t i) {
        return foreignTotal > 0 && (i + 1) * foreignTotal / o.voters > i * foreignTotal / o.voters;
    };

    // Edge kinds that no line of this run can carry are dropped.
    std::vector<Edge> edges;
    for (Edge e : o.edges) {
        if ((e == Edge::Len869 && foreignTotal == 0) ||
            (e == Edge::Len843 && foreignTotal == o.voters))
            std::fprintf(stderr, "gen-census: sin líneas para el caso %s, se omite\n",
                         e == Edge::Len869 ? "len869" : "len843");
        else
            edges.push_back(e);
    }

    Output cer(o.outCer);
    std::unique_ptr<Output> cere;
    if (foreignTotal > 0 && !o.foreignMixed)
        cere = std::make_unique<Output>(o.outCere);
    else if (!o.outCere.isEmpty())
        cere = std::make_unique<Output>(o.outCere); // an empty CERE file

    LineBuilder builder(ref, o.province, o.municipality);
    char line[kMaxLineLength + 2];
    std::int64_t voter = 0, lineNumber = 0, edgeLines = 0;
    std::size_t nextEdge = 0;
    bool edgeDue = false;
    for (const Station &station : plan) {
        builder.BeginStation(station);
        int cerOrder = 0, cereOrder = 0;
        for (std::int64_t k = 0; k < station.voters; ++k, ++voter) {
            const bool foreign = isForeign(voter);
            const bool toCere = foreign && !o.foreignMixed;
            int &order = toCere ? cereOrder : cerOrder;
            ++lineNumber;
            if (!edges.empty() && lineNumber % o.edgeEvery == 0)
                edgeDue = true;
            const Edge *edge = nullptr;
            if (edgeDue) {
                const Edge &candidate = edges[nextEdge];
                // Longer lines keep to their record kind: 843 for CER, 869 for CERE records.
                if (!(candidate == Edge::Len843 && foreign) &&
                    !(candidate == Edge::Len869 && !foreign)) {
                    edge = &candidate;
                    edgeDue = false;
                    nextEdge = (nextEdge + 1) % edges.size();
                    ++edgeLines;
                }
            }
            const int length = builder.Build(line, foreign, ++order, edge, rng);
            Output &out = toCere ? *cere : cer;
            std::memcpy(line + length, o.lineEnd.data(), o.lineEnd.size());
            out.Write(line, std::size_t(length) + o.lineEnd.size());
            ++out.lines;
        }
    }
    cer.Close();
    if (cere)
        cere->Close();

    std::fprintf(stderr,
                 "gen-census: CER %lld líneas, CERE %lld líneas, %lld especiales, %zu mesas\n",
                 static_cast<long long>(cer.lines), static_cast<long long>(cere ? cere->lines : 0),
                 static_cast<long long>(edgeLines), plan.size());
    return 0;
}
