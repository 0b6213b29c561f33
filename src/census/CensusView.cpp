#include "census/CensusView.h"

#include "store/Database.h"
#include "util/Interaction.h"

#include <QHash>

namespace {

const char *const kProvinces[] = {
    "ALAVA",      "ALBACETE",  "ALICANTE", "ALMERIA",   "AVILA",       "BADAJOZ",     "BALEARES",
    "BARCELONA",  "BURGOS",    "CACERES",  "CADIZ",     "CASTELLON",   "CIUDAD REAL", "CORDOBA",
    "A CORUÑA",   "CUENCA",    "GIRONA",   "GRANADA",   "GUADALAJARA", "GUIPUZCOA",   "HUELVA",
    "HUESCA",     "JAEN",      "LEON",     "LLEIDA",    "LA RIOJA",    "LUGO",        "MADRID",
    "MALAGA",     "MURCIA",    "NAVARRA",  "OURENSE",   "ASTURIAS",    "PALENCIA",    "LAS PALMAS",
    "PONTEVEDRA", "SALAMANCA", "TENERIFE", "CANTABRIA", "SEGOVIA",     "SEVILLA",     "SORIA",
    "TARRAGONA",  "TERUEL",    "TOLEDO",   "VALENCIA",  "VALLADOLID",  "VIZCAYA",     "ZAMORA",
    "ZARAGOZA",   "CEUTA",     "MELILLA"};

QList<BigTableModel::Column> censusColumns()
{
    return {
        {"DISTRITO", "DI~ST", 3},
        {"SECCION", "SEC~CION", 5},
        {"MESA", "ME~SA", 3},
        {"ORDENENLISTAS", "ORDEN~LISTAS", 8},
        {"APELLIDO1", "APELLIDO 1º", 23},
        {"APELLIDO2", "APELLIDO 2º", 23},
        {"NOMBRE", "NOMBRE", 17},
        {"IDENTIFICADOR", "DOC.~IDENTIDAD", 11},
        {"DOMICILIOELECTOR1", "ELECTOR~DOMICILIO 1", 55},
        {"DOMICILIOELECTOR2", "ELECTOR~DOMICILIO 2", 20},
        {"DOMICILIOELECTOR3", "ELECTOR~DOMICILIO 3", 20},
        {"CODPOSTALELECTOR", "COD.~POSTAL", 7},
        {"FENACI", "FECHA~NACMTO", 10},
        {"LOOKUP_CODNUM", "MUNICIPIO DE~NACIMIENTO", 25},
        {"CALC_PROVINCIANACIMIENTO", "PROVINCIA DE~NACIMIENTO", 20},
        {"NACIONALIDAD", "NACIONALIDAD~ELECTOR", 25},
        {"CALC_SEXO", "SEXO", 5},
        {"DESCGRADOESCOLARIDAD", "GRADO~ESCOLARIDAD", 25},
        {"ENTIDAD1", "NOMBRE ENTIDAD~1", 20},
        {"ENTIDAD2", "NOMBRE ENTIDAD~2", 20},
        {"ENTIDAD3", "NOMBRE ENTIDAD~3", 20},
        {"LOCALELECTORAL1", "LOCAL~ELCTORAL 1", 40},
        {"LOCALELECTORAL2", "LOCAL~ELCTORAL 2", 20},
        {"INFOADICMESA", "INFORMACION~ADICIONAL MESA", 20},
        {"DIRMESA1", "DIRECCION~MESA 1", 55},
        {"DIRMESA2", "DIRECCION~MESA 2", 20},
        {"DIRMESA3", "DIRECCION~MESA 3", 20},
        {"DIRMESA4", "DIRECCION~MESA 4", 20},
        {"CODPOSTALMESA", "COD.~POSTAL", 7},
        {"NIE", "N.I.E.~ELECTOR", 12},
        {"NIA", "N.I.A.~AYUNTAMIENTO", 15},
        {"INTENCIONVOTO", "INTENCION~VOTO", 11},
        {"TIPOFICHERO", "TIPO~FICHERO", 6},
        {"EXCLUIRSORTEO", "EXCLUIR DEL~SORTEO", 1, true},
    };
}

} // namespace

