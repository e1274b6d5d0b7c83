#pragma once
// The printed slips a history search finds, as a table a page at a time:
// the view asks for the next page when it is scrolled to the end, so a
// journal of a hundred thousand slips lists as fast as one of ten.

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "journal/journal_search.h"

namespace ruvo::app {

class SlipListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Finds a page of slips; runs inside the caller's guard, so an error of
  // the journal is shown and the page stays empty.
  using FindPage = std::function<journal::SlipPage(const journal::SlipQuery&)>;

  SlipListModel(FindPage find, QObject* parent);

  // Lists what `query` finds from its first page (query.offset is ignored).
  void Search(journal::SlipQuery query);
  const journal::PrintedSlip& Slip(int row) const {
    return slips_.at(static_cast<std::size_t>(row));
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

 private:
  FindPage find_;
  journal::SlipQuery query_;
  std::vector<journal::PrintedSlip> slips_;
  bool more_ = false;
};

}  // namespace ruvo::app
