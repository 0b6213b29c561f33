#pragma once
// A dry run of the next draw: for every station and role the candidates and places, and the
// incidents the draw would record now. Changes nothing.

#include "draw/DrawSettings.h"

#include <QStringList>
#include <vector>

class Database;

struct DrawCheckRow
{
    DrawStation station;
    char role; // 'P' or 'V'
    int candidates;
    int places;
};

struct DrawCheckReport
{
    int nextDraw = 1;
    QStringList problems; // the messages that would stop the run before drawing
    std::vector<DrawCheckRow> rows;
    QStringList incidents;
};

DrawCheckReport CheckDraw(Database &db);
