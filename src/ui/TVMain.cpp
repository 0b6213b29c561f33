#include "ui/TVMain.h"

#include "draw/MemberDraw.h"
#include "draw/RandomSource.h"
#include "shell/AssistantTexts.h"
#include "store/BigTableModel.h"
#include "store/Store.h"
#include "ui/FocusNext.h"
#include "ui/PageCensus.h"
#include "ui/PageDocuments.h"
#include "ui/PageDraw.h"
#include "ui/PageGeneralData.h"
#include "ui/PageIncidents.h"
#include "ui/PageList.h"
#include "ui/PageResults.h"
#include "ui/PageStations.h"
#include "ui/PageWelcome.h"
#include "ui/TVAcercade.h"
#include "ui/TVGC.h"
#include "ui/WorkLock.h"
#include "util/Interaction.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 729;
constexpr int kClientHeight = 504;
const char *kMaroon = "#800000";

// The tall maroon strip with "Asistente" written upwards in large yellow letters.
class AssistantStrip : public QWidget
{
public:
    explicit AssistantStrip(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("pnAsistente"));
        setFixedWidth(40);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 0, 0));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(30);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(255, 255, 0));
        p.translate(width() / 2 + 11, height() - 14);
        p.rotate(-90);
        p.drawText(0, 0, QStringLiteral("Asistente"));
    }
};

QPushButton *navButton(QWidget *parent, const QString &text, const QString &name,
                       const QString &hint)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoDefault(false);
    b->setMinimumWidth(92);
    return b;
}

} // namespace

TVMain::TVMain(Store &store, Interaction &ui, QWidget *parent)
    : QMainWindow(parent), m_store(store), m_ui(ui),
      m_random(std::make_unique<ClockRandomSource>()),
      m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("TVMain"));
    setWindowTitle(AssistantText::AppTitle());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    setFont(f);
    buildFrame();
    m_flow = std::make_unique<AssistantFlow>(m_store.db(), m_ui, m_pg1->record(), m_pg3->model(),
                                             static_cast<AssistantHooks &>(*this));
    FormCreate();
    qApp->installEventFilter(this);
}

