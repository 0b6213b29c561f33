#pragma once
// The main window: a fixed-size assistant with the "Asistente" strip, the title strip (mode,
// page counter, animated character), the tool bar "Herramientas", the menus, the pages "Pg0"
// to "Pg8" and the navigation "Previo" / "Siguiente" / "Terminar". Messages and questions go
// through the Interaction it is given; the store is opened by the caller (StartUp).

#include "shell/Assistant.h"
#include "shell/AssistantFlow.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;
class QToolBar;
class QUrl;
class Interaction;
class RandomSource;
class Store;
class PageWelcome;
class PageGeneralData;
class PageCensus;
class PageStations;
class PageDraw;
class PageResults;
class PageIncidents;
class PageDocuments;
class PageList;

class TVMain : public QMainWindow, private AssistantHooks
{
    Q_OBJECT
public:
    enum class Mode
    {
        Draw,
        List
    };

    TVMain(Store &store, Interaction &ui, QWidget *parent = nullptr);
    ~TVMain() override;

    Store &store() { return m_store; }
    Interaction &ui() { return m_ui; }
    AssistantFlow &flow() { return *m_flow; }
    int page() const { return m_flow->page(); }
    Mode mode() const { return m_mode; }
    int currentDraw() const { return m_flow->currentDraw(); }
    void setCurrentDraw(int number) { m_flow->setCurrentDraw(number); }
    bool loggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool loggedIn) { m_loggedIn = loggedIn; }
    bool waitFlag() const { return m_wait; }
    QString listSortColumn() const { return m_listSortColumn; }
    void setListSortColumn(const QString &column) { m_listSortColumn = column; }
    QString titleText() const;
    QString counterText() const;
    bool counterVisible() const;

    PageGeneralData *pageGeneralData() const { return m_pg1; }
    PageCensus *pageCensus() const { return m_pg2; }
    PageStations *pageStations() const { return m_pg3; }
    PageDraw *pageDraw() const { return m_pg4; }
    PageResults *pageResults() const { return m_pg5; }
    PageIncidents *pageIncidents() const { return m_pg6; }
    PageDocuments *pageDocuments() const { return m_pg7; }
    PageList *pageList() const { return m_pg8; }

    // How files are handed to the desktop ("open"): the manual and the spreadsheet export.
    void setUrlOpener(std::function<bool(const QUrl &)> opener);

    // Long operations: disables the assistant buttons and the menus and hides the tool bar
    // while locked; unlock restores them. The window does not close while locked.
    void lockForWork(bool locked);
    bool working() const { return m_working; }

    // The random generator of the draws (the clock generator unless replaced).
    void setRandomSource(std::unique_ptr<RandomSource> random);

public Q_SLOTS:
    void btSiguienteClick();
    void btPrevioClick();
    void btTerminarClick();
    void btSorteoClick();         // draw mode
    void btListaElectoresClick(); // list mode
    void HelpClick();             // "Manual del usuario.pdf"
    void btIniciarSorteoClick();  // the draw run of page 4
    void AboutClick();
    // Entries of later subsystems: change of key, document assistant, file maintenance.
    virtual void btClavesClick();
    virtual void btWordClick();
    virtual void btMantenimientoClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // AssistantHooks
    void showPage(int index) override;
    void commitTyping() override;
    void refreshCensusCount(qint64 rows) override;
    void resetCensusView() override;
    void refreshStationCount() override;
    void refreshDrawList() override;
    bool newDrawChosen() const override;
    void showSubstitutionButtons(bool visible) override;
    void setUpResults(int drawNumber) override;
    void showIncidentVerdict() override;

    void FormCreate();
    void buildFrame();
    void buildActions();
    QWidget *buildTitleStrip();
    QWidget *buildButtonBar();
    void notReady(const QString &what);
    void lockForDraw(bool locked);
    void reopenViews();

    Store &m_store;
    Interaction &m_ui;
    std::unique_ptr<AssistantFlow> m_flow;
    Mode m_mode = Mode::Draw;
    bool m_loggedIn = true;
    bool m_wait = false;
    bool m_closing = false;
    bool m_working = false;
    std::unique_ptr<RandomSource> m_random;
    QString m_listSortColumn;
    Assistant::TitleCharacter m_titleChar;
    std::function<bool(const QUrl &)> m_openUrl;

    QStackedWidget *m_pages = nullptr;
    PageWelcome *m_pg0 = nullptr;
    PageGeneralData *m_pg1 = nullptr;
    PageCensus *m_pg2 = nullptr;
    PageStations *m_pg3 = nullptr;
    PageDraw *m_pg4 = nullptr;
    PageResults *m_pg5 = nullptr;
    PageIncidents *m_pg6 = nullptr;
    PageDocuments *m_pg7 = nullptr;
    PageList *m_pg8 = nullptr;

    QToolBar *m_toolBar = nullptr;
    QMenu *m_miMesas = nullptr;
    QMenu *m_miVer = nullptr;
    QMenu *m_miAyuda = nullptr;
    QAction *m_btSorteo = nullptr;
    QAction *m_btListaElectores = nullptr;
    QAction *m_miSorteo = nullptr;
    QAction *m_miListas = nullptr;
    QLabel *m_lbModo = nullptr;
    QLabel *m_lbPagina = nullptr;
    QLabel *m_lbCaracter = nullptr;
    QPushButton *m_btPrevio = nullptr;
    QPushButton *m_btSiguiente = nullptr;
    QPushButton *m_btTerminar = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_titleTimer = nullptr;
};
