#include "widgets/ov_num_edit_services.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {

bool QtNumClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

std::string QtNumClipboard::Text() const {
  return QStringToCp932(QGuiApplication::clipboard()->text()).bytes;
}

void QtNumClipboard::SetText(std::string_view cp932) {
  QGuiApplication::clipboard()->setText(Cp932ToQString(cp932));
}

void QtNumBeeper::Beep() {
  QApplication::beep();
}

bool WidgetWidthTest::TextFits(std::string_view value) const {
  return box_.TextFits(value);
}

}  // namespace ruvo