TVMain::~TVMain()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TVMain::buildFrame()
{
    buildActions();
    auto *central = new QWidget(this);
    auto *outer = new QHBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(new AssistantStrip(central));
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTitleStrip());
    m_pages = new QStackedWidget(central);
    m_pg0 = new PageWelcome(m_pages);
    m_pg1 = new PageGeneralData(m_store, m_ui, m_pages);
    m_pg2 = new PageCensus(m_store, m_ui, m_pages);
    m_pg3 = new PageStations(m_store, m_ui, m_pages);
    m_pg4 = new PageDraw(m_store, m_ui, m_pages);
    m_pg2->setWindowHooks([this](bool locked) { lockForWork(locked); },
                          [this] {
                              m_pg3->reload();
                              m_pg3->refreshCount();
                          });
    connect(m_pg4->btIniciarSorteo(), &QPushButton::clicked, this, &TVMain::btIniciarSorteoClick);
    m_pg5 = new PageResults(m_store, m_ui, m_pages);
    m_pg6 = new PageIncidents(m_store, m_ui, m_pages);
    m_pg7 = new PageDocuments(m_store, m_ui, m_pages);
    m_pg8 = new PageList(m_store, m_ui, m_pages);
    for (QWidget *p : {static_cast<QWidget *>(m_pg0), static_cast<QWidget *>(m_pg1),
                       static_cast<QWidget *>(m_pg2), static_cast<QWidget *>(m_pg3),
                       static_cast<QWidget *>(m_pg4), static_cast<QWidget *>(m_pg5),
                       static_cast<QWidget *>(m_pg6), static_cast<QWidget *>(m_pg7),
                       static_cast<QWidget *>(m_pg8)})
        m_pages->addWidget(p);
    column->addWidget(m_pages, 1);
    column->addWidget(buildButtonBar());
    outer->addLayout(column, 1);
    setCentralWidget(central);
    // "Siguiente" is enabled exactly when an earlier draw is chosen.
    connect(m_pg4, &PageDraw::optionChanged, this, [this](int option) {
        if (m_mode == Mode::Draw && !m_working && m_flow && m_flow->page() == 4)
            m_btSiguiente->setEnabled(option == 1);
    });

    // Fixed size: the client area below the menu bar is 729 x 504.
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kClientWidth, kClientHeight + menuHeight);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TVMain::buildActions()
{
    auto action = [this](const QString &text, const QString &name, const QString &hint,
                         QStyle::StandardPixmap icon) {
        auto *a = new QAction(style()->standardIcon(icon), text, this);
        a->setObjectName(name);
        if (!hint.isEmpty()) {
            a->setToolTip(hint);
            a->setStatusTip(hint);
        }
        return a;
    };
    QAction *about = action(QStringLiteral("Acerca de ..."), QStringLiteral("btAcercade"),
                            QStringLiteral("Acerca de ..."), QStyle::SP_MessageBoxInformation);
    QAction *close = action(QStringLiteral("Cerrar"), QStringLiteral("btCerrar"),
                            QStringLiteral("Cerrar la aplicación"), QStyle::SP_DialogCloseButton);
    QAction *help = action(QStringLiteral("Ayuda <F1>"), QStringLiteral("btAyuda"), QString(),
                           QStyle::SP_DialogHelpButton);
    QAction *keys =
        action(QStringLiteral("Clave"), QStringLiteral("btClaves"),
               QStringLiteral("Modificar clave de acceso"), QStyle::SP_DialogApplyButton);
    const QString wordHint = QStringLiteral(
        "Asistente para el diseño de notificaciones y\ncartas personalizadas en MS-Word' "
        "97/2000/XP");
    QAction *word = action(QStringLiteral("Word"), QStringLiteral("btWord"), wordHint,
                           QStyle::SP_FileDialogDetailedView);
    QAction *maint = action(QStringLiteral("Mantenimiento"), QStringLiteral("btMantenimiento"),
                            QStringLiteral("Mantenimiento de ficheros"), QStyle::SP_DriveHDIcon);
    m_btSorteo = action(QStringLiteral("Sorteo"), QStringLiteral("btSorteo"), QString(),
                        QStyle::SP_ArrowRight);
    m_btListaElectores =
        action(QStringLiteral("Exposición listas"), QStringLiteral("btListaElectores"), QString(),
               QStyle::SP_FileDialogListView);
    connect(about, &QAction::triggered, this, &TVMain::AboutClick);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(help, &QAction::triggered, this, &TVMain::HelpClick);
    connect(keys, &QAction::triggered, this, &TVMain::btClavesClick);
    connect(word, &QAction::triggered, this, &TVMain::btWordClick);
    connect(maint, &QAction::triggered, this, &TVMain::btMantenimientoClick);
    connect(m_btSorteo, &QAction::triggered, this, &TVMain::btSorteoClick);
    connect(m_btListaElectores, &QAction::triggered, this, &TVMain::btListaElectoresClick);

    m_toolBar = addToolBar(QStringLiteral("Herramientas"));
    m_toolBar->setObjectName(QStringLiteral("Herramientas"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->addAction(about);
    m_toolBar->addAction(close);
    m_toolBar->addAction(help);
    if (auto *b = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(help)))
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->addSeparator();
    m_toolBar->addAction(keys);
    m_toolBar->addAction(word);
    m_toolBar->addAction(maint);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_btSorteo);
    m_toolBar->addAction(m_btListaElectores);
    for (QAction *a : {m_btSorteo, m_btListaElectores}) {
        if (auto *b = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(a)))
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        a->setVisible(false); // delivered hidden
    }

    m_miMesas = menuBar()->addMenu(QStringLiteral("&Sorteo"));
    m_miMesas->setObjectName(QStringLiteral("miMesas"));
    QAction *miClave = m_miMesas->addAction(QStringLiteral("Modificar &clave de acceso ..."));
    miClave->setObjectName(QStringLiteral("miClave"));
    QAction *miWord = m_miMesas->addAction(
        QStringLiteral("&Asistente para el diseño de notificaciones y cartas personalizadas en "
                       "MS-Word' 97/2000/XP ..."));
    miWord->setObjectName(QStringLiteral("miWord"));
    m_miMesas->addSeparator();
    QAction *miMant = m_miMesas->addAction(QStringLiteral("&Mantenimiento de ficheros"));
    miMant->setObjectName(QStringLiteral("miMantenimiento"));
    m_miMesas->addSeparator();
    QAction *miSalir = m_miMesas->addAction(QStringLiteral("&Salir"));
    miSalir->setObjectName(QStringLiteral("miSalir"));
    connect(miClave, &QAction::triggered, this, &TVMain::btClavesClick);
    connect(miWord, &QAction::triggered, this, &TVMain::btWordClick);
    connect(miMant, &QAction::triggered, this, &TVMain::btMantenimientoClick);
    connect(miSalir, &QAction::triggered, this, &QWidget::close);

    m_miVer = menuBar()->addMenu(QStringLiteral("&Ver"));
    m_miVer->setObjectName(QStringLiteral("miVer"));
    m_miSorteo = m_miVer->addAction(QStringLiteral("&Sorteo ..."));
    m_miSorteo->setObjectName(QStringLiteral("miSorteo"));
    m_miListas = m_miVer->addAction(QStringLiteral("&Exposición listas ..."));
    m_miListas->setObjectName(QStringLiteral("miListas"));
    m_miListas->setVisible(false); // delivered hidden
    connect(m_miSorteo, &QAction::triggered, this, &TVMain::btSorteoClick);
    connect(m_miListas, &QAction::triggered, this, &TVMain::btListaElectoresClick);

    m_miAyuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    m_miAyuda->setObjectName(QStringLiteral("miAyuda"));
    QAction *miAcerca = m_miAyuda->addAction(QStringLiteral("Acerca de ..."));
    miAcerca->setObjectName(QStringLiteral("miAcercade"));
    connect(miAcerca, &QAction::triggered, this, &TVMain::AboutClick);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &TVMain::HelpClick);
}

