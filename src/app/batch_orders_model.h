#pragma once
// The orders of an order file as the batch dialog's table shows them, one
// row an order: what its slip would print, who ordered a gift, the values
// the form refused as the file wrote them, and the verdict. The rows are
// made as the view asks for them, so that a file of 100,000 orders shows at
// once.

#include <QAbstractTableModel>
#include <vector>

#include "batch/order_file.h"

namespace ruvo::app {

class BatchOrdersModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    kRecipient,
    kAddress,
    kGoods,
    kQuantity,
    kWishedDate,
    kTimeSlot,
    kBuyer,
    kSender,
    kVerdict,
    kColumnCount
  };

  explicit BatchOrdersModel(QObject* parent = nullptr);

  // Shows `file` (kept by the caller while shown); null shows nothing.
  void SetFile(const batch::OrderFile* file);
  const batch::Order* OrderAt(int row) const;
  // Per order, when its slip was printed a short while ago ("本日 14:05"),
  // or empty: such an order is marked.
  void SetEarlierPrints(std::vector<QString> earlier);

  // Pixels a column is wide at first; the verdict takes the rest.
  static int ColumnWidth(int column);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Text(const batch::Order& order, int column) const;
  QString Verdict(const batch::Order& order) const;

  QString EarlierPrint(int row) const;

  const batch::OrderFile* file_ = nullptr;
  std::vector<QString> earlier_;
};

// "個数: 個数は 1 から 999 までの数で書いてください"; a problem of a row as a
// whole has no column.
QString BatchProblemText(const batch::BatchProblem& problem);

}  // namespace ruvo::app
