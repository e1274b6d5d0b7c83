#pragma once
// Band 1 of the main window: the paste box and the transfer into the
// recipient fields.

#include <QFrame>

#include "transfer/memo_lines.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ruvo::app {

class TransferBand : public QFrame {
  Q_OBJECT

 public:
  explicit TransferBand(QWidget* parent);

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

  QPlainTextEdit* Memo1;
  QPushButton* BitBtn_1;
  QLabel* Label1;
  QLabel* Label8;
  QPushButton* BitBtn_MemoCLS;
  QLabel* Label12;

 private:
  // Silver while the memo is empty, the window's background colour while
  // it holds text.
  void Memo1Change();
};

}  // namespace ruvo::app
