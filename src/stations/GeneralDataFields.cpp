#include "stations/GeneralDataFields.h"

#include "util/TextUtils.h"

const std::vector<GeneralDataField> &GeneralDataFields()
{
    using K = GeneralFieldKind;
    static const std::vector<GeneralDataField> fields = {
        {QStringLiteral("Fecha de las elecciones"), QStringLiteral("FECHAELECTORAL"), K::Date, 0},
        {QStringLiteral("Fecha y hora en que realiza el sorteo"), QStringLiteral("FECHASORTEO"),
         K::Date, 0},
        {QStringLiteral("hh:mm"), QStringLiteral("HORASORTEO"), K::Time, 5},
        {QStringLiteral("Nombre del Organismo"), QStringLiteral("NOMBREAYTO"), K::Text, 50},
        {QStringLiteral("Dirección"), QStringLiteral("DOMICILIOAYTO"), K::Text, 50},
        {QStringLiteral("Teléfono"), QStringLiteral("TELEFONOAYTO"), K::Text, 9},
        {QStringLiteral("C.postal"), QStringLiteral("CPOSTAYTO"), K::Text, 5},
        {QStringLiteral("Municipio"), QStringLiteral("MUNICIPIOAYTO"), K::Text, 50},
        {QStringLiteral("Provincia"), QStringLiteral("PROVINCIAAYTO"), K::Text, 20},
        {QStringLiteral("Junta Electoral de"), QStringLiteral("JUNTADE"), K::Text, 50},
        {QStringLiteral("Circunscripción Electoral"), QStringLiteral("CIRC"), K::Text, 30},
        {QStringLiteral("Dirección"), QStringLiteral("DOMICILIOJUNTAE"), K::Text, 50},
        {QStringLiteral("Teléfono"), QStringLiteral("TELEFONOJUNTAE"), K::Text, 9},
        {QStringLiteral("Fax"), QStringLiteral("FAXJUNTAE"), K::Text, 9},
        {QStringLiteral("Horario"), QStringLiteral("HORARIOJUNTAE"), K::Text, 170},
        {QStringLiteral("Nombre del Alcalde"), QStringLiteral("NOMBREALCALDE"), K::Text, 50},
        {QStringLiteral("Tipo de elecciones (Elecciones ...)"), QStringLiteral("TIPOELECCIONES"),
         K::Text, 50},
        {QStringLiteral("Nombre del Secretario"), QStringLiteral("NOMBRESECRETARIO"), K::Text, 50},
        {QStringLiteral("Tipo de elecciones largo"), QStringLiteral("TIPOELECCIONES_LARGO"),
         K::Text, 70},
        {QStringLiteral("Desde edad >="), QStringLiteral("EDAD1"), K::Age, 2},
        {QStringLiteral("Hasta edad <"), QStringLiteral("EDAD2"), K::Age, 2},
        {QStringLiteral("TITULACION PRESIDENTES"), QStringLiteral("P_TITULO_1"), K::Education, 0},
        {QStringLiteral("(Desde - Hasta)"), QStringLiteral("P_TITULO_2"), K::Education, 0},
        {QStringLiteral("TITULACION VOCALES"), QStringLiteral("V_TITULO_1"), K::Education, 0},
        {QStringLiteral("(Desde - Hasta)"), QStringLiteral("V_TITULO_2"), K::Education, 0},
        {QStringLiteral("Juez de Paz, 1ª inst. "), QStringLiteral("SRJUEZ"), K::Text, 50},
        {QStringLiteral("De (localidad)"), QStringLiteral("SRJUEZLUGAR"), K::Text, 50},
        {QStringLiteral("Variable para otros usos"), QStringLiteral("OTROUSO1"), K::Text, 60},
        {QStringLiteral(" Nº sorteos de reserva  "), QStringLiteral("NUMSORTEOSRESERVA"),
         K::Reserve, 0},
        {QStringLiteral("Incluir C.E.R.E. en el sorteo"), QStringLiteral("SORTEARCERE"), K::Cere,
         1},
    };
    return fields;
}

const GeneralDataField *GeneralDataFieldFor(const QString &field)
{
    for (const GeneralDataField &f : GeneralDataFields()) {
        if (f.field == field)
            return &f;
    }
    return nullptr;
}

QStringList EducationEntries()
{
    return {QStringLiteral("01 NO SABE LEER NI ESCRIBIR"), QStringLiteral("02 SIN ESTUDIOS"),
            QStringLiteral("03 GRADUADO ESCOLAR O EQUIVALENTE"),
            QStringLiteral("04 BACHILLER, FORMACION PROFESIONAL DE 2º GRADO O TITULOS "
                           "EQUIVALENTES O SUPERIORES")};
}

int EducationIndex(qint64 value)
{
    return value >= 1 && value <= 4 ? int(value) - 1 : -1;
}

QString LongDateFormat()
{
    return QStringLiteral("dddd ',' dd 'de' MMMM 'de' yyyy");
}

QString NormaliseTime(const QString &text)
{
    const QChar zero(QLatin1Char('0'));
    return FitWidth(text.mid(0, 2), 2, zero, true) + QLatin1Char(':') +
           FitWidth(text.mid(3, 2), 2, zero, true);
}
