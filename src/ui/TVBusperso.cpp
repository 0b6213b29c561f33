#include "ui/TVBusperso.h"

#include "store/BigTableModel.h"
#include "ui/FocusNext.h"
#include "util/Interaction.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Upper-cases as the user types.
class UpperLineEdit : public QLineEdit
{
public:
    UpperLineEdit(int maxLength, QWidget *parent) : QLineEdit(parent)
    {
        setMaxLength(maxLength);
        connect(this, &QLineEdit::textEdited, this, [this](const QString &t) {
            const int pos = cursorPosition();
            setText(t.toUpper());
            setCursorPosition(pos);
        });
    }
};

} // namespace

TVBusperso::TVBusperso(BigTableModel &census, Interaction &ui, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_census(census), m_ui(ui)
{
    setObjectName(QStringLiteral("TVBusperso"));
    setWindowTitle(QStringLiteral("Búsqueda de personas en el fichero Sorteo"));
    setModal(true);
    m_nombre = new UpperLineEdit(20, this);
    m_ap1 = new UpperLineEdit(25, this);
    m_ap2 = new UpperLineEdit(25, this);
    m_doc = new UpperLineEdit(13, this);
    m_nie = new QLineEdit(this);
    m_nie->setMaxLength(11);
    m_nie->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9 ]{0,11}")), m_nie));
    m_nia = new QLineEdit(this);
    m_date1 = new QDateEdit(QDate::currentDate(), this);
    m_date2 = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit *d : {m_date1, m_date2}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    connect(m_date1, &QDateEdit::dateChanged, m_date2, &QDateEdit::setDate);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(namesTab(), QStringLiteral("  &1.- Apellidos y nombre  "));
    m_tabs->addTab(oneInputTab(QStringLiteral("Número Documento"), m_doc, false),
                   QStringLiteral("  &2.- Documento de identidad  "));
    m_tabs->addTab(datesTab(), QStringLiteral("  &3.- Fecha de nacimiento  "));
    m_tabs->addTab(oneInputTab(QStringLiteral("Número Idtf. Electoral - N.I.E."), m_nie, false),
                   QStringLiteral("  &4.- N.I.E.  "));
    m_tabs->addTab(oneInputTab(QStringLiteral("N.I.A."), m_nia, false),
                   QStringLiteral("  &5.- N.I.A. (Idtf. Ayto)  "));
    m_tabs->addTab(exclusionsTab(), QStringLiteral("&6. - Filtrar exclusiones "));
    m_tabs->setCurrentIndex(0);

    auto *procesar = new QPushButton(QStringLiteral("&Procesar"), this);
    procesar->setObjectName(QStringLiteral("btProcesar"));
    procesar->setAutoDefault(false);
    auto *cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("btCerrar"));
    cerrar->setAutoDefault(false);
    connect(procesar, &QPushButton::clicked, this, &TVBusperso::btProcesarClick);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(procesar);
    buttons->addWidget(cerrar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    resize(640, 260);
    if (parent)
        move(parent->window()->geometry().center() - rect().center());
}

QButtonGroup *TVBusperso::kindGroup(QWidget *parent, bool withInitials, QBoxLayout *into)
{
    auto *group = new QButtonGroup(parent);
    QList<QPair<QString, MatchKind>> items;
    if (withInitials)
        items = {{QStringLiteral("Iniciales"), MatchKind::Initials},
                 {QStringLiteral("Contenido"), MatchKind::Contains},
                 {QStringLiteral("Exacto"), MatchKind::Exact}};
    else
        items = {{QStringLiteral("Exacto"), MatchKind::Exact},
                 {QStringLiteral("Contenido"), MatchKind::Contains}};
    for (int i = 0; i < items.size(); ++i) {
        auto *rb = new QRadioButton(items[i].first, parent);
        group->addButton(rb, int(items[i].second));
        into->addWidget(rb);
        if (i == 0)
            rb->setChecked(true);
    }
    return group;
}

