#pragma once
// The picture's title line: the transponder, the first and last time, the replies, the share of
// "-NO REPLY-", the closest range and when, and the lines skipped as unreadable.

#include "CLogSummary.h"
#include "RangeUnits.h"

#include <cstddef>
#include <string>

std::string PlotTitle(const CLogSummary& summary, const RangeUnits& units, std::size_t nSkipped);
