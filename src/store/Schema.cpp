#include "store/Schema.h"

#include <stdexcept>

namespace {

FieldDef T(const char *name, int width) { return {QString::fromLatin1(name), FieldType::Text, width}; }
FieldDef N(const char *name) { return {QString::fromLatin1(name), FieldType::Number, 0}; }
FieldDef D(const char *name) { return {QString::fromLatin1(name), FieldType::Date, 0}; }

const QStringList kVoterKey = {"DISTRITO", "SECCION", "MESA", "FENACI", "GRADOESCOLARIDAD",
                               "ORDENCARGA"};
const QStringList kResultKey = {"DISTRITO", "SECCION", "MESA", "PV", "AB",
                                "ORPV",     "ORTS",    "TS",   "NUMSORTEO"};

std::vector<FieldDef> resultFields()
{
    return {T("DISTRITO", 2), T("SECCION", 4), T("MESA", 1), T("PV", 1), T("AB", 1),
            N("ORPV"), N("ORTS"), T("TS", 1), N("NUMSORTEO"), N("ORDENCARGA"),
            T("FECHASORTEO", 10), T("HORASORTEO", 5), D("FSUSTITUCION"),
            T("ORDENENLISTAS", 4), T("APELLIDO1", 25), T("APELLIDO2", 25), T("NOMBRE", 20),
            T("SEXO", 1), T("GRADOESCOLARIDAD", 1), T("DOMICILIOELECTOR1", 56),
            T("DOMICILIOELECTOR2", 56), T("DOMICILIOELECTOR3", 56), T("CODPOSTALELECTOR", 5),
            D("FENACI"), T("MUNACI", 6), T("NACIONALIDAD", 25), T("ENTIDAD1", 50),
            T("ENTIDAD2", 50), T("ENTIDAD3", 50), T("LOCALELECTORAL1", 50),
            T("LOCALELECTORAL2", 50), T("INFOADICMESA", 30), T("DIRMESA1", 50),
            T("DIRMESA2", 50), T("DIRMESA3", 50), T("DIRMESA4", 50), T("CODPOSTALMESA", 5),
            T("NIE", 11), T("NIA", 15), T("INTENCIONVOTO", 1), T("TIPOFICHERO", 6),
            T("CODNAC", 6), T("PROVINCIA", 2), T("MUNICIPIO", 50), T("IDENTIFICADOR", 9),
            T("DESCGRADOESCOLARIDAD", 100)};
}

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;
    t.push_back({"cinta", "CINTA",
                 {T("DISTRITO", 2), T("SECCION", 4), T("MESA", 1), D("FENACI"),
                  T("GRADOESCOLARIDAD", 1), N("ORDENCARGA"), T("ORDENENLISTAS", 4),
                  T("APELLIDO1", 25), T("APELLIDO2", 25), T("NOMBRE", 20),
                  T("IDENTIFICADOR", 20), T("DOMICILIOELECTOR1", 56),
                  T("DOMICILIOELECTOR2", 56), T("DOMICILIOELECTOR3", 56),
                  T("CODPOSTALELECTOR", 5), T("MUNACI", 6), T("NACIONALIDAD", 25),
                  T("DESCGRADOESCOLARIDAD", 100), T("ENTIDAD1", 50), T("ENTIDAD2", 50),
                  T("ENTIDAD3", 50), T("LOCALELECTORAL1", 50), T("LOCALELECTORAL2", 50),
                  T("INFOADICMESA", 30), T("DIRMESA1", 50), T("DIRMESA2", 50),
                  T("DIRMESA3", 50), T("DIRMESA4", 50), T("CODPOSTALMESA", 5), T("NIE", 11),
                  T("NIA", 15), T("INTENCIONVOTO", 1), T("TIPOFICHERO", 6),
                  T("EXCLUIRSORTEO", 1), T("SEXO", 1), T("PROVINCIA", 2),
                  T("MUNICIPIO", 50), T("CODNAC", 6), N("NUMSORTEO"), T("FECHASORTEO", 10),
                  T("HORASORTEO", 5), T("PV", 1), T("TS", 1), T("AB", 1), N("ORPV"),
                  N("ORTS")},
                 kVoterKey,
                 {{"CINTA_APENOM", {"APELLIDO1", "APELLIDO2", "NOMBRE"}, false, true}},
                 "ORDENCARGA"});
    t.push_back({"cinta1", "CINTA1",
                 {T("DISTRITO", 2), T("SECCION", 4), T("MESA", 1), D("FENACI"),
                  T("GRADOESCOLARIDAD", 2), N("ORDENCARGA"), T("SUBSECCION", 2),
                  T("ORDENENLISTAS", 4), T("APELLIDO1", 25), T("APELLIDO2", 25),
                  T("NOMBRE", 20), T("TIPOIDENTIFICADOR", 1), T("IDENTIFICADOR", 20),
                  T("SEXO", 1), T("PROVINCIA", 2), T("MUNI", 3), T("MUNACI", 6),
                  T("CODNAC", 6), T("DOMICILIO1", 100), T("PSVIA", 50), T("ENT", 3),
                  T("NENT", 25), T("NUCL", 2), T("NNUCL", 25), T("NIE", 11), T("NIA", 15),
                  T("INTENCIONVOTO", 1), T("EXCLUIRSORTEO", 1),
                  T("DESCGRADOESCOLARIDAD", 100)},
                 kVoterKey,
                 {{"CINTA_APENOM", {"APELLIDO1", "APELLIDO2", "NOMBRE"}, false, true}},
                 "ORDENCARGA"});
    t.push_back({"mesas", "MESAS",
                 {T("DT", 2), T("SEC", 4), T("MESA", 1), N("PRESI"), N("PRESI_S"), N("VOCAL"),
                  N("VOCAL_S"), N("NUMELECTORES")},
                 {"DT", "SEC", "MESA"},
                 {}});
    t.push_back({"miembros", "MIEMBROS",
                 {D("FECHAELECTORAL"), D("FECHASORTEO"), T("HORASORTEO", 5), T("JUNTADE", 50),
                  T("TIPOELECCIONES", 50), T("TIPOELECCIONES_LARGO", 70), T("CIRC", 30),
                  N("P_TITULO_1"), N("P_TITULO_2"), N("V_TITULO_1"), N("V_TITULO_2"),
                  N("EDAD1"), N("EDAD2"), N("NUMSORTEOSRESERVA"), T("SORTEARCERE", 1),
                  T("NOMBREAYTO", 50), T("DOMICILIOAYTO", 50), T("MUNICIPIOAYTO", 50),
                  T("PROVINCIAAYTO", 20), T("TELEFONOAYTO", 9), T("CPOSTAYTO", 5),
                  T("NOMBREALCALDE", 50), T("NOMBRESECRETARIO", 50), T("SRJUEZ", 50),
                  T("SRJUEZLUGAR", 50), T("DOMICILIOJUNTAE", 50), T("TELEFONOJUNTAE", 9),
                  T("FAXJUNTAE", 9), T("HORARIOJUNTAE", 170), T("OTROUSO1", 60)},
                 {},
                 {}});
    t.push_back({"result", "RESULT", resultFields(), kResultKey, {}});
    t.push_back({"resultbck", "RESULTBCK", resultFields(), kResultKey, {}});
    t.push_back({"inc", "INC", {N("ID"), T("INC", 250)}, {}, {}});
    t.push_back({"municipi", "MUNICIPI",
                 {T("CODNUM", 6), T("MNOMBRE", 100), T("MPROVINCIA", 50)},
                 {"CODNUM"},
                 {{"MUNICIPI_NOMBRE", {"MNOMBRE"}, false, true}}});
    t.push_back({"tablas", "TABLAS",
                 {T("NOMBRETABLA", 50), T("IDTF", 50), T("VALOR", 100)},
                 {"NOMBRETABLA", "IDTF"},
                 {{"TABLAS_VALOR", {"NOMBRETABLA", "VALOR"}, false, true}}});
    t.push_back({"USUARIO", "USUARIO", {T("nombre", 50), T("clave", 6)}, {}, {}});
    return t;
}

