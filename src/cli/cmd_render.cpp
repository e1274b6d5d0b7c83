// ruvo-slip render: the slip of a working directory as a one-page PDF, painted
// at the slip's resolution with the origin at the paper's top-left corner;
// with --proof, the outlines of its boxes laid over it.
#include <ostream>

#include "cli/commands.h"
#include "cli/slip_options.h"
#include "cli/slip_output.h"
#include "cli/slip_session.h"
#include "print/lm_d97_dot.h"
#include "print/slip_proof.h"

namespace ruvo::cli {

int RunRender(const Args& args, Context& ctx) {
  SlipOptions options;
  std::optional<std::string> pdf;
  std::string page = "A4";
  bool proof = false;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--pdf") {
      pdf = reader.Value();
    } else if (option == "--page") {
      page = reader.Value();
    } else if (option == "--proof") {
      proof = true;
    } else if (!ReadSlipOption(option, reader, ctx, options)) {
      reader.Unknown();
    }
  }
  if (!pdf) throw UsageError("option --pdf FILE is required");
  const QPageSize::PageSizeId pageId = PageSizeNamed(page);
  EnsureGuiApplication();
  const SlipSession session(options, ctx);
  const SlipRecord& slip = session.Prepared().slip;
  DrawList list = SLIP97_Prn(slip, session.PrintValues());  // refuses bad values first
  const std::vector<FieldOverflow> overflows = CheckSlipFit(session, ctx);
  if (proof) list = SlipProof(slip, session.PrintValues(), overflows);
  if (WriteOnePagePdf(ctx, *pdf, pageId, session.PrintValues(), list)) return 0;
  ctx.out << "{\"pdf\": " + JsonString(ctx, *pdf) + ", \"page\": " + JsonString(ctx, page) +
                 ", \"dpi\": [" + session.PrintValues().dpiX + ", " + session.PrintValues().dpiY +
                 "], \"texts\": " + std::to_string(TextCount(list)) +
                 ", \"overflow\": " + OverflowListJson(ctx, overflows) + "}\n";
  return 0;
}

}  // namespace ruvo::cli
