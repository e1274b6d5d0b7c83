#include "app/program.h"

#include <cstdlib>
#include <string>

#include "app/form_main.h"
#include "app/qt_japanese.h"
#include "app/window_style.h"
#include "postal/postal_loader.h"
#include "print/lm_printers.h"
#include "print/qt_print_service.h"

namespace ruvo::app {
namespace {

// The dictionary the environment names for the process, "" for none.
std::string NamedZipDictionary() {
  const char* named = std::getenv(postal::kZipDictionaryVariable);
  return named == nullptr ? std::string() : std::string(named);
}

}  // namespace

// The program keeps its files in its working folder; the postal dictionary
// may be named there too, and its index imported there, and it is compiled
// in the user's cache folder.
Program::Program(const std::filesystem::path& workingFolder)
    : printService_(std::make_unique<QtPrintService>()),
      printer_(
          std::make_unique<TLmPrinter>(*printService_, TLmPrinter::FirstSnapshot::kAtFirstUse)),
      postal_(std::make_unique<postal::PostalDirectoryLoader>(postal::ResolvePostalSource(
          workingFolder, NamedZipDictionary(),
          postal::UserCacheFolder(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"))))) {
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
