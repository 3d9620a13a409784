#include "PlotTitle.h"

#include "LogTimeText.h"
#include "NumberText.h"

#include <algorithm>

namespace {

const std::string SEPARATOR = "  \u00b7  ";

std::string Counted(std::size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The transponders with most replies first; a damaged log may name any number of them.
std::string TransponderList(const std::vector<int>& transponders) {
    constexpr std::size_t NAMED = 8;
    std::string list = transponders.size() == 1 ? "Tpdr " : "Tpdrs ";
    for (std::size_t i = 0; i < std::min(NAMED, transponders.size()); ++i)
        list += (i > 0 ? ", " : "") + std::to_string(transponders[i]);
    if (transponders.size() > NAMED)
        list += " and " + std::to_string(transponders.size() - NAMED) + " more";
    return list;
}

std::string ClosestText(const CLogSummary& summary, const RangeUnits& units) {
    const auto& closest = summary.Closest();
    if (!closest)
        return "no range";
    std::string text = "closest " + FormatFixed(units.FromMilliseconds(closest->dMs), 1) + " " +
                       units.Abbrev() + " at " + DateTimeText(closest->nSeconds);
    if (summary.Transponders().size() > 1)
        text += " (Tpdr " + std::to_string(closest->nTpdrNo) + ")";
    return text;
}

} // namespace

std::string PlotTitle(const CLogSummary& summary, const RangeUnits& units, std::size_t nSkipped) {
    const double noReplyShare =
        100.0 * static_cast<double>(summary.NoReplies()) / static_cast<double>(summary.Replies());
    std::string title = TransponderList(summary.Transponders()) + SEPARATOR +
                        DateTimeText(summary.First()) + " to " + DateTimeText(summary.Last()) +
                        SEPARATOR + Counted(summary.Replies(), "reply", "replies") + SEPARATOR +
                        "-NO REPLY- " + FormatFixed(noReplyShare, 1) + "%" + SEPARATOR +
                        ClosestText(summary, units);
    if (nSkipped > 0)
        title += SEPARATOR + Counted(nSkipped, "line", "lines") + " skipped";
    return title;
}
