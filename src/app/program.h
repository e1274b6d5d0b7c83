#pragma once
// The program's parts in the order they come to life: Qt's Japanese texts,
// the printer layer over the system's print service (before any window),
// the desktop's message boxes and links, and the main window. main() adds
// the single-instance check and the event loop.

#include <QTranslator>
#include <filesystem>
#include <memory>

#include "app/desktop_links.h"
#include "app/message_boxes.h"

namespace ruvo {
class QtPrintService;
class TLmPrinter;
}  // namespace ruvo

namespace ruvo::postal {
class PostalDirectoryLoader;
}

namespace ruvo::app {

class TForm_Main;

class Program {
 public:
  // The program working in `workingFolder`; needs a QApplication.
  explicit Program(const std::filesystem::path& workingFolder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  TForm_Main& Window() { return *window_; }

 private:
  QTranslator qtTexts_;
  std::unique_ptr<QtPrintService> printService_;
  std::unique_ptr<TLmPrinter> printer_;
  QtMessageBoxes boxes_;
  QtDesktopLinks links_;
  std::unique_ptr<postal::PostalDirectoryLoader> postal_;
  std::unique_ptr<TForm_Main> window_;
};

}  // namespace ruvo::app
