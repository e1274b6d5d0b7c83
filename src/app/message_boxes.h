#pragma once
// The questions, notices and error boxes of the program, behind one small
// interface so that tests answer them from a script.

#include <QString>

class QMessageBox;
class QWidget;

namespace ruvo::app {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal Yes/No question without icon, captioned with the application
  // title; Yes is the default button and Escape answers No. True only for
  // Yes: closing the box otherwise counts as No.
  virtual bool Ask(QWidget* parent, const QString& question) = 0;
  // A notice with a single OK button, same caption.
  virtual void Notify(QWidget* parent, const QString& text) = 0;
  // An error box: the error's text, the application title, the error icon.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
};

// Widens `box` so that its title fits its title bar: a box sized to a short
// question ("印刷しますか?") would have the desktop cut the title
// ("◇ruvo... ovod").
void FitTitle(QMessageBox& box);

// The desktop's message boxes (QMessageBox, captions in the language of the
// loaded Qt translation), each as wide as its title.
class QtMessageBoxes final : public MessageBoxes {
 public:
  bool Ask(QWidget* parent, const QString& question) override;
  void Notify(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
};

}  // namespace ruvo::app
