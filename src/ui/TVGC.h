#pragma once
// The progress window: borderless, on top, centred on the main window, a yellow panel
// `PanelProcesando` whose caption names the phase and the right-aligned counter `lbCont`.
// As Progress it shows itself on the first phase and keeps the window painted.

#include "util/Interaction.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

class TVGC : public QWidget, public Progress
{
    Q_OBJECT
public:
    explicit TVGC(QWidget *mainWindow);

    void phase(const QString &text) override;
    void count(const QString &text) override;
    void hide() override;
    void keepAlive() override;

    QString caption() const;
    QString counter() const;

private:
    void centre();
    void paintNow(bool force);
    QWidget *m_main;
    QLabel *m_caption;
    QLabel *m_counter;
    QElapsedTimer m_lastPaint;
};
