#include "ui/GuiInteraction.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

void show(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void GuiInteraction::warn(const QString &title, const QString &text)
{
    show(m_parent, QMessageBox::Warning, title, text);
}

void GuiInteraction::error(const QString &title, const QString &text)
{
    show(m_parent, QMessageBox::Critical, title, text);
}

void GuiInteraction::info(const QString &title, const QString &text)
{
    show(m_parent, QMessageBox::Information, title, text);
}

bool GuiInteraction::ask(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, m_parent);
    QPushButton *yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