QWidget *TVBusperso::namesTab()
{
    auto *w = new QWidget;
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Nombre"), m_nombre);
    form->addRow(QStringLiteral("Apellido &1º"), m_ap1);
    form->addRow(QStringLiteral("Apellido &2º"), m_ap2);
    auto *kinds = new QVBoxLayout;
    m_kinds.append(kindGroup(w, true, kinds));
    kinds->addStretch();
    auto *row = new QHBoxLayout(w);
    row->addLayout(form, 1);
    row->addLayout(kinds);
    return w;
}

QWidget *TVBusperso::oneInputTab(const QString &label, QLineEdit *edit, bool withInitials)
{
    auto *w = new QWidget;
    auto *form = new QFormLayout;
    form->addRow(label, edit);
    auto *kinds = new QVBoxLayout;
    m_kinds.append(kindGroup(w, withInitials, kinds));
    kinds->addStretch();
    auto *row = new QHBoxLayout(w);
    row->addLayout(form, 1);
    row->addLayout(kinds);
    return w;
}

QWidget *TVBusperso::datesTab()
{
    auto *w = new QWidget;
    auto *row = new QHBoxLayout(w);
    row->addWidget(new QLabel(QStringLiteral("Fecha nacimiento"), w));
    row->addWidget(m_date1);
    row->addWidget(new QLabel(QStringLiteral("a"), w));
    row->addWidget(m_date2);
    row->addStretch();
    m_kinds.append(nullptr);
    return w;
}

QWidget *TVBusperso::exclusionsTab()
{
    auto *w = new QWidget;
    auto *box = new QCheckBox(
        QStringLiteral("Mostrar en pantalla sólo los electores excluidos del sorteo"), w);
    box->setChecked(true);
    box->setEnabled(false);
    auto *l = new QVBoxLayout(w);
    l->addWidget(box);
    l->addStretch();
    m_kinds.append(nullptr);
    return w;
}

MatchKind TVBusperso::kindOf(int tab) const
{
    QButtonGroup *g = m_kinds.value(tab);
    return g ? MatchKind(g->checkedId()) : MatchKind::Exact;
}

void TVBusperso::setKind(int tab, MatchKind kind)
{
    if (QButtonGroup *g = m_kinds.value(tab))
        if (QAbstractButton *b = g->button(int(kind)))
            b->setChecked(true);
}

CensusSearchInput TVBusperso::input() const
{
    CensusSearchInput in;
    in.tab = CensusSearchTab(m_tabs->currentIndex());
    in.nombre = m_nombre->text();
    in.apellido1 = m_ap1->text();
    in.apellido2 = m_ap2->text();
    in.nameKind = kindOf(0);
    in.document = m_doc->text();
    in.documentKind = kindOf(1);
    in.from = m_date1->date();
    in.to = m_date2->date();
    in.nie = m_nie->text();
    in.nieKind = kindOf(3);
    in.nia = m_nia->text();
    in.niaKind = kindOf(4);
    return in;
}

namespace {

// Restores the normal cursor before any message of the search.
class CursorRestoring : public Interaction
{
public:
    explicit CursorRestoring(Interaction &inner) : m_inner(inner) {}
    void warn(const QString &t, const QString &x) override { restore(), m_inner.warn(t, x); }
    void error(const QString &t, const QString &x) override { restore(), m_inner.error(t, x); }
    void info(const QString &t, const QString &x) override { restore(), m_inner.info(t, x); }
    bool ask(const QString &t, const QString &x) override { return restore(), m_inner.ask(t, x); }
    void restore()
    {
        if (m_busy) {
            QApplication::restoreOverrideCursor();
            m_busy = false;
        }
    }
    void busy()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_busy = true;
    }

private:
    Interaction &m_inner;
    bool m_busy = false;
};

} // namespace

void TVBusperso::btProcesarClick()
{
    CursorRestoring ui(m_ui);
    bool found = false;
    ui.busy();
    try {
        found = RunCensusSearch(m_census, input(), ui);
    } catch (const std::exception &e) {
        ui.error(QStringLiteral("Error"), QString::fromUtf8(e.what()));
    }
    ui.restore();
    Q_EMIT searched();
    if (found)
        accept();
}

void TVBusperso::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        FocusNext(focusWidget());
        return;
    }
    QDialog::keyPressEvent(event); // Escape closes
}
