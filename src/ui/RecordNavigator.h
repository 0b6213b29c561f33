#pragma once
// The record navigator of the big grids: first, back 10 rows, previous, next, forward 10
// rows, last, acting on the current row of a table view.

#include <QWidget>

class QAbstractItemView;
class QToolButton;

class RecordNavigator : public QWidget
{
    Q_OBJECT
public:
    RecordNavigator(QAbstractItemView *view, QWidget *parent = nullptr);
    // Moves the current row by `delta` rows (clamped); `toEnd` goes to the first or last row.
    void move(int delta);
    void first();
    void last();

private:
    void go(int row);
    QToolButton *button(const QString &text, const QString &hint, const char *name);
    QAbstractItemView *m_view;
};
