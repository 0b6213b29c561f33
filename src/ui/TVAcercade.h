#pragma once
// The About window: version label and who the program is for. Modal; Escape closes it.

#include <QDialog>

class TVAcercade : public QDialog
{
    Q_OBJECT
public:
    explicit TVAcercade(QWidget *parent = nullptr);
    static QString VersionText();
};
