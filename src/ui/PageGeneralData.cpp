#include "ui/PageGeneralData.h"

#include "shell/AssistantTexts.h"
#include "stations/GeneralDataFields.h"
#include "store/Store.h"
#include "ui/FocusNext.h"
#include "util/DateUtils.h"
#include "util/Interaction.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// The value a date picker shows for an empty date.
QDate blankDate()
{
    return QDate(1899, 12, 30);
}

QString controlName(const QString &field)
{
    return QStringLiteral("c") + field.left(1) + field.mid(1).toLower();
}

} // namespace

PageGeneralData::PageGeneralData(Store &store, Interaction &ui, QWidget *parent)
    : AssistantPage(1, parent), m_store(store), m_ui(ui)
{
    auto label = [this](const QString &field) {
        return new QLabel(GeneralDataFieldFor(field)->label, body());
    };
    auto wrapped = [this](const QString &field) {
        auto *l = new QLabel(GeneralDataFieldFor(field)->label, body());
        l->setWordWrap(true);
        return l;
    };
    auto grid = [](QGroupBox *box) {
        auto *g = new QGridLayout(box);
        g->setContentsMargins(6, 2, 6, 2);
        g->setHorizontalSpacing(5);
        g->setVerticalSpacing(2);
        return g;
    };
    const int labelWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("Circunscripción Elect"));

    // Election and zone electoral board.
    auto *election = new QGroupBox(QStringLiteral(" Elecciones y Junta Electoral "), body());
    QGridLayout *e = grid(election);
    e->setColumnMinimumWidth(0, labelWidth);
    int r = 0;
    e->addWidget(wrapped(QStringLiteral("FECHAELECTORAL")), r, 0);
    e->addWidget(makeControl(QStringLiteral("FECHAELECTORAL")), r++, 1, 1, 3);
    e->addWidget(wrapped(QStringLiteral("FECHASORTEO")), r, 0);
    e->addWidget(makeControl(QStringLiteral("FECHASORTEO")), r, 1);
    e->addWidget(wrapped(QStringLiteral("HORASORTEO")), r, 2, Qt::AlignRight);
    e->addWidget(makeControl(QStringLiteral("HORASORTEO")), r++, 3);
    for (const char *f :
         {"TIPOELECCIONES", "TIPOELECCIONES_LARGO", "JUNTADE", "CIRC", "DOMICILIOJUNTAE"}) {
        e->addWidget(wrapped(QLatin1String(f)), r, 0);
        e->addWidget(makeControl(QLatin1String(f)), r++, 1, 1, 3);
    }
    {
        auto *phones = new QHBoxLayout;
        phones->setSpacing(4);
        phones->addWidget(makeControl(QStringLiteral("TELEFONOJUNTAE")));
        phones->addSpacing(6);
        phones->addWidget(
            new QLabel(GeneralDataFieldFor(QStringLiteral("FAXJUNTAE"))->label, body()));
        phones->addWidget(makeControl(QStringLiteral("FAXJUNTAE")));
        phones->addStretch(1);
        e->addWidget(wrapped(QStringLiteral("TELEFONOJUNTAE")), r, 0);
        e->addLayout(phones, r++, 1, 1, 3);
    }
    e->addWidget(wrapped(QStringLiteral("HORARIOJUNTAE")), r, 0);
    e->addWidget(makeControl(QStringLiteral("HORARIOJUNTAE")), r++, 1, 1, 3);
    e->setColumnStretch(1, 1);
    e->setRowStretch(r, 1);

    // Issuing body and its officers.
    auto *body2 = new QGroupBox(QStringLiteral(" Organismo emisor "), body());
    QGridLayout *o = grid(body2);
    r = 0;
    for (const char *f : {"NOMBREAYTO", "DOMICILIOAYTO"}) {
        o->addWidget(label(QLatin1String(f)), r, 0);
        o->addWidget(makeControl(QLatin1String(f)), r++, 1);
    }
    {
        auto *phones = new QHBoxLayout;
        phones->setSpacing(4);
        phones->addWidget(makeControl(QStringLiteral("TELEFONOAYTO")));
        phones->addWidget(
            new QLabel(GeneralDataFieldFor(QStringLiteral("CPOSTAYTO"))->label, body()));
        phones->addWidget(makeControl(QStringLiteral("CPOSTAYTO")));
        phones->addStretch(1);
        o->addWidget(label(QStringLiteral("TELEFONOAYTO")), r, 0);
        o->addLayout(phones, r++, 1);
    }
    for (const char *f : {"MUNICIPIOAYTO", "PROVINCIAAYTO", "NOMBREALCALDE", "NOMBRESECRETARIO",
                          "SRJUEZ", "SRJUEZLUGAR", "OTROUSO1"}) {
        o->addWidget(label(QLatin1String(f)), r, 0);
        o->addWidget(makeControl(QLatin1String(f)), r++, 1);
    }
    o->setColumnStretch(1, 1);
    o->setRowStretch(r, 1);

    // Requirements of the draw.
    auto *req = new QGroupBox(QStringLiteral(" Requisitos del sorteo "), body());
    QGridLayout *q = grid(req);
    auto titled = [this](const QString &first) {
        auto *l = new QLabel(first + QStringLiteral("\n(Desde - Hasta)"), body());
        return l;
    };
    q->addWidget(titled(QStringLiteral("TITULACION PRESIDENTES")), 0, 0);
    q->addWidget(makeControl(QStringLiteral("P_TITULO_1")), 0, 1);
    q->addWidget(makeControl(QStringLiteral("P_TITULO_2")), 0, 2);
    q->addWidget(titled(QStringLiteral("TITULACION VOCALES")), 1, 0);
    q->addWidget(makeControl(QStringLiteral("V_TITULO_1")), 1, 1);
    q->addWidget(makeControl(QStringLiteral("V_TITULO_2")), 1, 2);
    q->addWidget(new QLabel(GeneralDataFieldFor(QStringLiteral("EDAD1"))->label, body()), 0, 3);
    q->addWidget(makeControl(QStringLiteral("EDAD1")), 0, 4);
    q->addWidget(new QLabel(GeneralDataFieldFor(QStringLiteral("EDAD2"))->label, body()), 1, 3);
    q->addWidget(makeControl(QStringLiteral("EDAD2")), 1, 4);
    q->addWidget(makeControl(QStringLiteral("NUMSORTEOSRESERVA")), 0, 5, 2, 1);
    q->addWidget(makeControl(QStringLiteral("SORTEARCERE")), 0, 6, 2, 1);
    auto *save = new QPushButton(QStringLiteral("Guardar cambios"), body());
    save->setObjectName(QStringLiteral("btGuardarCambios"));
    save->setToolTip(QStringLiteral("Guardar modificaciones"));
    save->setStatusTip(save->toolTip());
    connect(save, &QPushButton::clicked, this, &PageGeneralData::btGuardarCambiosClick);
    addHeadingWidget(save);
    q->setColumnStretch(1, 1);
    q->setColumnStretch(2, 1);

    auto *layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(election, 0, 0);
    body2->setMaximumWidth(288);
    layout->addWidget(body2, 0, 1);
    layout->addWidget(req, 1, 0, 1, 2);
    layout->setColumnStretch(0, 5);
    layout->setColumnStretch(1, 3);

    // Tab order follows the field list.
    QWidget *previous = nullptr;
    for (const GeneralDataField &f : GeneralDataFields()) {
        QWidget *w = m_controls.value(f.field);
        if (f.kind == GeneralFieldKind::Reserve)
            w = m_reserve->button(0);
        if (previous && w)
            setTabOrder(previous, w);
        previous = w;
    }
}

