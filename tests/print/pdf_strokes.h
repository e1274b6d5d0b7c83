#pragma once
// Reading back the lines and outlines a PDF holds, with their places:
// pdftocairo turns the page into SVG, whose stroked paths give their points
// in the page's coordinates.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/cups_test_server.h"

namespace ruvo::test {

// A stroked path: a line (two points) or a closed outline (its corners),
// in dots of `dpi` from the page's top-left corner.
struct PdfStroke {
  std::vector<std::pair<double, double>> points;
  bool closed = false;
};

inline std::vector<PdfStroke> StrokesOf(const std::filesystem::path& pdf, int dpi) {
  const std::string svg = RunCommand("pdftocairo -svg '" + pdf.string() + "' - 2>/dev/null");
  static const std::regex path(
      R"re(<path style="fill:none;[^"]*" d="([^"]*)"(?: transform="matrix\(([^)]*)\)")?)re");
  std::vector<PdfStroke> strokes;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator();
       ++it) {
    double m[6] = {1, 0, 0, 1, 0, 0};  // a b c d e f
    std::string matrix = (*it)[2];
    std::replace(matrix.begin(), matrix.end(), ',', ' ');
    std::istringstream(matrix) >> m[0] >> m[1] >> m[2] >> m[3] >> m[4] >> m[5];
    PdfStroke stroke;
    std::istringstream d((*it)[1]);
    std::string token;
    while (d >> token && !stroke.closed) {
      if (token == "Z") {
        stroke.closed = true;
      } else if (token == "M" || token == "L") {
        double x = 0;
        double y = 0;
        d >> x >> y;
        const double points = 72.0 / dpi;
        stroke.points.emplace_back((m[0] * x + m[2] * y + m[4]) / points,
                                   (m[1] * x + m[3] * y + m[5]) / points);
      }
    }
    strokes.push_back(std::move(stroke));
  }
  return strokes;
}

// Whether an outline's corners are (x, y) and (x2, y2), each within `tolerance` dots.
inline bool HasOutline(const std::vector<PdfStroke>& strokes, double x, double y, double x2,
                       double y2, double tolerance) {
  return std::any_of(strokes.begin(), strokes.end(), [&](const PdfStroke& s) {
    if (!s.closed || s.points.size() < 4) return false;
    double left = s.points[0].first, right = left, top = s.points[0].second, bottom = top;
    for (const auto& [px, py] : s.points) {
      left = std::min(left, px);
      right = std::max(right, px);
      top = std::min(top, py);
      bottom = std::max(bottom, py);
    }
    return std::abs(left - x) <= tolerance && std::abs(top - y) <= tolerance &&
           std::abs(right - x2) <= tolerance && std::abs(bottom - y2) <= tolerance;
  });
}

// Whether a line crosses (x, y) along one axis, lying on it within
// `tolerance` dots and reaching past it on both sides.
inline bool HasLineThrough(const std::vector<PdfStroke>& strokes, double x, double y, bool across,
                           double tolerance) {
  return std::any_of(strokes.begin(), strokes.end(), [&](const PdfStroke& s) {
    if (s.closed || s.points.size() != 2) return false;
    const auto [x1, y1] = s.points[0];
    const auto [x2, y2] = s.points[1];
    if (across) {
      return std::abs(y1 - y) <= tolerance && std::abs(y2 - y) <= tolerance &&
             std::min(x1, x2) < x && x < std::max(x1, x2);
    }
    return std::abs(x1 - x) <= tolerance && std::abs(x2 - x) <= tolerance && std::min(y1, y2) < y &&
           y < std::max(y1, y2);
  });
}

}  // namespace ruvo::test
