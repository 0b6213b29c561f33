#pragma once
// A page of the assistant: its name ("Pg3"), the number in a circle at its top left (draw
// pages 1 to 7), its heading, and a body that the page fills.

#include <QWidget>

class QHBoxLayout;
class QLabel;

class AssistantPage : public QWidget
{
    Q_OBJECT
public:
    AssistantPage(int index, QWidget *parent = nullptr);
    int index() const { return m_index; }
    void setHeading(const QString &text);
    QString heading() const;
    QWidget *body() const { return m_body; }
    // Places a control at the right end of the heading line.
    void addHeadingWidget(QWidget *w);

private:
    int m_index;
    QLabel *m_heading = nullptr;
    QHBoxLayout *m_top = nullptr;
    QWidget *m_body;
};

// The page number painted in a circle.
class CircleNumber : public QWidget
{
    Q_OBJECT
public:
    CircleNumber(int number, QWidget *parent = nullptr);
    int number() const { return m_number; }
    QSize sizeHint() const override { return {26, 26}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_number;
};