QWidget *PageGeneralData::makeControl(const QString &field)
{
    const GeneralDataField *f = GeneralDataFieldFor(field);
    QWidget *w = nullptr;
    switch (f->kind) {
    case GeneralFieldKind::Text:
        w = makeText(field, f->width);
        break;
    case GeneralFieldKind::Date:
        w = makeDate(field);
        break;
    case GeneralFieldKind::Time: {
        m_time = new QLineEdit(body());
        m_time->setInputMask(QStringLiteral("99:99; "));
        m_time->setFixedWidth(m_time->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) +
                              12);
        m_time->installEventFilter(this);
        connect(m_time, &QLineEdit::textEdited, this, [this] {
            m_record.setValue(QStringLiteral("HORASORTEO"), m_time->displayText());
        });
        w = m_time;
        break;
    }
    case GeneralFieldKind::Age: {
        auto *e = new QLineEdit(body());
        e->setMaxLength(2);
        e->setValidator(new QIntValidator(0, 99, e));
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10);
        connect(e, &QLineEdit::textEdited, this, [this, field](const QString &text) {
            m_record.setValue(field, text.isEmpty() ? QVariant() : QVariant(text.toLongLong()));
        });
        w = e;
        break;
    }
    case GeneralFieldKind::Education:
        w = makeEducation(field);
        break;
    case GeneralFieldKind::Reserve: {
        auto *box = new QGroupBox(f->label, body());
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(f->label));
        m_reserve = new QButtonGroup(box);
        auto *row = new QHBoxLayout(box);
        row->setContentsMargins(6, 2, 6, 2);
        row->setSpacing(2);
        for (int i = 0; i < 3; ++i) {
            auto *rb = new QRadioButton(QString::number(i), box);
            m_reserve->addButton(rb, i);
            row->addWidget(rb);
        }
        connect(m_reserve, &QButtonGroup::idClicked, this,
                [this, field](int id) { m_record.setValue(field, qint64(id)); });
        w = box;
        break;
    }
    case GeneralFieldKind::Cere:
        m_cere = new QCheckBox(
            QString(f->label).replace(QStringLiteral(" en "), QStringLiteral("\nen ")), body());
        connect(m_cere, &QCheckBox::clicked, this, [this, field](bool on) {
            m_record.setValue(field, on ? QStringLiteral("S") : QStringLiteral("N"));
        });
        w = m_cere;
        break;
    }
    w->setObjectName(controlName(field));
    m_controls.insert(field, w);
    return w;
}