QWidget *TVMain::buildTitleStrip()
{
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pnTitulo"));
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, QColor(kMaroon));
    strip->setPalette(pal);
    strip->setFixedHeight(40);
    m_lbModo = new QLabel(strip);
    m_lbModo->setObjectName(QStringLiteral("lbModo"));
    m_lbModo->setStyleSheet(QStringLiteral("color: yellow; font-size: 19px; font-weight: bold;"));
    m_lbPagina = new QLabel(strip);
    m_lbPagina->setObjectName(QStringLiteral("lbPagina"));
    m_lbPagina->setStyleSheet(QStringLiteral("color: white; font-size: 11px;"));
    m_lbCaracter = new QLabel(strip);
    m_lbCaracter->setObjectName(QStringLiteral("lbCaracter"));
    m_lbCaracter->setStyleSheet(
        QStringLiteral("color: white; font-size: 20px; font-weight: bold;"));
    m_lbCaracter->setFixedWidth(24);
    m_lbCaracter->setAlignment(Qt::AlignCenter);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(10, 0, 8, 0);
    row->addWidget(m_lbModo, 1);
    row->addWidget(m_lbPagina, 0, Qt::AlignBottom);
    row->addSpacing(8);
    row->addWidget(m_lbCaracter);
    return strip;
}

QWidget *TVMain::buildButtonBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("pnBotones"));
    bar->setFrameShape(QFrame::StyledPanel);
    m_btPrevio = navButton(bar, QStringLiteral("&Previo"), QStringLiteral("btPrevio"),
                           QStringLiteral("Paso previo"));
    m_btSiguiente = navButton(bar, QStringLiteral("&Siguiente"), QStringLiteral("btSiguiente"),
                              QStringLiteral("Paso siguiente"));
    m_btTerminar = navButton(bar, QStringLiteral("&Terminar"), QStringLiteral("btTerminar"),
                             QStringLiteral("Terminar el proceso"));
    m_btPrevio->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_btSiguiente->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_btTerminar->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(m_btPrevio, &QPushButton::clicked, this, &TVMain::btPrevioClick);
    connect(m_btSiguiente, &QPushButton::clicked, this, &TVMain::btSiguienteClick);
    connect(m_btTerminar, &QPushButton::clicked, this, &TVMain::btTerminarClick);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->addStretch(1);
    row->addWidget(m_btPrevio);
    row->addWidget(m_btSiguiente);
    row->addSpacing(40);
    row->addWidget(m_btTerminar);
    return bar;
}

void TVMain::FormCreate()
{
    m_wait = false;
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(20000);
    connect(m_timer1, &QTimer::timeout, this, [this] { m_wait = true; });
    m_flow->setCurrentDraw(0);
    m_listSortColumn = QStringLiteral("DISTRITO");
    m_titleTimer = new QTimer(this);
    m_titleTimer->setInterval(100);
    m_lbCaracter->setText(m_titleChar.character());
    connect(m_titleTimer, &QTimer::timeout, this,
            [this] { m_lbCaracter->setText(m_titleChar.tick()); });
    m_titleTimer->start();
    m_pg2->showGeneralView();
    m_pg1->load();
    m_pg3->reload();
    btSorteoClick();
}

