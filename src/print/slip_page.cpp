#include "print/slip_page.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "print/slip_units.h"

namespace ruvo {
namespace {

constexpr long long kPointsPerInch = 72;

// Dots of `points` at `dpi`, rounded up.
long long PointsToDots(long long points, int dpi) {
  return (points * dpi + kPointsPerInch - 1) / kPointsPerInch;
}

// Whether a cell from `start` of `extent` dots shows a dot of [0, page).
bool Overlaps(long long start, long long extent, long long page) {
  return start + extent > 0 && start < page;
}

bool ShowsAcross(const DrawOp& op, int dpiX) {
  const long long width = PointsToDots(op.pointSize, dpiX) * static_cast<long long>(op.text.size());
  return Overlaps(op.x, width, PointsToDots(kLongestPagePoints, dpiX));
}

bool ShowsDown(const DrawOp& op, int dpiY) {
  return Overlaps(op.y, PointsToDots(op.pointSize, dpiY), PointsToDots(kLongestPagePoints, dpiY));
}

std::string MarginText(std::string_view name, int margin) {
  return std::string(name) + " margin " + std::to_string(margin);
}

SlipPositionError OffThePage(const std::string& blamed) {
  return SlipPositionError(blamed + " every text of the slip off the page");
}

}  // namespace

void ThrowIfMarginIsBeyondAnyPage(int dpiX, int dpiY, int top, int left) {
  if (std::llabs(top) >= PointsToDots(kLongestPagePoints, dpiY)) {
    throw OffThePage(MarginText("top", top) + " puts");
  }
  if (std::llabs(left) >= PointsToDots(kLongestPagePoints, dpiX)) {
    throw OffThePage(MarginText("left", left) + " puts");
  }
}

void ThrowIfEveryTextIsOffThePage(const DrawList& list, int dpiX, int dpiY, int top, int left) {
  const auto across = [&](const DrawOp& op) { return ShowsAcross(op, dpiX); };
  const auto down = [&](const DrawOp& op) { return ShowsDown(op, dpiY); };
  const auto shows = [&](const DrawOp& op) { return across(op) && down(op); };
  if (list.empty() || std::any_of(list.begin(), list.end(), shows)) return;
  const bool someDown = std::any_of(list.begin(), list.end(), down);
  const bool someAcross = std::any_of(list.begin(), list.end(), across);
  // Each text is off by one margin or the other; name the one that moved
  // them all, or both.
  if (!someDown && someAcross) throw OffThePage(MarginText("top", top) + " puts");
  if (!someAcross && someDown) throw OffThePage(MarginText("left", left) + " puts");
  throw OffThePage(MarginText("top", top) + " and " + MarginText("left", left) + " put");
}

}  // namespace ruvo
