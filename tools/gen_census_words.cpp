#include "gen_census_words.h"

#include <array>

namespace gencensus {
namespace {

using namespace std::string_view_literals;

constexpr std::array kMale = {
    "ANTONIO"sv,     "JOSE"sv,      "MANUEL"sv,       "FRANCISCO"sv,    "DAVID"sv,
    "JUAN"sv,        "JAVIER"sv,    "JOSE ANTONIO"sv, "DANIEL"sv,       "FRANCISCO JAVIER"sv,
    "JOSE LUIS"sv,   "CARLOS"sv,    "ALEJANDRO"sv,    "JESUS"sv,        "MIGUEL"sv,
    "JOSE MANUEL"sv, "RAFAEL"sv,    "PABLO"sv,        "MIGUEL ANGEL"sv, "PEDRO"sv,
    "ANGEL"sv,       "SERGIO"sv,    "FERNANDO"sv,     "JOSE MARIA"sv,   "JORGE"sv,
    "LUIS"sv,        "ALBERTO"sv,   "ALVARO"sv,       "JUAN CARLOS"sv,  "ADRIAN"sv,
    "DIEGO"sv,       "JUAN JOSE"sv, "RAUL"sv,         "IVAN"sv,         "RUBEN"sv,
    "ENRIQUE"sv,     "OSCAR"sv,     "RAMON"sv,        "ANDRES"sv,       "VICENTE"sv,
    "SANTIAGO"sv,    "JOAQUIN"sv,   "VICTOR"sv,       "EDUARDO"sv,      "MARIO"sv,
    "ROBERTO"sv,     "JAIME"sv,     "MARCOS"sv,       "IGNACIO"sv,      "HUGO"sv,
};

constexpr std::array kFemale = {
    "MARIA CARMEN"sv, "MARIA"sv,         "CARMEN"sv,       "ANA MARIA"sv, "LAURA"sv,
    "MARIA PILAR"sv,  "MARIA DOLORES"sv, "ISABEL"sv,       "JOSEFA"sv,    "ANA"sv,
    "MARIA TERESA"sv, "LUCIA"sv,         "MARTA"sv,        "CRISTINA"sv,  "MARIA ANGELES"sv,
    "FRANCISCA"sv,    "PILAR"sv,         "MARIA ISABEL"sv, "DOLORES"sv,   "ANTONIA"sv,
    "MARIA JOSE"sv,   "ELENA"sv,         "SARA"sv,         "PAULA"sv,     "RAQUEL"sv,
    "MANUELA"sv,      "MERCEDES"sv,      "ROSA MARIA"sv,   "JULIA"sv,     "TERESA"sv,
    "BEATRIZ"sv,      "ALBA"sv,          "ROSARIO"sv,      "SILVIA"sv,    "ENCARNACION"sv,
    "IRENE"sv,        "PATRICIA"sv,      "MONTSERRAT"sv,   "ANDREA"sv,    "ROCIO"sv,
    "MONICA"sv,       "ALICIA"sv,        "ROSA"sv,         "SONIA"sv,     "SANDRA"sv,
    "MARINA"sv,       "NURIA"sv,         "INMACULADA"sv,   "CLAUDIA"sv,   "NATALIA"sv,
};

constexpr std::array kSurnames = {
    "GARCIA"sv,    "RODRIGUEZ"sv, "GONZALEZ"sv,  "FERNANDEZ"sv, "LOPEZ"sv,     "MARTINEZ"sv,
    "SANCHEZ"sv,   "PEREZ"sv,     "GOMEZ"sv,     "MARTIN"sv,    "JIMENEZ"sv,   "HERNANDEZ"sv,
    "RUIZ"sv,      "DIAZ"sv,      "MORENO"sv,    "MUNOZ"sv,     "ALVAREZ"sv,   "ROMERO"sv,
    "GUTIERREZ"sv, "ALONSO"sv,    "NAVARRO"sv,   "TORRES"sv,    "DOMINGUEZ"sv, "RAMOS"sv,
    "VAZQUEZ"sv,   "RAMIREZ"sv,   "GIL"sv,       "SERRANO"sv,   "MORALES"sv,   "MOLINA"sv,
    "BLANCO"sv,    "SUAREZ"sv,    "CASTRO"sv,    "ORTEGA"sv,    "DELGADO"sv,   "ORTIZ"sv,
    "MARIN"sv,     "RUBIO"sv,     "NUNEZ"sv,     "MEDINA"sv,    "SANZ"sv,      "CASTILLO"sv,
    "IGLESIAS"sv,  "CORTES"sv,    "GARRIDO"sv,   "SANTOS"sv,    "GUERRERO"sv,  "LOZANO"sv,
    "CANO"sv,      "CRUZ"sv,      "MENDEZ"sv,    "FLORES"sv,    "PRIETO"sv,    "HERRERA"sv,
    "PENA"sv,      "LEON"sv,      "MARQUEZ"sv,   "CABRERA"sv,   "GALLEGO"sv,   "CALVO"sv,
    "VIDAL"sv,     "CAMPOS"sv,    "REYES"sv,     "VEGA"sv,      "FUENTES"sv,   "CARRASCO"sv,
    "DIEZ"sv,      "AGUILAR"sv,   "CABALLERO"sv, "NIETO"sv,     "SANTANA"sv,   "VARGAS"sv,
    "PASCUAL"sv,   "GIMENEZ"sv,   "HERRERO"sv,   "HIDALGO"sv,   "MONTERO"sv,   "LORENZO"sv,
    "SANTIAGO"sv,  "BENITEZ"sv,   "DURAN"sv,     "IBANEZ"sv,    "ARIAS"sv,     "MORA"sv,
    "FERRER"sv,    "CARMONA"sv,   "VICENTE"sv,   "ROJAS"sv,     "SOTO"sv,      "CRESPO"sv,
    "ROMAN"sv,     "PASTOR"sv,    "VELASCO"sv,   "PARRA"sv,     "SAEZ"sv,      "MOYA"sv,
    "BRAVO"sv,     "RIVERA"sv,    "GALLARDO"sv,  "SOLER"sv,
};

constexpr std::array kForeignMale = {
    "ANDREI"sv, "ION"sv,   "GHEORGHE"sv, "GIUSEPPE"sv, "MARCO"sv, "JOHN"sv,
    "DAVID"sv,  "PAUL"sv,  "MICHAEL"sv,  "PIERRE"sv,   "JEAN"sv,  "THOMAS"sv,
    "JOAO"sv,   "PEDRO"sv, "HANS"sv,     "STEFAN"sv,   "IVAN"sv,  "NIKOLAY"sv,
};

constexpr std::array kForeignFemale = {
    "ELENA"sv, "MARIA"sv,    "IOANA"sv,   "GIULIA"sv, "FRANCESCA"sv, "SARAH"sv,
    "EMMA"sv,  "MARGARET"sv, "MARIE"sv,   "SOPHIE"sv, "ANA"sv,       "CATARINA"sv,
    "ANNA"sv,  "PETRA"sv,    "DANIELA"sv, "IRINA"sv,  "KATARZYNA"sv, "SILVIA"sv,
};

constexpr std::array kForeignSurnames = {
    "POPESCU"sv, "IONESCU"sv, "POPA"sv,     "ROSSI"sv,    "RUSSO"sv,  "BIANCHI"sv,
    "SMITH"sv,   "JONES"sv,   "WILLIAMS"sv, "BROWN"sv,    "MARTIN"sv, "BERNARD"sv,
    "DUBOIS"sv,  "SILVA"sv,   "SANTOS"sv,   "FERREIRA"sv, "MULLER"sv, "SCHMIDT"sv,
    "IVANOV"sv,  "PETROV"sv,  "NOWAK"sv,    "KOWALSKI"sv, "JANSEN"sv, "DE JONG"sv,
};

constexpr std::array kNationalities = {
    "RUMANIA"sv,  "RUMANIA"sv, "RUMANIA"sv,      "REINO UNIDO"sv, "REINO UNIDO"sv,
    "ITALIA"sv,   "ITALIA"sv,  "BULGARIA"sv,     "PORTUGAL"sv,    "FRANCIA"sv,
    "ALEMANIA"sv, "POLONIA"sv, "PAISES BAJOS"sv, "BELGICA"sv,     "COLOMBIA"sv,
    "ECUADOR"sv,  "PERU"sv,    "BOLIVIA"sv,      "NORUEGA"sv,     "SUECIA"sv,
};

constexpr std::array kStreetTypes = {
    "CALLE"sv, "CALLE"sv,  "CALLE"sv,    "CALLE"sv, "AVENIDA"sv,  "PLAZA"sv,
    "PASEO"sv, "CAMINO"sv, "TRAVESIA"sv, "RONDA"sv, "GLORIETA"sv, "CARRETERA"sv,
};

constexpr std::array kStreetNames = {
    "MAYOR"sv,
    "REAL"sv,
    "DE LA IGLESIA"sv,
    "NUEVA"sv,
    "DEL SOL"sv,
    "DE LA CONSTITUCION"sv,
    "DE ESPANA"sv,
    "SAN JUAN"sv,
    "SAN PEDRO"sv,
    "DE LA PAZ"sv,
    "DEL CARMEN"sv,
    "DE LAS FLORES"sv,
    "ANCHA"sv,
    "DEL MOLINO"sv,
    "DE CERVANTES"sv,
    "LOPE DE VEGA"sv,
    "ANTONIO MACHADO"sv,
    "FEDERICO GARCIA LORCA"sv,
    "DE ANDALUCIA"sv,
    "DEL PILAR"sv,
    "DE LA ESTACION"sv,
    "DEL ROSARIO"sv,
    "DE LOS OLIVOS"sv,
    "DE LA LIBERTAD"sv,
    "VIRGEN DEL ROCIO"sv,
    "DEL AYUNTAMIENTO"sv,
    "DE SANTA ANA"sv,
    "DEL PRADO"sv,
    "DE LAS ERAS"sv,
    "DEL CASTILLO"sv,
    "BLAS INFANTE"sv,
    "DE LA FUENTE"sv,
    "RAMON Y CAJAL"sv,
    "JUAN RAMON JIMENEZ"sv,
    "DE LOS REYES CATOLICOS"sv,
    "DEL HUERTO"sv,
    "DE LA AURORA"sv,
    "DE LA VICTORIA"sv,
    "DEL MAR"sv,
    "DE LA HUERTA"sv,
};

constexpr std::array kPlaceKinds = {
    "COLEGIO PUBLICO"sv,      "COLEGIO PUBLICO"sv,    "INSTITUTO DE EDUCACION SECUNDARIA"sv,
    "CENTRO CIVICO"sv,        "CASA DE LA CULTURA"sv, "POLIDEPORTIVO MUNICIPAL"sv,
    "BIBLIOTECA MUNICIPAL"sv, "CENTRO DE MAYORES"sv,
};

constexpr std::array kDoors = {"A"sv, "B"sv, "C"sv, "D"sv, "IZ"sv, "DR"sv, "1"sv, "2"sv};

constexpr std::array kAccentedMale = {
    "JOSÉ MARÍA"sv, "JESÚS"sv, "ÁNGEL"sv, "FRANÇOIS"sv, "ÓSCAR"sv, "RAMÓN"sv, "JOAQUÍN"sv,
};

constexpr std::array kAccentedFemale = {
    "MARÍA ÁNGELES"sv, "INÉS"sv,   "ROCÍO"sv,    "FRANÇOISE"sv,
    "ENCARNACIÓN"sv,   "MÓNICA"sv, "Mª JESÚS"sv,
};

constexpr std::array kAccentedSurnames = {
    "MUÑOZ"sv,    "ÁLVAREZ"sv, "NÚÑEZ"sv,  "ARGÜELLES"sv, "IBÁÑEZ"sv,   "PEÑA"sv,
    "GONZÁLEZ"sv, "DÍAZ"sv,    "CORTÉS"sv, "DURÁN"sv,     "MARTÍNEZ"sv, "GÜELL"sv,
};

constexpr std::array kAccentedStreets = {
    "CALLE ESPAÑA 4 1 B"sv,      "PLAÇA DE L'ESGLÉSIA 3"sv, "AVENIDA DE ANDALUCÍA 12 2 IZ"sv,
    "Urbanització La Plaça 7"sv, "CALLE CIGÜEÑA 9"sv,       "PASEO DE LA CONSTITUCIÓN 21"sv,
};

} // namespace

std::span<const std::string_view> MaleNames()
{
    return kMale;
}
std::span<const std::string_view> FemaleNames()
{
    return kFemale;
}
std::span<const std::string_view> Surnames()
{
    return kSurnames;
}
std::span<const std::string_view> ForeignMaleNames()
{
    return kForeignMale;
}
std::span<const std::string_view> ForeignFemaleNames()
{
    return kForeignFemale;
}
std::span<const std::string_view> ForeignSurnames()
{
    return kForeignSurnames;
}
std::span<const std::string_view> CommonNationalities()
{
    return kNationalities;
}
std::span<const std::string_view> StreetTypes()
{
    return kStreetTypes;
}
std::span<const std::string_view> StreetNames()
{
    return kStreetNames;
}
std::span<const std::string_view> PlaceKinds()
{
    return kPlaceKinds;
}
std::span<const std::string_view> Doors()
{
    return kDoors;
}
std::span<const std::string_view> AccentedMaleNames()
{
    return kAccentedMale;
}
std::span<const std::string_view> AccentedFemaleNames()
{
    return kAccentedFemale;
}
std::span<const std::string_view> AccentedSurnames()
{
    return kAccentedSurnames;
}
std::span<const std::string_view> AccentedStreets()
{
    return kAccentedStreets;
}

} // namespace gencensus