QString typeName(FieldType type)
{
    switch (type) {
    case FieldType::Number:
        return QStringLiteral("INTEGER");
    case FieldType::Date:
    case FieldType::Text:
        break;
    }
    return QStringLiteral("TEXT");
}

QString indexSql(const TableDef &t, const QString &schema, const QString &name,
                 const QStringList &fields, bool unique, bool noCase)
{
    QStringList cols;
    for (const QString &f : fields)
        cols << (noCase ? f + QStringLiteral(" COLLATE NOCASE") : f);
    return QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2.%3 ON %4(%5)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), schema, name, t.name,
             cols.join(QLatin1Char(',')));
}

} // namespace

const FieldDef *TableDef::field(const QString &fieldName) const
{
    for (const FieldDef &f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QStringList TableDef::fieldNames() const
{
    QStringList names;
    for (const FieldDef &f : fields)
        names << f.name;
    return names;
}

const std::vector<TableDef> &AllTables()
{
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const TableDef &Table(const QString &name)
{
    for (const TableDef &t : AllTables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    }
    throw std::out_of_range("unknown table " + name.toStdString());
}

QString CreateTableSql(const TableDef &t, const QString &schema)
{
    QStringList cols;
    for (const FieldDef &f : t.fields) {
        cols << f.name + QLatin1Char(' ')
                    + (f.name == t.rowIdField ? QStringLiteral("INTEGER PRIMARY KEY")
                                              : typeName(f.type));
    }
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1.%2 (%3)")
        .arg(schema.isEmpty() ? t.schemaName() : schema, t.name, cols.join(QStringLiteral(", ")));
}

QStringList CreateIndexSql(const TableDef &t, const QString &schema)
{
    const QString s = schema.isEmpty() ? t.schemaName() : schema;
    QStringList sql;
    if (!t.primaryKey.isEmpty())
        sql << indexSql(t, s, t.name.toLower() + QStringLiteral("_pk"), t.primaryKey, true, false);
    for (const IndexDef &i : t.indexes)
        sql << indexSql(t, s, i.name, i.fields, i.unique, i.noCase);
    return sql;
}

QStringList IndexNames(const TableDef &t)
{
    QStringList names;
    if (!t.primaryKey.isEmpty())
        names << t.name.toLower() + QStringLiteral("_pk");
    for (const IndexDef &i : t.indexes)
        names << i.name;
    return names;
}
