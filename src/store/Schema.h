#pragma once
// The tables of the program: fields (the names the program has always used, as column names),
// types, widths, keys and indexes. Each table lives in its own database file named after it
// ("CINTA.DB").

#include <QString>
#include <QStringList>
#include <vector>

enum class FieldType
{
    Text,
    Number,
    Date
};

struct FieldDef
{
    QString name;
    FieldType type;
    int width; // characters of a text field; 0 for numbers and dates
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool unique;
    bool noCase;
};

struct TableDef
{
    QString name;     // as used in SQL: "cinta", "USUARIO"
    QString fileStem; // file name without extension: "CINTA"
    std::vector<FieldDef> fields;
    QStringList primaryKey;        // empty when the table has none
    std::vector<IndexDef> indexes; // secondary indexes (the key is index "<name>_pk")
    // A whole-number field unique by construction that is stored as the row id (the voters'
    // load order): looking a row up by it needs no index of its own.
    QString rowIdField = {};

    QString fileName() const { return fileStem + QStringLiteral(".DB"); }
    QString schemaName() const { return QStringLiteral("t_") + name.toLower(); }
    const FieldDef *field(const QString &fieldName) const; // case-insensitive; null if none
    QStringList fieldNames() const;
};

const std::vector<TableDef> &AllTables();
// The table of that name (case-insensitive); throws std::out_of_range for an unknown name.
const TableDef &Table(const QString &name);

// Statements that create the table and its indexes in `schema` (the table's attached schema
// when empty, "main" for a connection opened on the table file itself).
QString CreateTableSql(const TableDef &t, const QString &schema = {});
QStringList CreateIndexSql(const TableDef &t, const QString &schema = {});
// Names of the key index ("<table>_pk") and of every secondary index.
QStringList IndexNames(const TableDef &t);
