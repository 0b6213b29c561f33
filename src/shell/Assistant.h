#pragma once
// The assistant's pages and the rules of its frame: names, headings, the state of the three
// navigation buttons and page counter, the checks of "Siguiente", the questions and the
// animated title character. No widgets: the main window applies what these return.

#include <QChar>
#include <QString>
#include <QVariantMap>

class Database;
class Interaction;

namespace Assistant {

constexpr int kPageCount = 9;    // "Pg0" to "Pg8"
constexpr int kLastDrawPage = 7; // the draw mode walks pages 0 to 7
constexpr int kListPage = 8;     // the single page of the list mode

QString PageName(int index); // "Pg3"
// Fixed heading of a page; empty for the welcome and list pages. Pages 5 and 7 get the draw
// number and its kind appended at run time: "Resultados del sorteo nº 1 - principal".
QString PageHeading(int index);
QString ResultsHeading(int drawNumber);
QString DocumentsHeading(int drawNumber);
// The member count of the results page: "Miembros: 27".
QString MembersLabel(qint64 members);

struct NavigationState
{
    bool previous = false;
    bool next = false;
    bool finish = false;
    bool counterVisible = false;
    QString counter; // "Página 3/7"
};
// Buttons and counter of a draw-mode page.
NavigationState NavigationFor(int page);

// The completeness rule of page 1 over a general-data record (see ReadGeneralData).
bool GeneralDataComplete(const QVariantMap &record);
// Same, showing the warning when it fails.
bool CheckGeneralData(const QVariantMap &record, Interaction &ui);
// Page 2: false, with the warning, when `cinta` is empty.
bool CheckCensusLoaded(Database &db, Interaction &ui);
// Page 4: false, with the warning, when a new draw is chosen and none has been made.
bool CheckDrawMade(bool newDrawChosen, int currentDraw, Interaction &ui);

// "¿ Seguro que desea salir de la aplicación ?"; true to close.
bool AskExit(Interaction &ui);

// The character of the title strip: codes 169 up to 175 and back down, one step per tick.
class TitleCharacter
{
public:
    int code() const { return m_code; }
    QChar character() const { return QChar(m_code); }
    // Advances one step and returns the new character.
    QChar tick();

private:
    int m_code = 169;
    bool m_up = true;
};

} // namespace Assistant
