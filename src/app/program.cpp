#include "app/program.h"

#include "app/form_main.h"
#include "app/qt_japanese.h"
#include "app/window_style.h"
#include "postal/postal_loader.h"
#include "print/lm_printers.h"
#include "print/qt_print_service.h"

namespace ruvo::app {

// The postal dictionary may be named in the working folder's settings.
Program::Program(const std::filesystem::path& workingFolder)
    : printService_(std::make_unique<QtPrintService>()),
      printer_(
          std::make_unique<TLmPrinter>(*printService_, TLmPrinter::FirstSnapshot::kAtFirstUse)),
      postal_(std::make_unique<postal::PostalDirectoryLoader>(
          postal::ResolveZipDictionary(workingFolder))) {
  InstallQtJapanese(qtTexts_);
  UseWindowStyle();
  window_ = std::make_unique<TForm_Main>(AppServices{.printer = *printer_,
                                                     .boxes = boxes_,
                                                     .links = links_,
                                                     .workingFolder = workingFolder,
                                                     .files = settings::PlatformFileReplacer(),
                                                     .postal = postal_.get()});
}

Program::~Program() = default;

}  // namespace ruvo::app
