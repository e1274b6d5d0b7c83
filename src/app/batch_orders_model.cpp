#include "app/batch_orders_model.h"

#include <QColor>

#include "qt_text/qt_text.h"
#include "settings/sender_file.h"
#include "slip/slip_fields.h"

namespace ruvo::app {
namespace {

struct ColumnSpec {
  const char16_t* caption;
  int width;  // pixels; the verdict takes the rest
};

// The columns in Column order.
constexpr ColumnSpec kColumns[] = {
    {u"お届け先", 120}, {u"住所", 230},     {u"品名", 110},  {u"個数", 40}, {u"希望日", 60},
    {u"時間帯", 70},    {u"ご注文者", 100}, {u"依頼主", 60}, {u"判定", 0},
};

// An order with a problem stands out in a pale red, one with a warning in a
// pale yellow.
const QColor kProblemColour(255, 222, 222);
const QColor kWarningColour(255, 245, 200);
// An order printed a short while ago, in a pale blue.
const QColor kPrintedColour(220, 232, 255);

QString SlotCaption(const SlipRecord& slip) {
  for (std::size_t slot = 0; slot < slip.timeSlots.size(); ++slot) {
    if (slip.timeSlots[slot]) return Cp932ToQString(TimeSlotCaption(slot));
  }
  return {};
}

QString Joined(const std::vector<batch::BatchProblem>& problems, const QString& separator) {
  QStringList texts;
  for (const batch::BatchProblem& problem : problems)
    texts << BatchProblemText(problem);
  return texts.join(separator);
}

// "3/15" as the slip prints it; the file's own text when it was not read.
QString WishedDate(const batch::Order& order) {
  const SlipRecord& slip = order.slip;
  if (!slip.wishedMonth.empty() || !slip.wishedDay.empty())
    return Cp932ToQString(slip.wishedMonth + "/" + slip.wishedDay);
  return Cp932ToQString(order.wishedDate);
}

// The box the slip marks; the file's own text when the form has none for it.
QString TimeSlot(const batch::Order& order) {
  const QString caption = SlotCaption(order.slip);
  return caption.isEmpty() ? Cp932ToQString(order.timeSlot) : caption;
}

}  // namespace

QString BatchProblemText(const batch::BatchProblem& problem) {
  const QString reason = Cp932ToQString(problem.reason);
  return problem.column.empty() ? reason
                                : Cp932ToQString(problem.column) + QStringLiteral(": ") + reason;
}

BatchOrdersModel::BatchOrdersModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchOrdersModel::SetFile(const batch::OrderFile* file) {
  beginResetModel();
  file_ = file;
  earlier_.clear();
  endResetModel();
}

const batch::Order* BatchOrdersModel::OrderAt(int row) const {
  if (file_ == nullptr || row < 0 || static_cast<std::size_t>(row) >= file_->orders.size())
    return nullptr;
  return &file_->orders[static_cast<std::size_t>(row)];
}

int BatchOrdersModel::ColumnWidth(int column) {
  return kColumns[column].width;
}

int BatchOrdersModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || file_ == nullptr) return 0;
  return static_cast<int>(file_->orders.size());
}

int BatchOrdersModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant BatchOrdersModel::data(const QModelIndex& index, int role) const {
  const batch::Order* order = OrderAt(index.row());
  if (order == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
      return Text(*order, index.column());
    case Qt::BackgroundRole:
      if (!order->Printable()) return kProblemColour;
      if (!EarlierPrint(index.row()).isEmpty()) return kPrintedColour;
      if (!order->warnings.empty()) return kWarningColour;
      return {};
    case Qt::ToolTipRole: {
      QString tip = Joined(order->problems, QStringLiteral("\n"));
      const QString warnings = Joined(order->warnings, QStringLiteral("\n"));
      if (!tip.isEmpty() && !warnings.isEmpty()) tip += QStringLiteral("\n");
      tip += warnings;
      return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default:
      return {};
  }
}

QString BatchOrdersModel::Text(const batch::Order& order, int column) const {
  const SlipRecord& slip = order.slip;
  switch (column) {
    case kRecipient:
      return Cp932ToQString(slip.recipientName);
    case kAddress:
      return Cp932ToQString(slip.recipientAddress1 + slip.recipientAddress2 +
                            slip.recipientAddress3);
    case kGoods:
      return Cp932ToQString(slip.goods[0]);
    case kQuantity:
      return Cp932ToQString(slip.quantity);
    case kWishedDate:
      return WishedDate(order);
    case kTimeSlot:
      return TimeSlot(order);
    case kBuyer:
      return order.IsGift() ? Cp932ToQString(order.buyer) : QString();
    case kSender:
      return Cp932ToQString(settings::SenderTabCaption(order.senderSlot));
    case kVerdict: {
      const int row = static_cast<int>(&order - file_->orders.data());
      if (order.Printable() && file_->problems.empty() && !EarlierPrint(row).isEmpty())
        return QStringLiteral("%1 に印刷済み").arg(EarlierPrint(row));
      return Verdict(order);
    }
    default:
      return {};
  }
}

void BatchOrdersModel::SetEarlierPrints(std::vector<QString> earlier) {
  earlier_ = std::move(earlier);
  if (rowCount() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole});
  }
}

QString BatchOrdersModel::EarlierPrint(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= earlier_.size()) return {};
  return earlier_[static_cast<std::size_t>(row)];
}

// An order's own problems, then its warnings; an order without problems
// still waits while the file has one.
QString BatchOrdersModel::Verdict(const batch::Order& order) const {
  if (!order.Printable()) return Joined(order.problems, QStringLiteral("／"));
  if (!file_->problems.empty()) return QStringLiteral("ファイルの問題を直すと印刷できます");
  if (!order.warnings.empty())
    return QStringLiteral("印刷できます (") + Joined(order.warnings, QStringLiteral("／")) +
           QStringLiteral(")");
  return QStringLiteral("印刷できます");
}

QVariant BatchOrdersModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) {
    if (section < 0 || section >= kColumnCount) return {};
    return QString::fromUtf16(kColumns[section].caption);
  }
  // The rows a spreadsheet shows the order in: "3", or "3-5" for three items.
  const batch::Order* order = OrderAt(section);
  if (order == nullptr) return {};
  if (order->lastRow == order->row) return QString::number(order->row);
  return QStringLiteral("%1-%2").arg(order->row).arg(order->lastRow);
}

}  // namespace ruvo::app