QLineEdit *PageGeneralData::makeText(const QString &field, int width)
{
    auto *e = new QLineEdit(body());
    e->setMaxLength(width);
    if (width <= 9)
        e->setFixedWidth(e->fontMetrics().averageCharWidth() * width + 12);
    connect(e, &QLineEdit::textEdited, this, [this, e, field](const QString &text) {
        m_record.setValue(field, text);
        // A full field moves the caret on to the next one.
        if (text.size() >= e->maxLength() && e->cursorPosition() == text.size())
            FocusNext(e);
    });
    return e;
}

QDateEdit *PageGeneralData::makeDate(const QString &field)
{
    auto *d = new QDateEdit(body());
    d->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    d->setDisplayFormat(LongDateFormat());
    d->setCalendarPopup(true);
    d->calendarWidget()->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    d->calendarWidget()->setLocale(d->locale());
    d->setMinimumDate(blankDate());
    d->setSpecialValueText(QStringLiteral(" "));
    connect(d, &QDateEdit::dateChanged, this, [this, field](const QDate &date) {
        if (!m_showing)
            m_record.setValue(field, date == blankDate() ? QVariant() : QVariant(date));
    });
    return d;
}

QComboBox *PageGeneralData::makeEducation(const QString &field)
{
    auto *c = new QComboBox(body());
    c->addItems(EducationEntries());
    c->setMaxVisibleItems(4);
    c->setEditable(false);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(3);
    c->view()->setMinimumWidth(c->view()->sizeHintForColumn(0) + 24);
    c->installEventFilter(this);
    connect(c, &QComboBox::activated, this,
            [this, field](int index) { m_record.setValue(field, qint64(index + 1)); });
    return c;
}

void PageGeneralData::load()
{
    m_record.load(m_store.db());
    showRecord();
}

void PageGeneralData::showRecord()
{
    m_showing = true;
    for (const GeneralDataField &f : GeneralDataFields()) {
        const QVariant v = m_record.value(f.field);
        QWidget *w = m_controls.value(f.field);
        switch (f.kind) {
        case GeneralFieldKind::Text:
        case GeneralFieldKind::Time:
        case GeneralFieldKind::Age:
            static_cast<QLineEdit *>(w)->setText(v.isNull() ? QString() : v.toString());
            break;
        case GeneralFieldKind::Date: {
            const QDate d = v.toDate();
            static_cast<QDateEdit *>(w)->setDate(d.isValid() ? d : blankDate());
            break;
        }
        case GeneralFieldKind::Education:
            static_cast<QComboBox *>(w)->setCurrentIndex(EducationIndex(v.toLongLong()));
            break;
        case GeneralFieldKind::Reserve: {
            QAbstractButton *b = m_reserve->button(int(v.toLongLong()));
            m_reserve->setExclusive(false);
            for (QAbstractButton *x : m_reserve->buttons())
                x->setChecked(false);
            m_reserve->setExclusive(true);
            if (b && !v.isNull())
                b->setChecked(true);
            break;
        }
        case GeneralFieldKind::Cere:
            m_cere->setChecked(v.toString() == QLatin1String("S"));
            break;
        }
    }
    m_showing = false;
}

void PageGeneralData::timeFieldLeft()
{
    const QString shown = m_record.leaveTimeField(m_time->displayText());
    if (m_record.isEditing())
        m_time->setText(shown);
}

void PageGeneralData::commitTyping()
{
    QWidget *focus = focusWidget();
    if (focus == m_time)
        timeFieldLeft();
    if (focus && isAncestorOf(focus))
        FocusNext(focus);
}

bool PageGeneralData::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_time) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, m_time, [this] { m_time->setCursorPosition(5); });
        else if (event->type() == QEvent::FocusOut)
            timeFieldLeft();
    } else if (event->type() == QEvent::FocusIn) {
        // The education lists drop down on entry.
        if (auto *c = qobject_cast<QComboBox *>(watched);
            c && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
            QTimer::singleShot(0, c, [c] {
                if (c->hasFocus())
                    c->showPopup();
            });
    }
    return AssistantPage::eventFilter(watched, event);
}

void PageGeneralData::btGuardarCambiosClick()
{
    commitTyping();
    m_record.edit();
    try {
        m_record.post(m_store.db());
    } catch (const std::exception &e) {
        m_ui.error(AssistantText::AppTitle(), QString::fromUtf8(e.what()));
    }
    showRecord();
}
