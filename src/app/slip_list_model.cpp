#include "app/slip_list_model.h"

#include "journal/journal_time.h"
#include "qt_text/qt_text.h"

namespace ruvo::app {
namespace {

enum Column { kPrintedAt, kName, kZip, kAddress, kTel, kGoods, kFrom, kSlipNumber, kColumnCount };

// The captions in Column order.
constexpr const char16_t* kCaptions[] = {u"印刷日時", u"お届け先", u"郵便番号", u"住所",
                                         u"電話番号", u"品名",     u"印刷元",   u"伝票番号"};

// "画面", "一括 orders.csv 3 行目", "コマンド"; a reprint says so.
QString FromText(const journal::PrintedSlip& slip) {
  QString from;
  switch (slip.origin) {
    case journal::SlipOrigin::kWindow:
      from = QStringLiteral("画面");
      break;
    case journal::SlipOrigin::kBatch:
      from = QStringLiteral("一括 %1 %2 行目")
                 .arg(Cp932ToQString(slip.batchFile).section(u'/', -1))
                 .arg(slip.batchRow);
      break;
    case journal::SlipOrigin::kCommandLine:
      from = QStringLiteral("コマンド");
      break;
  }
  if (slip.reprintOf) from += QStringLiteral(" (再印刷)");
  return from;
}

QString CellText(const journal::PrintedSlip& printed, int column) {
  const SlipRecord& slip = printed.slip;
  switch (column) {
    case kPrintedAt:
      return QString::fromStdString(journal::WallText(printed.printedAt)).left(16);
    case kName:
      return Cp932ToQString(slip.recipientName);
    case kZip:
      return Cp932ToQString(slip.recipientZip);
    case kAddress:
      return Cp932ToQString(slip.recipientAddress1 + slip.recipientAddress2 +
                            slip.recipientAddress3);
    case kTel:
      return Cp932ToQString(slip.recipientTel);
    case kGoods:
      return Cp932ToQString(slip.goods[0]);
    case kFrom:
      return FromText(printed);
    case kSlipNumber:
      return Cp932ToQString(printed.slipNumber);
    default:
      return {};
  }
}

}  // namespace

SlipListModel::SlipListModel(FindPage find, QObject* parent)
    : QAbstractTableModel(parent), find_(std::move(find)) {}

void SlipListModel::Search(journal::SlipQuery query) {
  beginResetModel();
  query_ = std::move(query);
  query_.offset = 0;
  slips_.clear();
  more_ = false;
  journal::SlipPage page = find_(query_);
  slips_ = std::move(page.slips);
  more_ = page.more;
  endResetModel();
}

int SlipListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(slips_.size());
}

int SlipListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant SlipListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  return CellText(Slip(index.row()), index.column());
}

QVariant SlipListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumnCount)
    return {};
  return QString::fromUtf16(kCaptions[section]);
}

bool SlipListModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && more_;
}

void SlipListModel::fetchMore(const QModelIndex& parent) {
  if (!canFetchMore(parent)) return;
  journal::SlipQuery next = query_;
  next.offset = slips_.size();
  journal::SlipPage page = find_(next);
  more_ = page.more;
  if (page.slips.empty()) return;
  const int first = static_cast<int>(slips_.size());
  beginInsertRows({}, first, first + static_cast<int>(page.slips.size()) - 1);
  for (journal::PrintedSlip& slip : page.slips)
    slips_.push_back(std::move(slip));
  endInsertRows();
}

}  // namespace ruvo::app
