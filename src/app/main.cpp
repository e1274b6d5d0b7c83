// ruvo_Rezovod: the consignment-slip program. No arguments are read; it keeps
// its files in the folder it is started in, and runs once per user and
// display.
#include <QApplication>
#include <filesystem>

#include "app/form_main.h"
#include "app/program.h"
#include "app/single_instance.h"

int main(int argc, char** argv) {
  using namespace ruvo::app;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ruvo_Rezovod"));

  SingleInstance instance(SingleInstance::InstanceName());
  if (instance.AnotherIsRunning()) return 0;

  Program program(std::filesystem::current_path());
  program.Window().ComeForwardFor(instance);
  program.Window().show();
  return QApplication::exec();
}
