#include "app/program.h"

#include "app/form_main.h"
#include "app/qt_japanese.h"
#include "print/lm_printers.h"
#include "print/qt_print_service.h"

namespace ruvo::app {

Program::Program()
    : printService_(std::make_unique<QtPrintService>()),
      printer_(std::make_unique<TLmPrinter>(*printService_)) {
  InstallQtJapanese(qtTexts_);
  window_ = std::make_unique<TForm_Main>(
      AppServices{.printer = *printer_, .boxes = boxes_, .links = links_});
}

Program::~Program() = default;

}  // namespace ruvo::app
