#include "ui/TVAcercade.h"

#include "shell/AssistantTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString TVAcercade::VersionText()
{
    return QStringLiteral("Versión ") + QStringLiteral(SORTEO_MESAS_VERSION);
}

TVAcercade::TVAcercade(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVAcercade"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
    setModal(true);
    auto *title = new QLabel(AssistantText::AppTitle(), this);
    title->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #800000;"));
    auto *jobs = new QLabel(
        AssistantText::DrawJob() + QStringLiteral("\n") + AssistantText::ListJob(), this);
    auto *version = new QLabel(VersionText(), this);
    version->setObjectName(QStringLiteral("lbVersion"));
    auto *issuer = new QLabel(
        QStringLiteral("Programa de la oficina electoral del Ayuntamiento para el sorteo de los\n"
                       "miembros de las mesas electorales y la exposición de las listas."),
        this);
    auto *ok = new QPushButton(QStringLiteral("&Aceptar"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(jobs);
    layout->addSpacing(8);
    layout->addWidget(version);
    layout->addWidget(issuer);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}
