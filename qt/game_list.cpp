#include "qt/game_list.h"

#include <QColor>
#include <QCoreApplication>

#include "shell/translation.h"

namespace zarvo {
namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Why a game cannot be read, in the window's language.
QString problem_text(const std::string& s) { return s.empty() ? QString() : qs(translate("Message", s)); }

}  // namespace

void GameListModel::set_games(std::vector<PgnGameEntry> games) {
  beginResetModel();
  games_ = std::move(games);
  rows_.clear();
  rows_.reserve(games_.size());
  for (const PgnGameEntry& g : games_) {
    Row r{qs(g.white), qs(g.black), qs(g.result), qs(g.date), qs(g.event), problem_text(g.problem), {}};
    r.search = (r.white + QChar('\n') + r.black + QChar('\n') + r.event).toLower();
    rows_.push_back(std::move(r));
  }
  endResetModel();
}

const PgnGameEntry* GameListModel::game(int row) const {
  return row >= 0 && row < static_cast<int>(games_.size()) ? &games_[static_cast<size_t>(row)] : nullptr;
}

int GameListModel::row_of(int number) const {
  // Games are kept in file order, numbered from 1.
  const int row = number - 1;
  return row >= 0 && row < static_cast<int>(games_.size()) && games_[static_cast<size_t>(row)].number == number ? row
                                                                                                                : -1;
}

void GameListModel::mark(int number, const QString& reason) {
  const int row = row_of(number);
  if (row < 0) return;
  games_[static_cast<size_t>(row)].problem = reason.toStdString();
  rows_[static_cast<size_t>(row)].problem = problem_text(games_[static_cast<size_t>(row)].problem);
  emit dataChanged(index(row, 0), index(row, COLUMNS - 1));
}

bool GameListModel::less(int left, int right, int column) const {
  const PgnGameEntry& a = games_[static_cast<size_t>(left)];
  const PgnGameEntry& b = games_[static_cast<size_t>(right)];
  const Row& ra = rows_[static_cast<size_t>(left)];
  const Row& rb = rows_[static_cast<size_t>(right)];
  const auto text = [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; };
  switch (column) {
    case White: return text(ra.white, rb.white);
    case Black: return text(ra.black, rb.black);
    case Result: return text(ra.result, rb.result);
    case Date: return text(ra.date, rb.date);
    case Event: return text(ra.event, rb.event);
    case Plies: return a.plies < b.plies;
    case Problem: return text(ra.problem, rb.problem);
    default: return a.number < b.number;
  }
}

int GameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int GameListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : COLUMNS; }

QVariant GameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const size_t row = static_cast<size_t>(index.row());
  const PgnGameEntry& g = games_[row];
  const Row& r = rows_[row];
  if (role == Qt::ToolTipRole) return r.problem.isEmpty() ? QVariant() : QVariant(r.problem);
  if (role == Qt::ForegroundRole && !r.problem.isEmpty()) return QColor(Qt::darkRed);
  // The sort role gives numbers for the number columns.
  if (role != Qt::DisplayRole && role != Qt::UserRole) return {};
  switch (index.column()) {
    case Number: return g.number;
    case White: return r.white;
    case Black: return r.black;
    case Result: return r.result;
    case Date: return r.date;
    case Event: return r.event;
    case Plies: return g.plies;
    case Problem: return r.problem;
    default: return {};
  }
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const titles[COLUMNS] = {
      QT_TRANSLATE_NOOP("RecordPanel", "番号"), QT_TRANSLATE_NOOP("RecordPanel", "白"),
      QT_TRANSLATE_NOOP("RecordPanel", "黒"),   QT_TRANSLATE_NOOP("RecordPanel", "結果"),
      QT_TRANSLATE_NOOP("RecordPanel", "日付"), QT_TRANSLATE_NOOP("RecordPanel", "大会"),
      QT_TRANSLATE_NOOP("RecordPanel", "手数"), QT_TRANSLATE_NOOP("RecordPanel", "読めない理由")};
  return section >= 0 && section < COLUMNS ? QCoreApplication::translate("RecordPanel", titles[section]) : QVariant();
}

void GameFilter::set_text(const QString& text) {
  needle_ = text.trimmed().toLower();
  // One new layout: removing the rows that go one range at a time makes the
  // view's header work for each of them.
  invalidate();
}

bool GameFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  // Straight from the model: a QVariant for each side of each comparison makes a
  // sort of 100,000 games take seconds.
  const auto* model = static_cast<const GameListModel*>(sourceModel());
  return model->less(left.row(), right.row(), left.column());
}

bool GameFilter::filterAcceptsRow(int source_row, const QModelIndex&) const {
  if (needle_.isEmpty()) return true;
  const auto* model = static_cast<const GameListModel*>(sourceModel());
  return model->search_text(source_row).contains(needle_);
}

}  // namespace zarvo
