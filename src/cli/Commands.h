#pragma once
// The commands of the command line, one function each.

#include "cli/CliContext.h"

int CmdInit(CliContext &ctx);
int CmdGeneral(CliContext &ctx);
int CmdStatus(CliContext &ctx);
int CmdLoadCensus(CliContext &ctx);
int CmdStations(CliContext &ctx);
int CmdDraw(CliContext &ctx);
int CmdResults(CliContext &ctx);
int CmdIncidents(CliContext &ctx);
