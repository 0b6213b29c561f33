#pragma once
// A read-only grid over a BigTableModel: two-line titles, column widths in characters, the
// first columns kept in place while scrolling sideways, alternating light grey rows, fixed
// row heights (so millions of rows cost nothing to lay out).

#include <QTableView>

class BigTableModel;

class BigGrid : public QTableView
{
    Q_OBJECT
public:
    BigGrid(int fixedColumns, QWidget *parent = nullptr);
    // `model` may be a proxy over a BigTableModel; `columns` give the widths.
    void setGridModel(QAbstractItemModel *model, const BigTableModel &columns);
    QTableView *fixedPart() const { return m_fixed; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    void placeFixed();
    int m_fixedColumns;
    QTableView *m_fixed;
};
