#pragma once
// Band 6 of the main window: the twelve function-key buttons in three
// groups of four. They never take the focus, so a click leaves the caret in
// its field.

#include <QFrame>
#include <QString>
#include <array>

class QToolButton;

namespace ruvo::app {

class FunctionKeyBar : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kKeyCount = 12;

  explicit FunctionKeyBar(QWidget* parent);

  // Every key disabled and captioned "F1" … "F12", then F2 "中止", F3
  // "CSV取込" (a shop's order file), F5 "履歴" (the printed slips), F6
  // "住所録" (the recipient book), F8 "〒更新" (the postal-code data's
  // update), F9 "プレビュー" and F11 "印刷" captioned and enabled: the bar as
  // the shown window has it.
  void ShowWindowKeys();

 signals:
  // The key's button was clicked; `number` counts from 1.
  void keyClicked(int number);

 private:
  // SpeedButton_F1 … SpeedButton_F12.
  QToolButton* Key(int number) const { return keys_.at(static_cast<std::size_t>(number - 1)); }

  std::array<QToolButton*, kKeyCount> keys_{};
};

}  // namespace ruvo::app
