#pragma once
// What the slip commands (render, print, calibrate, drawlist) share in their
// output: a draw list as a one-page PDF or as one print job with its report,
// and the texts that do not fit their boxes.

#include <QPageSize>
#include <string>
#include <vector>

#include "cli/cli_io.h"
#include "cli/slip_session.h"
#include "print/draw_op.h"
#include "print/slip_fit.h"

namespace ruvo::cli {

// The --page size named (any letter case): A3, A4, A5, B4, B5 (JIS),
// Letter, Legal or Postcard; UsageError for any other.
QPageSize::PageSizeId PageSizeNamed(const std::string& name);

// Paints `list` as a one-page PDF (origin at the paper's top-left corner)
// at the values' resolution and writes it as the document `pdf`. Returns
// whether it went where standard output goes, so that no report may follow.
bool WriteOnePagePdf(Context& ctx, const std::string& pdf, QPageSize::PageSizeId page,
                     const SlipPrintValues& values, const DrawList& list);

// A page printed: the report's keys "printer", "paper", "source" and "dpi"
// with their values (no braces), and the time the document took.
struct PrintedPage {
  std::string printerKeys;
  double ms = 0;
};

// Prints `list` as one document on the session's printer.
PrintedPage PrintOnePage(SlipSession& session, const DrawList& list, const Context& ctx);

// The slip's texts that run out of their boxes, measured with the installed
// fonts at the session's resolution, each also told on standard error as
// a warning ("おなまえが枠に収まりません (3.6 mm はみ出します)").
std::vector<FieldOverflow> CheckSlipFit(const SlipSession& session, Context& ctx);

// One overflow as a JSON object: {"field": "name", "caption": "おなまえ",
// "mm": 3.6}.
std::string OverflowJson(const Context& ctx, const FieldOverflow& overflow);

// All of them as a JSON list.
std::string OverflowListJson(const Context& ctx, const std::vector<FieldOverflow>& overflows);

// The number of texts in `list` (not its outlines and captions).
std::size_t TextCount(const DrawList& list);

}  // namespace ruvo::cli