void TVMain::setUrlOpener(std::function<bool(const QUrl &)> opener)
{
    m_openUrl = opener;
    m_pg3->setUrlOpener(opener);
}

QString TVMain::titleText() const
{
    return m_lbModo->text();
}
QString TVMain::counterText() const
{
    return m_lbPagina->text();
}
bool TVMain::counterVisible() const
{
    return !m_lbPagina->isHidden();
}

void TVMain::showPage(int index)
{
    m_pages->setCurrentIndex(index);
    // After a save question the controls show the record as it now stands.
    if (index == 1 && !m_pg1->record().isEditing())
        m_pg1->refresh();
    if (m_mode != Mode::Draw)
        return;
    const Assistant::NavigationState s = Assistant::NavigationFor(index);
    m_lbPagina->setText(s.counter);
    m_lbPagina->setVisible(s.counterVisible);
    m_btPrevio->setEnabled(s.previous);
    m_btSiguiente->setEnabled(s.next);
    m_btTerminar->setEnabled(s.finish);
}

void TVMain::btSiguienteClick()
{
    m_flow->next();
}

void TVMain::btPrevioClick()
{
    m_flow->previous();
}

void TVMain::btTerminarClick()
{
    close();
}

void TVMain::btSorteoClick()
{
    m_pg8->closeView();
    m_mode = Mode::Draw;
    m_btSorteo->setEnabled(false);
    m_miSorteo->setEnabled(false);
    m_btListaElectores->setEnabled(true);
    m_miListas->setEnabled(true);
    m_lbModo->setText(AssistantText::DrawJob());
    for (QPushButton *b : {m_btPrevio, m_btSiguiente, m_btTerminar})
        b->setVisible(true);
    m_flow->showPage(0);
    m_lbPagina->setText(QStringLiteral("Página 1/7"));
    m_lbPagina->setVisible(false);
}

void TVMain::btListaElectoresClick()
{
    m_pg8->openView();
    m_mode = Mode::List;
    m_btListaElectores->setEnabled(false);
    m_miListas->setEnabled(false);
    m_btSorteo->setEnabled(true);
    m_miSorteo->setEnabled(true);
    m_pages->setCurrentWidget(m_pg8);
    m_lbModo->setText(AssistantText::ListJob());
    m_lbPagina->setText(QStringLiteral("Página 1/1"));
    m_lbPagina->setVisible(true);
    for (QPushButton *b : {m_btPrevio, m_btSiguiente, m_btTerminar})
        b->setVisible(false);
}

void TVMain::HelpClick()
{
    m_openUrl(
        QUrl::fromLocalFile(m_store.folder() + QLatin1Char('/') + AssistantText::ManualFile()));
}

void TVMain::AboutClick()
{
    TVAcercade about(this);
    about.exec();
}

void TVMain::notReady(const QString &what)
{
    m_ui.info(AssistantText::AppTitle(),
              what + QStringLiteral(": esta opción todavía no está disponible "
                                    "en esta versión."));
}

void TVMain::btClavesClick()
{
    notReady(QStringLiteral("Modificar clave de acceso"));
}

void TVMain::btWordClick()
{
    notReady(QStringLiteral("Asistente para el diseño de documentos"));
}

void TVMain::btMantenimientoClick()
{
    notReady(QStringLiteral("Mantenimiento de ficheros"));
}

void TVMain::lockForWork(bool locked)
{
    m_working = locked;
    for (QPushButton *b : {m_btPrevio, m_btSiguiente, m_btTerminar})
        b->setEnabled(!locked);
    for (QMenu *m : {m_miMesas, m_miVer, m_miAyuda})
        m->menuAction()->setEnabled(!locked);
    m_toolBar->setVisible(!locked);
    if (!locked && m_mode == Mode::Draw)
        showPage(m_flow->page());
}

