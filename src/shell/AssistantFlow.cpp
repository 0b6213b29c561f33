#include "shell/AssistantFlow.h"

#include "shell/Assistant.h"
#include "shell/AssistantTexts.h"
#include "stations/GeneralData.h"
#include "stations/GeneralDataRecord.h"
#include "stations/StationOps.h"
#include "stations/StationsModel.h"
#include "store/Database.h"
#include "util/Interaction.h"

#include <exception>

bool SavePendingGeneralData(GeneralDataRecord &record, Database &db, Interaction &ui)
{
    if (!record.isModified()) {
        record.cancel();
        return true;
    }
    if (!ui.ask(AssistantText::SaveTitle(), AssistantText::SaveGeneralData())) {
        record.cancel();
        return true;
    }
    try {
        record.post(db);
        return true;
    } catch (const StoreError &e) {
        ui.error(AssistantText::AppTitle(), e.message());
        return false;
    }
}

AssistantFlow::AssistantFlow(Database &db, Interaction &ui, GeneralDataRecord &general,
                             StationsModel &stations, AssistantHooks &hooks)
    : m_db(db), m_ui(ui), m_general(general), m_stations(stations), m_hooks(hooks)
{
}

void AssistantFlow::showPage(int index)
{
    m_page = index;
    m_hooks.showPage(index);
}

void AssistantFlow::showError(const QString &text)
{
    m_ui.error(AssistantText::AppTitle(), text);
}

bool AssistantFlow::savePendingEdits()
{
    if (m_page == 1) {
        m_hooks.commitTyping();
        return SavePendingGeneralData(m_general, m_db, m_ui);
    }
    if (m_page == 3)
        return SavePendingStation(m_stations, m_db, m_ui);
    return true;
}

bool AssistantFlow::leaveForward()
{
    switch (m_page) {
    case 1: {
        const bool ok = Assistant::CheckGeneralData(ReadGeneralData(m_db), m_ui);
        m_hooks.refreshCensusCount(
            m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM cinta")).toLongLong());
        return ok;
    }
    case 2: {
        m_hooks.resetCensusView();
        const bool ok = Assistant::CheckCensusLoaded(m_db, m_ui);
        m_hooks.refreshStationCount();
        return ok;
    }
    case 3:
        m_hooks.refreshDrawList();
        return true;
    case 4:
        m_hooks.showSubstitutionButtons(m_currentDraw == 1);
        if (!Assistant::CheckDrawMade(m_hooks.newDrawChosen(), m_currentDraw, m_ui))
            return false;
        m_hooks.setUpResults(m_currentDraw);
        return true;
    case 5:
        m_hooks.showIncidentVerdict();
        return true;
    default:
        return true;
    }
}

bool AssistantFlow::next()
{
    const int from = m_page;
    try {
        if (savePendingEdits() && leaveForward() && m_page < Assistant::kLastDrawPage)
            m_page = m_page + 1;
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    }
    m_hooks.showPage(m_page);
    return m_page != from;
}

bool AssistantFlow::previous()
{
    const int from = m_page;
    try {
        if (savePendingEdits() && m_page >= 1) {
            if (m_page == 2)
                m_hooks.resetCensusView();
            else if (m_page == 5)
                m_hooks.refreshDrawList();
            m_page = m_page - 1;
        }
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    }
    m_hooks.showPage(m_page);
    return m_page != from;
}
