#pragma once
// The station table `mesas`: its rebuild from the census and the number of members to draw.

#include <QtGlobal>

class Database;
class Progress;

// Default numbers of a station, built from the census or added by hand.
constexpr int kDefaultPresi = 1;
constexpr int kDefaultPresiS = 2;
constexpr int kDefaultVocal = 2;
constexpr int kDefaultVocalS = 2;

// Empties `mesas` and adds one row per distinct district, section and station letter of
// `cinta` (in that order) with the default numbers and its number of voters. One transaction.
// Returns the number of stations.
int RebuildStationsFromCensus(Database &db, Progress *progress = nullptr);
// Sum over all stations of PRESI*PRESI_S + PRESI + VOCAL*VOCAL_S + VOCAL.
qint64 TotalMembersNeeded(Database &db);
