// The games of a PGN collection as a table: number, White, Black, result,
// date, event, moves and why a game cannot be read. The model keeps the
// collection's index; the proxy filters by players and event and sorts.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <vector>

#include "records/pgn_collection.h"

namespace zarvo {

class GameListModel final : public QAbstractTableModel {
 public:
  enum Column { Number, White, Black, Result, Date, Event, Plies, Problem, COLUMNS };

  explicit GameListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void set_games(std::vector<PgnGameEntry> games);
  const PgnGameEntry* game(int row) const;
  // The row of game number, or -1.
  int row_of(int number) const;
  void mark(int number, const QString& reason);
  // What the filter looks through: players and event, in lower case.
  const QString& search_text(int row) const { return rows_[static_cast<size_t>(row)].search; }
  // The sort order of two rows by a column.
  bool less(int left, int right, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  // Texts made once: a list of 100,000 games is drawn, sorted and filtered from these.
  struct Row {
    QString white, black, result, date, event, problem, search;
  };
  std::vector<PgnGameEntry> games_;
  std::vector<Row> rows_;
};

class GameFilter final : public QSortFilterProxyModel {
 public:
  explicit GameFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
  // Games whose players or event contain text, in any case; empty shows all.
  void set_text(const QString& text);

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  QString needle_;
};

}  // namespace zarvo