QString ProvinceName(const QString &code)
{
    if (code.size() != 2 || !code.at(0).isDigit() || !code.at(1).isDigit())
        return QString();
    const int n = code.toInt();
    return (n >= 1 && n <= 52) ? QString::fromUtf8(kProvinces[n - 1]) : QString();
}

std::unique_ptr<BigTableModel> MakeCensusModel(Database &db, QObject *parent)
{
    auto model = std::make_unique<BigTableModel>(db, QStringLiteral("cinta"), parent);
    model->addComputedField(QStringLiteral("CALC_SEXO"), [](const BigTableModel::Row &r) {
        const QString s = r.text(QStringLiteral("SEXO"));
        return QVariant(s == QLatin1String("V")   ? QStringLiteral("VARON")
                        : s == QLatin1String("M") ? QStringLiteral("MUJER")
                                                  : QString());
    });
    model->addComputedField(
        QStringLiteral("CALC_PROVINCIANACIMIENTO"), [](const BigTableModel::Row &r) {
            return QVariant(ProvinceName(r.text(QStringLiteral("MUNACI")).left(2)));
        });
    model->addComputedField(QStringLiteral("CALC_CODPROVMUNACI"), [](const BigTableModel::Row &r) {
        const QString code = r.text(QStringLiteral("MUNACI")).left(2);
        return QVariant(code == QLatin1String("66") ? QString() : code);
    });
    // Birth municipality names, looked up by exact code; a small cache keeps it cheap.
    auto names = std::make_shared<QHash<QString, QString>>();
    Database *dbp = &db;
    model->addComputedField(
        QStringLiteral("LOOKUP_CODNUM"), [names, dbp](const BigTableModel::Row &r) {
            const QString code = r.text(QStringLiteral("MUNACI"));
            auto it = names->constFind(code);
            if (it != names->constEnd())
                return QVariant(*it);
            const QString name = dbp->scalar(QStringLiteral("SELECT MNOMBRE FROM municipi "
                                                            "WHERE CODNUM=:c"),
                                             {{QStringLiteral("c"), code}})
                                     .toString()
                                     .left(60);
            names->insert(code, name);
            return QVariant(name);
        });
    model->setColumns(censusColumns());
    model->setStatement(QStringLiteral("SELECT * FROM cinta"));
    return model;
}

QString CensusCountText(const BigTableModel &model)
{
    return QStringLiteral("Regs: ") + QString::number(model.rowCount());
}

ExclusionButton ExclusionButtonFor(const BigTableModel &model, int row)
{
    if (model.fieldValue(row, QStringLiteral("EXCLUIRSORTEO")).toString() == QLatin1String("S"))
        return {QStringLiteral("+"), QStringLiteral("Incluir elector en el sorteo")};
    return {QStringLiteral("-"), QStringLiteral("Excluir elector del sorteo")};
}

bool ToggleExclusion(BigTableModel &model, int row, Interaction &ui)
{
    if (row < 0 || row >= model.rowCount())
        return false;
    const bool excluded =
        model.fieldValue(row, QStringLiteral("EXCLUIRSORTEO")).toString() == QLatin1String("S");
    const bool yes =
        excluded ? ui.ask(QStringLiteral("Incluir elector en el sorteo"),
                          QStringLiteral("¿¿ Está seguro que debe incluir a éste elector del "
                                         "sorteo elctoral ??"))
                 : ui.ask(QStringLiteral("Excluir elector del sorteo"),
                          QStringLiteral("¿¿ Está seguro que debe excluir a éste elector del "
                                         "sorteo elctoral ??"));
    if (!yes)
        return false;
    model.setFieldValue(row, QStringLiteral("EXCLUIRSORTEO"),
                        excluded ? QStringLiteral("N") : QStringLiteral("S"));
    return true;
}
