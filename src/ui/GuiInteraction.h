#pragma once
// Interaction through modal message boxes: warning, error, information, and Yes/No questions
// with No preselected. Button texts are Spanish.

#include "util/Interaction.h"

#include <QPointer>
#include <QWidget>

class GuiInteraction : public Interaction
{
public:
    explicit GuiInteraction(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void warn(const QString &title, const QString &text) override;
    void error(const QString &title, const QString &text) override;
    void info(const QString &title, const QString &text) override;
    bool ask(const QString &title, const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
