#include "qt/record_panel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "game/record_panel.h"
#include "qt/canvas.h"
#include "qt/game_list.h"
#include "qt/installers.h"
#include "qt/main_window.h"
#include "records/pgn.h"
#include "records/record_storage.h"
#include "shell/app.h"

namespace zarvo {
namespace {

// A control's place in twips of the client area, in logical pixels at the board's scale.
QRect twips(int left, int top, int width, int height, double scale) {
  const auto px = [scale](int t) { return static_cast<int>(std::lround(t * scale / TWIPS_PER_PIXEL)); };
  const int l = px(left), t = px(top);
  // Both ends rounded alike, so neighbouring controls still meet.
  return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

// Paths cross the seam as the file system's own bytes.
std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString from_native(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The caption control array Label1(0..3) and the field each one names.
struct Caption {
  const char* text;
  int top;
  PanelText field;
  const char* field_name;
};
constexpr std::array<Caption, 4> CAPTIONS = {{
    {QT_TRANSLATE_NOOP("RecordPanel", "ﾌｧｲﾙ名 ："), 3120, PanelText::FileName, "Text1"},
    {QT_TRANSLATE_NOOP("RecordPanel", "後    手 ："), 2880, PanelText::SecondPlayer, "Text4"},
    {QT_TRANSLATE_NOOP("RecordPanel", "先    手 ："), 2640, PanelText::FirstPlayer, "Text3"},
    {QT_TRANSLATE_NOOP("RecordPanel", "対 局 名："), 2400, PanelText::Title, "Text2"},
}};

// What the filter field of a collection's game list shows while it is empty.
constexpr const char* FILTER_HINT = QT_TRANSLATE_NOOP("RecordPanel", "絞り込み（対局者・大会）");

constexpr int FOLDER_PATH_ROLE = Qt::UserRole;
constexpr int FILE_NAME_ROLE = Qt::UserRole;

}  // namespace

QtRecordPanel::QtRecordPanel(App& app, QWidget* view)
    : QObject(view),
      app_(app),
      drive1_(new QComboBox(view)),
      dir1_(new QListWidget(view)),
      file1_(new QListWidget(view)),
      command1_(new QPushButton(QStringLiteral("RETURN"), view)),
      filter1_(new QLineEdit(view)),
      games1_(new QTableView(view)),
      games_(new GameListModel(this)),
      filter_(new GameFilter(this)) {
  drive1_->setObjectName(QStringLiteral("Drive1"));
  dir1_->setObjectName(QStringLiteral("Dir1"));
  file1_->setObjectName(QStringLiteral("File1"));
  for (int i = 0; i < 4; ++i) {
    const Caption& c = CAPTIONS[i];
    QLabel* label = new QLabel(QCoreApplication::translate("RecordPanel", c.text), view);
    label->installEventFilter(this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(i));
    label->setAutoFillBackground(true);
    labels_[static_cast<size_t>(i)] = label;
    QLineEdit* edit = new QLineEdit(view);
    edit->setObjectName(QString::fromUtf8(c.field_name));
    edit->setTextMargins(0, 0, 0, 0);
    edit->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; }"));
    texts_[static_cast<size_t>(c.field)] = edit;
  }
  command1_->setObjectName(QStringLiteral("Command1"));
  filter1_->setObjectName(QStringLiteral("Filter1"));
  filter1_->setPlaceholderText(QCoreApplication::translate("RecordPanel", FILTER_HINT));
  filter1_->installEventFilter(this);
  filter1_->setClearButtonEnabled(true);
  games1_->setObjectName(QStringLiteral("Games1"));
  filter_->setSourceModel(games_);
  filter_->setSortRole(Qt::UserRole);
  filter_->setSortCaseSensitivity(Qt::CaseInsensitive);
  games1_->setModel(filter_);
  games1_->setSortingEnabled(true);
  games1_->sortByColumn(GameListModel::Number, Qt::AscendingOrder);
  games1_->setSelectionBehavior(QAbstractItemView::SelectRows);
  games1_->setSelectionMode(QAbstractItemView::SingleSelection);
  games1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  games1_->setWordWrap(false);
  games1_->verticalHeader()->hide();
  // Fixed row heights and column widths: nothing is measured over 100,000 rows.
  games1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  games1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  games1_->horizontalHeader()->setStretchLastSection(true);
  apply_scale(1.0);

  // Start-up: the lists show the current directory.
  dir_path_ = QDir::currentPath();
  file_path_ = dir_path_;
  fill_drives();
  list_folders();
  refresh_files();

  // Like the classic drive list, only a different drive counts as a change.
  connect(drive1_, &QComboBox::currentIndexChanged, this, [this](int) {
    if (!filling_) Drive1_Change(app_);
  });
  connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { folder_activated(item); });
  connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { File1_Click(app_); });
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(app_); });
  connect(filter1_, &QLineEdit::textChanged, this, [this](const QString& text) { filter_->set_text(text); });
  // Like the file list, one click on a game loads it.
  connect(games1_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    chosen_row_ = filter_->mapToSource(index).row();
    Games1_Click(app_);
  });
  connect(games1_, &QTableView::activated, this, [this](const QModelIndex& index) {
    chosen_row_ = filter_->mapToSource(index).row();
    Games1_Click(app_);
  });

  filter1_->hide();
  games1_->hide();
  set_lists_visible(false, false, false);
  set_fields_visible(false);
}

