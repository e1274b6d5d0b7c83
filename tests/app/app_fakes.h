#pragma once
// Stand-ins for the platform seams of the windows: message boxes answered
// from a script, desktop links recorded instead of opened.

#include <QStringList>
#include <QUrl>
#include <deque>

#include "app/desktop_links.h"
#include "app/message_boxes.h"

namespace ruvo::test {

// Questions are answered in order from `answers`; a question beyond the
// script is answered No and listed in `unexpected`, so a test sees it.
class ScriptedMessageBoxes final : public app::MessageBoxes {
 public:
  bool Ask(QWidget*, const QString& question) override {
    questions << question;
    if (answers.empty()) {
      unexpected << question;
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Notify(QWidget*, const QString& text) override { notices << text; }
  void ShowError(QWidget*, const QString& text) override { errors << text; }

  std::deque<bool> answers;
  QStringList questions;
  QStringList notices;
  QStringList errors;
  QStringList unexpected;
};

class RecordingLinks final : public app::DesktopLinks {
 public:
  void Open(const QUrl& url) override { opened << url; }
  QList<QUrl> opened;
};

}  // namespace ruvo::test
