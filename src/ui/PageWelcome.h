#pragma once
// Page "Pg0": the welcome page with the names of the two jobs and the version label.

#include "ui/AssistantPage.h"

class PageWelcome : public AssistantPage
{
    Q_OBJECT
public:
    explicit PageWelcome(QWidget *parent = nullptr);
};