// The captions follow the window's language.
bool QtRecordPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    for (size_t i = 0; i < labels_.size(); ++i)
      if (watched == labels_[i]) labels_[i]->setText(QCoreApplication::translate("RecordPanel", CAPTIONS[i].text));
    if (watched == filter1_) filter1_->setPlaceholderText(QCoreApplication::translate("RecordPanel", FILTER_HINT));
  }
  return QObject::eventFilter(watched, event);
}

void QtRecordPanel::apply_scale(double scale) {
  drive1_->setGeometry(twips(240, 360, 2535, 300, scale));
  dir1_->setGeometry(twips(240, 600, 2535, 1710, scale));
  file1_->setGeometry(twips(240, 2280, 2535, 930, scale));
  for (size_t i = 0; i < CAPTIONS.size(); ++i) {
    labels_[i]->setGeometry(twips(120, CAPTIONS[i].top, 855, 255, scale));
    texts_[static_cast<size_t>(CAPTIONS[i].field)]->setGeometry(twips(960, CAPTIONS[i].top, 2295, 270, scale));
  }
  command1_->setGeometry(twips(3360, 3000, 855, 375, scale));
  // The game list takes the place of the file lists and the board beside them.
  filter1_->setGeometry(twips(240, 360, 7560, 300, scale));
  games1_->setGeometry(twips(240, 690, 7560, 5520, scale));

  // 9 points of the window font, grown with the board.
  QFont font(window_font_family());
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * scale))));
  for (QWidget* w : std::initializer_list<QWidget*>{drive1_, dir1_, file1_, command1_, filter1_, games1_})
    w->setFont(font);
  games1_->verticalHeader()->setDefaultSectionSize(std::max(8, static_cast<int>(std::lround(18 * scale))));
  const int widths[GameListModel::COLUMNS] = {40, 95, 95, 55, 75, 70, 45, 140};
  for (int c = 0; c < GameListModel::COLUMNS; ++c)
    games1_->setColumnWidth(c, std::max(10, static_cast<int>(std::lround(widths[c] * scale))));
  for (QLabel* l : labels_) l->setFont(font);
  for (QLineEdit* e : texts_) e->setFont(font);
  const int icon = std::max(8, static_cast<int>(std::lround(16 * scale)));
  dir1_->setIconSize(QSize(icon, icon));
}

QStringList QtRecordPanel::drive_roots() {
  QStringList roots = {QStringLiteral("/")};
  const QString home = QDir::homePath();
  if (home != QStringLiteral("/")) roots << home;
  const auto add = [&roots](const QString& path) {
    if (!roots.contains(path)) roots << path;
  };
  // Mount points of removable media, mounted or not: an empty one answers "not ready".
  for (const QString& base : {QStringLiteral("/media"), QStringLiteral("/mnt"), QStringLiteral("/run/media")}) {
    const QDir dir(base);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
      add(fi.absoluteFilePath());
      // /media/<user>/<volume> and /run/media/<user>/<volume>
      if (fi.fileName() == qEnvironmentVariable("USER") || base == QStringLiteral("/run/media")) {
        for (const QFileInfo& sub :
             QDir(fi.absoluteFilePath()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
          add(sub.absoluteFilePath());
      }
    }
  }
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    const QString root = v.rootPath();
    if (root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/mnt/")) ||
        root.startsWith(QStringLiteral("/run/media/")))
      add(root);
  }
  return roots;
}

