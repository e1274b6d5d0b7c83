#include "cli/slip_output.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <sstream>

#include "cli/output_document.h"
#include "print/print_job.h"
#include "print/qt_text_measurer.h"
#include "print/slip_pdf.h"
#include "print/slip_units.h"

namespace ruvo::cli {
namespace {

struct PageSizeName {
  std::string_view name;
  QPageSize::PageSizeId id;
};

constexpr std::array kPageSizes{
    PageSizeName{"A3", QPageSize::A3},              // 297 × 420 mm
    PageSizeName{"A4", QPageSize::A4},              // 210 × 297 mm, the default
    PageSizeName{"A5", QPageSize::A5},              // 148 × 210 mm
    PageSizeName{"B4", QPageSize::JisB4},           // JIS B4, 257 × 364 mm
    PageSizeName{"B5", QPageSize::JisB5},           // JIS B5, 182 × 257 mm
    PageSizeName{"Letter", QPageSize::Letter},      // 8.5 × 11 in
    PageSizeName{"Legal", QPageSize::Legal},        // 8.5 × 14 in
    PageSizeName{"Postcard", QPageSize::Postcard},  // 100 × 148 mm
};

}  // namespace

QPageSize::PageSizeId PageSizeNamed(const std::string& name) {
  for (const auto& row : kPageSizes) {
    if (QString::fromLatin1(row.name).compare(QString::fromStdString(name), Qt::CaseInsensitive) ==
        0) {
      return row.id;
    }
  }
  throw UsageError("option --page takes A3, A4, A5, B4, B5, Letter, Legal or Postcard, not '" +
                   name + "'");
}

bool WriteOnePagePdf(Context& ctx, const std::string& pdf, QPageSize::PageSizeId page,
                     const SlipPrintValues& values, const DrawList& list) {
  // Checked before the file is replaced: the PDF may replace the very file
  // standard output was redirected to.
  const bool onStandardOutput = DocumentGoesToStandardOutput(pdf);
  SlipPdf document(page, LabelTextToInt(values.dpiX), LabelTextToInt(values.dpiY));
  document.AddPage(list);
  const QByteArray bytes = document.Finish();
  // A file is replaced whole, so a failed write (disk full, no permission)
  // never leaves a shortened PDF behind.
  WriteDocument(ctx, pdf,
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return onStandardOutput;
}

PrintedPage PrintOnePage(SlipSession& session, const DrawList& list, const Context& ctx) {
  const auto start = std::chrono::steady_clock::now();
  PrintDrawList(session.Printer(), list);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  const PrinterInForce& inForce = session.InForce();
  // In UTF-8 the queue's own name, which CP932 may not be able to hold.
  const std::string printer =
      ctx.cp932 ? session.Printer().CurrentPrinterName() : session.Printer().CurrentPrinterQueue();
  std::ostringstream json;
  json << "\"printer\": " << JsonString(ctx, printer)
       << ", \"paper\": " << JsonString(ctx, ToOutput(ctx, inForce.paperName))
       << ", \"source\": " << JsonString(ctx, ToOutput(ctx, inForce.binName)) << ", \"dpi\": ["
       << session.PrintValues().dpiX << ", " << session.PrintValues().dpiY << "]";
  return {json.str(), took.count()};
}

std::vector<FieldOverflow> CheckSlipFit(const SlipSession& session, Context& ctx) {
  EnsureGuiApplication();
  std::vector<FieldOverflow> overflows =
      MeasureOverflows(session.Prepared().slip, session.PrintValues(), QtTextMeasurer());
  for (const FieldOverflow& overflow : overflows)
    Warn(ctx, OverflowWarning(overflow));
  return overflows;
}

std::string OverflowJson(const Context& ctx, const FieldOverflow& overflow) {
  return "{\"field\": " + JsonString(ctx, std::string(overflow.name)) +
         ", \"caption\": " + JsonString(ctx, ToOutput(ctx, overflow.caption)) +
         ", \"mm\": " + OverflowMmText(overflow.mm) + "}";
}

std::string OverflowListJson(const Context& ctx, const std::vector<FieldOverflow>& overflows) {
  std::string json = "[";
  for (std::size_t i = 0; i < overflows.size(); ++i)
    json += (i == 0 ? "" : ", ") + OverflowJson(ctx, overflows[i]);
  return json + "]";
}

std::size_t TextCount(const DrawList& list) {
  return static_cast<std::size_t>(std::count_if(
      list.begin(), list.end(), [](const DrawOp& op) { return op.shape == DrawShape::kText; }));
}

}  // namespace ruvo::cli
