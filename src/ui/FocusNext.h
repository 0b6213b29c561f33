#pragma once
// Moves the keyboard focus from a widget to the next control of its window, as Tab does.

class QWidget;

void FocusNext(QWidget *from);