void QtRecordPanel::fill_drives() {
  filling_ = true;
  drive1_->clear();
  volumes_.clear();
  const QStringList roots = drive_roots();
  int chosen = 0;
  qsizetype best = -1;
  for (const QString& root : roots) {
    if (root != QStringLiteral("/") && root != QDir::homePath()) volumes_.insert(root);
    drive1_->addItem(root, root);
    // The drive of the current directory is the one shown at start-up.
    const QString prefix = root.endsWith('/') ? root : root + '/';
    if ((dir_path_ == root || dir_path_.startsWith(prefix)) && root.size() > best) {
      best = root.size();
      chosen = drive1_->count() - 1;
    }
  }
  drive1_->setCurrentIndex(chosen);
  filling_ = false;
}

bool QtRecordPanel::ready(const QString& path) const {
  const QFileInfo fi(path);
  if (!fi.isDir() || !fi.isReadable() || !fi.isExecutable()) return false;
  if (!volumes_.contains(path)) return true;
  // A volume must really be mounted there, not just have its empty mount point.
  const QStorageInfo storage(path);
  return storage.isValid() && storage.isReady() && QDir::cleanPath(storage.rootPath()) == QDir::cleanPath(path);
}

// Like the classic folder list: the path from the root down to the open
// folder, then the folders inside it, indented by depth.
void QtRecordPanel::list_folders() {
  dir1_->clear();
  const QStyle* style = dir1_->style();
  const QIcon open_icon = style->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style->standardIcon(QStyle::SP_DirClosedIcon);
  QStringList chain;
  for (QDir d(dir_path_);;) {
    chain.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  for (const QString& path : chain) {
    const QString name = depth == 0 ? path : QFileInfo(path).fileName();
    auto* item = new QListWidgetItem(open_icon, QString(depth * 2, QChar(' ')) + name, dir1_);
    item->setData(FOLDER_PATH_ROLE, path);
    ++depth;
  }
  dir1_->setCurrentRow(dir1_->count() - 1);
  const QDir here(dir_path_);
  for (const QFileInfo& fi : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QListWidgetItem(closed_icon, QString(depth * 2, QChar(' ')) + fi.fileName(), dir1_);
    item->setData(FOLDER_PATH_ROLE, fi.absoluteFilePath());
  }
}

void QtRecordPanel::folder_activated(QListWidgetItem* item) {
  if (!item) return;
  const QString path = item->data(FOLDER_PATH_ROLE).toString();
  if (path == dir_path_) return;
  if (!set_folder(native(path))) {
    app_.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "ﾌｫﾙﾀﾞを開けません"),
                                       QT_TRANSLATE_NOOP("Message", "ｴﾗｰ"), Buttons::Ok);
    return;
  }
  Dir1_Change(app_);
}

void QtRecordPanel::show_games(const std::string& path, std::vector<PgnGameEntry> games) {
  const bool shown = !games.empty();
  games_path_ = shown ? path : std::string();
  chosen_row_ = -1;
  // Emptied first, so that clearing the filter sorts and filters nothing.
  games_->set_games({});
  filter1_->blockSignals(true);
  filter1_->clear();
  filter1_->blockSignals(false);
  filter_->set_text({});
  if (shown) games_->set_games(std::move(games));
  filter1_->setVisible(shown);
  games1_->setVisible(shown);
  if (shown) {
    games1_->scrollToTop();
    filter1_->setFocus();
  }
}

const PgnGameEntry* QtRecordPanel::chosen_game() { return games_->game(chosen_row_); }

void QtRecordPanel::mark_game(int number, const std::string& reason) {
  games_->mark(number, QString::fromStdString(reason));
}

