#pragma once
// The moves of the assistant: "Siguiente" and "Previo" with the save-changes questions, the
// check and preparation of the page being left, and the page shown. The pages' own work is
// reached through AssistantHooks, which the main window implements (tests use a fake).

#include <QString>

class Database;
class GeneralDataRecord;
class Interaction;
class StationsModel;

class AssistantHooks
{
public:
    virtual ~AssistantHooks() = default;
    // Shows a page and refreshes the three buttons and the counter.
    virtual void showPage(int index) = 0;
    // Page 1: moves the focus on so that the field being typed reaches the record.
    virtual void commitTyping() {}
    // Census page: record-count label, and the search button enabled when `rows` > 0.
    virtual void refreshCensusCount(qint64 rows) { Q_UNUSED(rows); }
    // Census page: tab " Vista general ", view back to "SELECT * FROM cinta", count label.
    virtual void resetCensusView() {}
    // Stations page: count label and buttons.
    virtual void refreshStationCount() {}
    // Draw page: the list of the draws already made (ListaSorteos).
    virtual void refreshDrawList() {}
    // Draw page: true when " Elija una opción " has "Realizar nuevo sorteo" chosen.
    virtual bool newDrawChosen() const { return true; }
    // Results page: substitution buttons shown only for the main draw.
    virtual void showSubstitutionButtons(bool visible) { Q_UNUSED(visible); }
    // Results page set-up for a draw (member view, headings of pages 5 and 7, count, verdict).
    virtual void setUpResults(int drawNumber) { Q_UNUSED(drawNumber); }
    // Incidents page: the verdict of the draws (MuestraAvisoInc).
    virtual void showIncidentVerdict() {}
};

// The general-data save question: when the record has unsaved changes ask; Yes posts, No
// cancels. False when posting failed (the error is shown).
bool SavePendingGeneralData(GeneralDataRecord &record, Database &db, Interaction &ui);

class AssistantFlow
{
public:
    AssistantFlow(Database &db, Interaction &ui, GeneralDataRecord &general,
                  StationsModel &stations, AssistantHooks &hooks);

    int page() const { return m_page; }
    // Shows a page without checks (start-up, mode changes).
    void showPage(int index);
    int currentDraw() const { return m_currentDraw; }
    void setCurrentDraw(int number) { m_currentDraw = number; }

    // The save-changes questions of the page shown; false when a save failed.
    bool savePendingEdits();
    // "Siguiente": true when the page changed.
    bool next();
    // "Previo": true when the page changed.
    bool previous();

private:
    bool leaveForward();
    void showError(const QString &text);

    Database &m_db;
    Interaction &m_ui;
    GeneralDataRecord &m_general;
    StationsModel &m_stations;
    AssistantHooks &m_hooks;
    int m_page = 0;
    int m_currentDraw = 0;
};
