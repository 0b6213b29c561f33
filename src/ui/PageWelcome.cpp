#include "ui/PageWelcome.h"

#include "shell/AssistantTexts.h"
#include "ui/TVAcercade.h"

#include <QLabel>
#include <QVBoxLayout>

PageWelcome::PageWelcome(QWidget *parent) : AssistantPage(0, parent)
{
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(24, 20, 24, 12);
    auto big = [this](const QString &text, int px, const char *colour) {
        auto *l = new QLabel(text, body());
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setStyleSheet(QStringLiteral("font-size: %1px; font-weight: bold; color: %2;")
                             .arg(px)
                             .arg(QLatin1String(colour)));
        return l;
    };
    layout->addStretch(1);
    auto *welcome = big(QStringLiteral("Bienvenido al asistente"), 16, "#404040");
    layout->addWidget(welcome);
    layout->addSpacing(18);
    auto *draw = big(AssistantText::DrawJob().toUpper(), 24, "#800000");
    draw->setObjectName(QStringLiteral("lbSorteo"));
    layout->addWidget(draw);
    layout->addSpacing(10);
    auto *list = big(AssistantText::ListJob().toUpper(), 20, "#a05000");
    list->setObjectName(QStringLiteral("lbListas"));
    layout->addWidget(list);
    layout->addSpacing(24);
    auto *hint = new QLabel(QStringLiteral("Pulse <b>Siguiente</b> para comenzar."), body());
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);
    layout->addStretch(2);
    auto *version = new QLabel(TVAcercade::VersionText(), body());
    version->setObjectName(QStringLiteral("lbVersion"));
    version->setAlignment(Qt::AlignRight);
    layout->addWidget(version);
}
