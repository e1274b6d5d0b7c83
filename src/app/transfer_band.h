#pragma once
// Band 1 of the main window: the paste box and the transfer into the
// recipient fields. It offers the memo's lines and tells when the transfer
// is asked for; its controls are its own.

#include <QFrame>
#include <cstddef>

#include "transfer/memo_lines.h"

class QPlainTextEdit;
class QPushButton;

namespace ruvo::app {

class HandlerGuard;

class TransferBand : public QFrame {
  Q_OBJECT

 public:
  // Its handlers run through `guard`.
  TransferBand(HandlerGuard& guard, QWidget* parent);

  // The memo's lines as CP932, up to the transfer's kMailLineLimit (a line
  // at most 4096 bytes is read, as the transfer reads them): a whole order
  // mail is read, not only the lines the hint asks for. `replaced` counts
  // characters that became "〓".
  MemoLines Lines(std::size_t& replaced) const;
  // Replaces the memo's content by `lines`, the caret at its first
  // character and the view scrolled to the top. The replacement is one
  // edit, so Ctrl+Z in the memo brings back what was there before.
  void SetLines(const MemoLines& lines);
  // Empties the memo (silver again).
  void Clear();

 signals:
  void transferRequested();
  void memoEntered();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Silver while the memo is empty, the window's background colour while
  // it holds text.
  void ShowEmpty();

  QPlainTextEdit* Memo1;
  QPushButton* BitBtn_1;
  QPushButton* BitBtn_MemoCLS;
};

}  // namespace ruvo::app