void QtRecordPanel::set_lists_visible(bool drives, bool folders, bool files) {
  // Any other use of the panel closes a collection's list.
  if (games1_->isVisible()) show_games({}, {});
  // Files may have come and gone since the panel was last open.
  if (folders && dir1_->isHidden()) list_folders();
  if (files && file1_->isHidden()) refresh_files();
  drive1_->setVisible(drives);
  dir1_->setVisible(folders);
  file1_->setVisible(files);
}

void QtRecordPanel::set_fields_visible(bool visible) {
  for (QLabel* l : labels_) l->setVisible(visible);
  for (QLineEdit* e : texts_) e->setVisible(visible);
  command1_->setVisible(visible);
}

std::string QtRecordPanel::text(PanelText t) { return field(t)->text().toStdString(); }

void QtRecordPanel::set_text(PanelText t, std::string_view s) {
  field(t)->setText(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
}

std::vector<std::string> QtRecordPanel::drives() {
  std::vector<std::string> out;
  for (int i = 0; i < drive1_->count(); ++i) out.push_back(native(drive1_->itemData(i).toString()));
  return out;
}

std::string QtRecordPanel::chosen_drive() { return native(drive1_->currentData().toString()); }

std::string QtRecordPanel::folder() { return native(dir_path_); }

bool QtRecordPanel::set_folder(const std::string& path) {
  const QString p = QDir::cleanPath(from_native(path));
  if (!ready(p)) return false;
  dir_path_ = QFileInfo(p).absoluteFilePath();
  list_folders();
  return true;
}

std::string QtRecordPanel::file_folder() { return native(file_path_); }

void QtRecordPanel::set_file_folder(const std::string& path) {
  file_path_ = from_native(path);
  refresh_files();
}

std::string QtRecordPanel::chosen_file() {
  const QListWidgetItem* item = file1_->currentItem();
  return item ? native(item->data(FILE_NAME_ROLE).toString()) : std::string();
}

void QtRecordPanel::refresh_files() {
  file1_->clear();
  const QDir dir(file_path_);
  const QString pattern = QString::fromUtf8(RECORD_PATTERN.data(), static_cast<qsizetype>(RECORD_PATTERN.size()));
  const QString pgn = QString::fromUtf8(PGN_PATTERN.data(), static_cast<qsizetype>(PGN_PATTERN.size()));
  for (const QFileInfo& fi : dir.entryInfoList({pattern, pgn}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QListWidgetItem(fi.fileName(), file1_);
    item->setData(FILE_NAME_ROLE, fi.fileName());
  }
}

QtRecordPanel& QtRecordPanelOnDemand::panel() {
  if (!panel_) {
    panel_ = new QtRecordPanel(app_, view_);
    if (on_built_) on_built_(*panel_);
  }
  return *panel_;
}

// Hidden controls that do not exist yet need no hiding, and their fields are empty.
void QtRecordPanelOnDemand::set_lists_visible(bool drives, bool folders, bool files) {
  if (built() || drives || folders || files) panel().set_lists_visible(drives, folders, files);
}

void QtRecordPanelOnDemand::set_fields_visible(bool visible) {
  if (built() || visible) panel().set_fields_visible(visible);
}

std::string QtRecordPanelOnDemand::text(PanelText field) { return built() ? panel_->text(field) : std::string(); }

void QtRecordPanelOnDemand::set_text(PanelText field, std::string_view text) {
  if (built() || !text.empty()) panel().set_text(field, text);
}

void install_record_panel(MainWindow& window) {
  auto panel = std::make_unique<QtRecordPanelOnDemand>(window.app(), window.board_view());
  // The controls, once built, stay in their place over the board at any window size.
  panel->on_built([&window](QtRecordPanel& p) {
    p.apply_scale(window.board_scale());
    QObject::connect(&window, &MainWindow::board_scale_changed, &p, &QtRecordPanel::apply_scale);
  });
  window.app().platform.panel = panel.get();
  // It lives as long as the main window, whose board view owns the controls.
  QObject::connect(&window, &QObject::destroyed, [raw = panel.release()] { delete raw; });
}

}  // namespace zarvo
