#include "shell/Assistant.h"

#include "draw/DrawTables.h"
#include "shell/AssistantTexts.h"
#include "store/Database.h"
#include "util/Interaction.h"
#include "util/TextUtils.h"

#include <QDate>

namespace Assistant {

QString PageName(int index)
{
    return QStringLiteral("Pg") + QString::number(index);
}

QString PageHeading(int index)
{
    switch (index) {
    case 1:
        return QStringLiteral("Datos generales del sorteo");
    case 2:
        return QStringLiteral("Consulta de listas y carga ficheros sorteo");
    case 3:
        return QStringLiteral("Mesas electorales");
    case 4:
        return QStringLiteral("Sorteos");
    case 5:
        return QStringLiteral("Resultados del sorteo nº");
    case 6:
        return QStringLiteral("Incidencias detectadas en los sorteos");
    case 7:
        return QStringLiteral("Emisión de impresos del sorteo nº");
    default:
        return QString();
    }
}

QString ResultsHeading(int drawNumber)
{
    return PageHeading(5) + QLatin1Char(' ') + QString::number(drawNumber) +
           QStringLiteral(" - ") + DrawKindText(drawNumber);
}

QString DocumentsHeading(int drawNumber)
{
    return PageHeading(7) + QLatin1Char(' ') + QString::number(drawNumber) +
           QStringLiteral(" - ") + DrawKindText(drawNumber);
}

QString MembersLabel(qint64 members)
{
    return QStringLiteral("Miembros: ") + QString::number(members);
}

NavigationState NavigationFor(int page)
{
    NavigationState s;
    s.counter = QStringLiteral("Página %1/7").arg(page);
    s.counterVisible = page != 0;
    s.previous = page >= 1;
    s.next = page < kLastDrawPage;
    s.finish = page == kLastDrawPage;
    return s;
}

namespace {

bool blankText(const QVariant &v)
{
    return IsBlank(v.toString());
}

bool blankDate(const QVariant &v)
{
    return !v.isValid() || v.isNull() || (v.canConvert<QDate>() && !v.toDate().isValid());
}

bool pairSet(const QVariantMap &r, const char *a, const char *b)
{
    return r.value(QLatin1String(a)).toLongLong() != 0 ||
           r.value(QLatin1String(b)).toLongLong() != 0;
}

} // namespace

bool GeneralDataComplete(const QVariantMap &r)
{
    return !blankDate(r.value(QStringLiteral("FECHAELECTORAL"))) &&
           !blankDate(r.value(QStringLiteral("FECHASORTEO"))) &&
           r.value(QStringLiteral("HORASORTEO")).toString().left(2) != QLatin1String("00") &&
           !blankText(r.value(QStringLiteral("JUNTADE"))) &&
           !blankText(r.value(QStringLiteral("TIPOELECCIONES"))) &&
           pairSet(r, "P_TITULO_1", "P_TITULO_2") && pairSet(r, "V_TITULO_1", "V_TITULO_2");
}

bool CheckGeneralData(const QVariantMap &record, Interaction &ui)
{
    if (GeneralDataComplete(record))
        return true;
    ui.warn(AssistantText::GeneralDataTitle(), AssistantText::GeneralDataIncomplete());
    return false;
}

bool CheckCensusLoaded(Database &db, Interaction &ui)
{
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM cinta")).toLongLong() > 0)
        return true;
    ui.warn(AssistantText::CensusTitle(), AssistantText::CensusEmpty());
    return false;
}

bool CheckDrawMade(bool newDrawChosen, int currentDraw, Interaction &ui)
{
    if (!newDrawChosen || currentDraw != 0)
        return true;
    ui.warn(AssistantText::DrawTitle(), AssistantText::DrawNotMade());
    return false;
}

bool AskExit(Interaction &ui)
{
    return ui.ask(AssistantText::ExitTitle(), AssistantText::ExitQuestion());
}

QChar TitleCharacter::tick()
{
    if (m_up && m_code >= 175)
        m_up = false;
    else if (!m_up && m_code <= 169)
        m_up = true;
    m_code += m_up ? 1 : -1;
    return character();
}

} // namespace Assistant
