// ruvo_Rezovod: the consignment-slip program. No arguments are read; it keeps
// its files in the folder it is started in, and runs once per user.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/desktop_links.h"
#include "app/form_main.h"
#include "app/message_boxes.h"
#include "app/single_instance.h"
#include "print/lm_printers.h"
#include "print/qt_print_service.h"

int main(int argc, char** argv) {
  using namespace ruvo;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ruvo_Rezovod"));

  app::SingleInstance instance(app::SingleInstance::InstanceName());
  if (instance.AnotherIsRunning()) return 0;

  // Qt's own buttons and dialogs in Japanese, like every text of the program.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  QtPrintService printService;
  TLmPrinter printer(printService);
  app::QtMessageBoxes boxes;
  app::QtDesktopLinks links;
  app::TForm_Main window({printer, boxes, links});
  QObject::connect(&instance, &app::SingleInstance::raiseRequested, &window,
                   &app::TForm_Main::BringForward);
  window.show();
  return QApplication::exec();
}
