#pragma once
// The printer group of the main window's band 4 ("プリンタセット"): the
// printer, paper size and source in force, shown in boxes the user cannot
// change; the paper-mode choice; the margins with their button; and the
// button that registers the paper mode's printer. It shows what it is given
// and tells its commands.

#include <QGroupBox>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace ruvo::app {

class PrinterGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit PrinterGroup(QWidget* parent);

  enum class List { kPrinters, kPaperSizes, kSources };
  // Lists `names` (CP932) with `index` selected, -1 for none.
  void ShowList(List list, const std::vector<std::string>& names, int index);
  // Leaves the list's items and selects none.
  void Unselect(List list);
  // The printer list cannot be read for the rest of the run.
  void DisablePrinters();
  // Names a registered printer that is not there over the printer list;
  // nothing takes the name away.
  void ShowMissingPrinter(const std::optional<std::string>& name);

  // The paper mode: 0 "手差し", 1 "連続(４インチ)", -1 while none is chosen.
  int PaperMode() const;
  // Chooses `mode` without paperModeChosen.
  void SelectPaperMode(int mode);
  // The chosen mode's text as the registration file names its section
  // (CP932; empty while none is chosen).
  std::string PaperModeText() const;

  // The margins in printer dots, as typed.
  void ShowMargins(const std::string& top, const std::string& left);

  // Tab and Enter go on from `previous` to the paper mode and the group's
  // buttons; the last of them is returned.
  QWidget* ChainTabOrderAfter(QWidget* previous);

 signals:
  void paperModeChosen();
  void registerPrinterRequested();
  void marginsRequested();

 private:
  QComboBox* Box(List list) const;

  QComboBox* ComboBox_Printer;
  QComboBox* ComboBox_Paper;
  QComboBox* ComboBox_Source;
  QComboBox* ComboBox_SEL;
  QPushButton* BitBtn_PrnSet2;
  QLabel* Label_Prn_Top;
  QLabel* Label_Prn_Left;
  QPushButton* BitBtn_PrnSet;
};

}  // namespace ruvo::app
