#pragma once
// The member draw: from the next draw number up to 1 + NUMSORTEOSRESERVA, every station's
// presidents and vocales with their substitutes are drawn among its candidates, written to
// `result`, stamped in `cinta`, and short stations recorded in `inc`; then the backup copy and
// the verdict (DrawBackup.h). The draws run in one transaction: an error undoes the whole run.

#include "draw/DrawRunResult.h"

#include <QDateTime>

class Store;
class Interaction;
class Progress;
class RandomSource;

// `now` names the backup folder (the clock when invalid).
DrawRunResult RunMemberDraw(Store &store, Interaction &ui, Progress &progress,
                            RandomSource &random, const QDateTime &now = {});
