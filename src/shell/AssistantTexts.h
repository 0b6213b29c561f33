#pragma once
// The assistant's own texts: application title, job names, questions and check messages.

#include <QString>

namespace AssistantText {

inline QString AppTitle()
{
    return QStringLiteral("Sorteo de mesas electorales");
}
inline QString DrawJob()
{
    return QStringLiteral("Sorteo de miembros de mesas electorales");
}
inline QString ListJob()
{
    return QStringLiteral("Exposición de listas electorales");
}

inline QString SaveTitle()
{
    return QStringLiteral("Guardar cambios");
}
inline QString SaveGeneralData()
{
    return QStringLiteral("LOS DATOS GENERALES PARA LA REALIZACION DEL SORTEO HAN SIDO "
                          "MODIFICADOS. ¿ Desea guardar los cambios ?");
}
inline QString SaveStation()
{
    return QStringLiteral("LA MESA HA SIDO MODIFICADA. ¿ Desea guardar los cambios ?");
}

inline QString ExitTitle()
{
    return QStringLiteral("Cerrar aplicación");
}
inline QString ExitQuestion()
{
    return QStringLiteral("¿ Seguro que desea salir de la aplicación ?");
}

inline QString GeneralDataTitle()
{
    return QStringLiteral("Atneción");
}
inline QString GeneralDataIncomplete()
{
    return QStringLiteral("NO HA CUMPLIMENTADO ALGUNO/S DE LOS SIGUIENTES DATOS:\n\n"
                          "- Fecha de las elecciones\n- Fecha y hora del sorteo\n"
                          "- Junta Electoral de ...\n- Tipo de elecciones\n"
                          "- Titulación de presidentes y vocales\n- Mesas Electorales");
}

inline QString CensusTitle()
{
    return QStringLiteral("Carga ficheros sorteo");
}
inline QString CensusEmpty()
{
    return QStringLiteral("ATENCION, PARA PODER CONTINUAR ANTES\n"
                          "DEBE HACER LA CARGA DE LOS FICHEROS DEL SORTEO.\n\n"
                          "1) Indique el nombre de los ficheros en los puntos 1 y 2.\n"
                          "2) Después pulse el botón <Iniciar carga>");
}

inline QString DrawTitle()
{
    return QStringLiteral("Sorteo");
}
inline QString DrawNotMade()
{
    return QStringLiteral("ATENCION, HA ELEGIDO <REALIZAR NUEVO SORTEO>, POR TANTO\n"
                          "PARA PODER CONTINUAR ANTES DEBE HACER EL SORTEO\n"
                          "PULSANDO EL BOTON <INICIAR SORTEO>.");
}

inline QString ManualFile()
{
    return QStringLiteral("Manual del usuario.pdf");
}

} // namespace AssistantText
