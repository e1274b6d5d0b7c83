#pragma once
// Qt's own texts (the buttons of message boxes and standard dialogs) in
// Japanese, like every text of the program.

class QTranslator;

namespace ruvo::app {

// Loads Qt's Japanese translation into `translator` and installs it in the
// application; false when the translation is not installed (Qt's texts then
// stay English).
bool InstallQtJapanese(QTranslator& translator);

}  // namespace ruvo::app
