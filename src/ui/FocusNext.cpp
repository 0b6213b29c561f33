#include "ui/FocusNext.h"

#include <QWidget>

void FocusNext(QWidget *from)
{
    if (!from)
        return;
    // A compound control (date picker, combo) takes the focus through its proxy.
    QWidget *start = from;
    for (QWidget *w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (w->window() != from->window() || w->focusProxy())
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            !from->isAncestorOf(w) && w != from->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
