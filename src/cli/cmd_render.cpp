// ruvo-slip render: the slip of a working directory as a one-page PDF, painted
// at the slip's resolution with the origin at the paper's top-left corner.
#include <QPageSize>
#include <array>
#include <ostream>

#include "cli/commands.h"
#include "cli/output_document.h"
#include "cli/slip_options.h"
#include "cli/slip_session.h"
#include "print/lm_d97_dot.h"
#include "print/print_job.h"
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

// The one-page PDF of `list`.
QByteArray PdfOf(QPageSize::PageSizeId page, int dpiX, int dpiY, const DrawList& list) {
  SlipPdf pdf(page, dpiX, dpiY);
  pdf.AddPage(list);
  return pdf.Finish();
}

}  // namespace

int RunRender(const Args& args, Context& ctx) {
  SlipOptions options;
  std::optional<std::string> pdf;
  std::string page = "A4";
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--pdf") {
      pdf = reader.Value();
    } else if (option == "--page") {
      page = reader.Value();
    } else if (!ReadSlipOption(option, reader, ctx, options)) {
      reader.Unknown();
    }
  }
  if (!pdf) throw UsageError("option --pdf FILE is required");
  const QPageSize::PageSizeId pageId = PageSizeNamed(page);
  EnsureGuiApplication();
  const SlipSession session(options, ctx);
  const DrawList list = SLIP97_Prn(session.Prepared().slip, session.PrintValues());
  const int dpiX = LabelTextToInt(session.PrintValues().dpiX);
  const int dpiY = LabelTextToInt(session.PrintValues().dpiY);
  // Checked before the file is replaced: the PDF may replace the very file
  // standard output was redirected to.
  const bool pdfOnStandardOutput = DocumentGoesToStandardOutput(*pdf);
  const QByteArray bytes = PdfOf(pageId, dpiX, dpiY, list);
  // A file is replaced whole, so a failed write (disk full, no permission)
  // never leaves a shortened PDF behind.
  WriteDocument(ctx, *pdf,
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (pdfOnStandardOutput) return 0;
  ctx.out << "{\"pdf\": " + JsonString(ctx, *pdf) + ", \"page\": " + JsonString(ctx, page) +
                 ", \"dpi\": [" + std::to_string(dpiX) + ", " + std::to_string(dpiY) +
                 "], \"texts\": " + std::to_string(list.size()) + "}\n";
  return 0;
}

}  // namespace ruvo::cli