// AssistantHooks: the pages' own work.
void TVMain::commitTyping()
{
    m_pg1->commitTyping();
}
void TVMain::refreshCensusCount(qint64 rows)
{
    m_pg2->refreshCount(rows);
}
void TVMain::resetCensusView()
{
    m_pg2->resetView();
}
void TVMain::refreshStationCount()
{
    m_pg3->refreshCount();
}
void TVMain::refreshDrawList()
{
    m_pg4->refreshDrawList();
}
bool TVMain::newDrawChosen() const
{
    return m_pg4->newDrawChosen();
}
void TVMain::showSubstitutionButtons(bool visible)
{
    m_pg5->showSubstitutionButtons(visible);
}
void TVMain::showIncidentVerdict()
{
    m_pg6->showVerdict();
}

void TVMain::setUpResults(int drawNumber)
{
    m_pg5->setUp(drawNumber);
    m_pg7->setUp(drawNumber);
    m_pg6->showVerdict();
}

void TVMain::setRandomSource(std::unique_ptr<RandomSource> random)
{
    if (random)
        m_random = std::move(random);
}

void TVMain::lockForDraw(bool locked)
{
    lockForWork(locked);
    m_pg4->setRunning(locked);
    // The grids over the stations, the members and the incidents wait for the end.
    for (QWidget *p : {static_cast<QWidget *>(m_pg3), static_cast<QWidget *>(m_pg5),
                       static_cast<QWidget *>(m_pg6)})
        p->setUpdatesEnabled(!locked);
}

// The store was closed for the backup copy and the tables changed: every page that shows them
// reads them again.
void TVMain::reopenViews()
{
    if (!m_store.isOpen())
        return;
    try {
        m_pg1->load();
        m_pg2->census().reload();
        m_pg2->refreshCount(m_pg2->census().rowCount());
        m_pg3->reload();
    } catch (const std::exception &e) {
        m_ui.error(AssistantText::AppTitle(), QString::fromUtf8(e.what()));
    }
}

void TVMain::btIniciarSorteoClick()
{
    if (m_working)
        return;
    TVGC progress(this);
    DrawRunResult r;
    {
        // Locked from the first phase of the run (after its checks and question) until the
        // verdict has been applied, whatever way the run ends.
        WorkLock lock(progress, m_ui, [this](bool locked) { lockForDraw(locked); });
        try {
            r = RunMemberDraw(m_store, lock, lock, *m_random);
        } catch (const std::exception &e) {
            lock.unlock();
            reopenViews();
            m_ui.error(AssistantText::AppTitle(), QString::fromUtf8(e.what()));
            return;
        }
        m_flow->setCurrentDraw(r.currentDraw);
        if (r.outcome == DrawOutcome::Kept || r.outcome == DrawOutcome::Discarded) {
            reopenViews();
            m_pg5->setMembersLabel(r.membersLabel);
        }
        if (r.outcome == DrawOutcome::Discarded)
            m_pg6->showIncidents(r.incidentNotice, r.incidents);
    }
    switch (r.outcome) {
    case DrawOutcome::Kept:
        // "Siguiente": the results page of the current draw.
        m_flow->next();
        break;
    case DrawOutcome::Discarded:
        m_flow->showPage(6);
        m_btPrevio->setEnabled(false);
        m_btSiguiente->setEnabled(false);
        m_btTerminar->setEnabled(true);
        break;
    case DrawOutcome::Stopped:
    case DrawOutcome::Failed:
        break;
    }
}

void TVMain::closeEvent(QCloseEvent *event)
{
    // Not in the middle of a long operation: its tables would be left half written.
    if (m_working) {
        event->ignore();
        return;
    }
    if (m_loggedIn && !m_closing) {
        if (!Assistant::AskExit(m_ui)) {
            event->ignore();
            return;
        }
        // A row still in edit is not lost silently: its save question comes first.
        if (!m_flow->savePendingEdits()) {
            event->ignore();
            return;
        }
    }
    m_closing = true;
    m_titleTimer->stop();
    event->accept();
}

void TVMain::changeEvent(QEvent *event)
{
    // Without a granted access the window closes at its first activation, without asking.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_loggedIn &&
        !m_closing) {
        m_closing = true;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    QMainWindow::changeEvent(event);
}

bool TVMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *w = qobject_cast<QWidget *>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier && w && w->window() == this &&
            !w->inherits("QAbstractItemView") && !w->inherits("QComboBoxPrivateContainer")) {
            // Enter moves the focus on, as Tab does; the key itself is discarded.
            FocusNext(w);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
