#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIconEngine>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "game/menu_commands.h"
#include "game/mouse_input.h"
#include "game/program_commands.h"
#include "qt/engine_process.h"
#include "qt/installers.h"
#include "qt/platform.h"
#include "shell/settings.h"
#include "shell/startup.h"

namespace zarvo {
namespace {

// The window's outer size and place at start-up, in twips.
constexpr int WINDOW_W = 9700;
constexpr int WINDOW_H = 8000;
// Long enough for the loop to wait once and for the window system to show the
// frame before the audio work starts; short beside anything a player does.
constexpr int AFTER_FIRST_FRAME_MS = 250;

// The menu bar makes the icon of its overflow button as it is made, and the
// style reads it from image files, which loads every image format plugin
// before the first frame. The icon is made when the button is first drawn.
class IconOnFirstUse final : public QIconEngine {
 public:
  IconOnFirstUse(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new IconOnFirstUse(style_, which_); }

 private:
  const QIcon& icon() {
    if (!made_) {
      made_ = true;
      icon_ = style_->standardIcon(which_);
    }
    return icon_;
  }
  const QStyle* style_;
  QStyle::StandardPixmap which_;
  bool made_ = false;
  QIcon icon_;
};

class StartUpStyle final : public QProxyStyle {
 public:
  // Over a new instance of the style the program was given (-style, the desktop's choice).
  explicit StartUpStyle(const QString& base) : QProxyStyle(base) {}
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
      return QIcon(new IconOnFirstUse(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
  }
};

class QtLifecycle final : public Lifecycle {
 public:
  // Nothing is left to save: settings are written when they change and records on request.
  void terminate() override { std::_Exit(0); }
};

}  // namespace

BoardView::BoardView(App& app, QtCanvas& canvas, QWidget* parent) : QWidget(parent), app_(app), canvas_(canvas) {
  // The canvas covers every pixel, so Qt need not clear the view before a resize is painted.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (resized_) resized_();
}

void BoardView::paintEvent(QPaintEvent* event) {
  // Moved to a screen with another pixel ratio: draw sharp for that one.
  if (resized_ && devicePixelRatioF() != canvas_.scale().dpr) resized_();
  QPainter p(this);
  if (after_first_frame_ && canvas_.paint_without_buffer(p)) {
    for (const QRect& outside : QRegion(event->rect()).subtracted(QRect(QPoint(0, 0), canvas_.device_size())))
      p.fillRect(outside, QColor(0, 128, 0));
    QTimer::singleShot(AFTER_FIRST_FRAME_MS, this, std::exchange(after_first_frame_, nullptr));
    return;
  }
  const QImage& image = canvas_.image();
  const qreal dpr = image.devicePixelRatio();
  const QRect r = event->rect();
  const QRectF shown(QPointF(0, 0), QSizeF(image.size()) / dpr);
  if (!shown.contains(r)) p.fillRect(r, QColor(0, 128, 0));
  p.drawImage(r, image, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
  // The frame reaches the window system only when the event loop next waits for
  // events; an immediate call would hold it back until its own work is done.
  if (after_first_frame_) QTimer::singleShot(AFTER_FIRST_FRAME_MS, this, std::exchange(after_first_frame_, nullptr));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  switch (event->button()) {
    case Qt::LeftButton: button = MOUSE_LEFT; break;
    case Qt::RightButton: button = MOUSE_RIGHT; break;
    case Qt::MiddleButton: button = MOUSE_MIDDLE; break;
    default: return;
  }
  const QPointF twips = canvas_.to_twips(event->position());
  if (auto* main = qobject_cast<MainWindow*>(window())) main->finish_start_up();
  Form_MouseDown(app_, button, 0, twips.x(), twips.y());
  // The canvas keeps what the click drew; show it.
  update();
}

MainWindow::MainWindow(const PlatformOverrides& o, const DataPaths& paths) : app_(std::make_unique<App>()) {
  app_->paths = paths;
  // Before anything shows a text; a language named in the settings follows when they are read.
  translator_ = std::make_unique<QtTranslator>();
  translator_->use_language(o.language);
  app_->options.shown_language = o.language;
  setWindowTitle(QCoreApplication::translate("Window", "Zarvo チェス"));
  if (!dynamic_cast<StartUpStyle*>(QApplication::style()))
    QApplication::setStyle(new StartUpStyle(QApplication::style()->name()));
  // The menu bar belongs to the board (its ▲ and ▼ are the game's own buttons),
  // so it is never handed to a desktop-wide menu, and the session bus is not
  // asked for one before the first frame.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  // Menus, boxes and panel in the board's font: its one file has every glyph
  // they show, so no second font file is loaded to fill in the Japanese.
  QFont font = QApplication::font();
  font.setFamily(window_font_family());
  font.setHintingPreference(WINDOW_FONT_HINTING);
  QApplication::setFont(font);
  // The platform theme may give these their own font.
  for (const char* kind : {"QMenuBar", "QMenu", "QMessageBox"}) QApplication::setFont(font, kind);
  // This window took the old one when it was made.
  setFont(font);
  const qreal dpr = screen() ? screen()->devicePixelRatio() : 1.0;
  canvas_ = std::make_unique<QtCanvas>(dpr);

  Platform& p = app_->platform;
  p.canvas = canvas_.get();
  p.widgets = &widgets_;
  if (o.dialogs) {
    p.dialogs = o.dialogs;
  } else {
    own_dialogs_ = std::make_unique<QtDialogs>(this);
    p.dialogs = own_dialogs_.get();
  }
  if (o.clock) {
    p.clock = o.clock;
  } else {
    own_clock_ = std::make_unique<QtClock>();
    p.clock = own_clock_.get();
  }
  if (o.browser) {
    p.browser = o.browser;
  } else {
    own_browser_ = std::make_unique<QtBrowser>();
    p.browser = own_browser_.get();
  }
  own_clipboard_ = std::make_unique<QtClipboard>();
  p.clipboard = own_clipboard_.get();
  if (o.sound) {
    p.sound = o.sound;
  } else {
    own_sound_ = make_library_sound();
    p.sound = own_sound_.get();
  }
  if (o.lifecycle) {
    p.lifecycle = o.lifecycle;
  } else {
    own_lifecycle_ = std::make_unique<QtLifecycle>();
    p.lifecycle = own_lifecycle_.get();
  }
  if (o.engine) {
    p.engine = o.engine;
  } else {
    auto engine = std::make_unique<QtEngineProcess>();
    engine->after_delivery([this] {
      if (view_) view_->update();
    });
    own_engine_ = std::move(engine);
    p.engine = own_engine_.get();
  }
  p.window_handle = static_cast<intptr_t>(reinterpret_cast<uintptr_t>(this));

  build_menus();
  view_ = new BoardView(*app_, *canvas_, this);
  setCentralWidget(view_);
  canvas_->set_view(view_);
  if (own_dialogs_) static_cast<QtDialogs*>(own_dialogs_.get())->set_view(view_);
  install_promotion_windows(*this);
  install_record_panel(*this);
  install_version_window(*this);

  load_first_frame(*app_);
  view_->set_after_first_frame([this] { finish_start_up(); });

  saved_size_ = app_->options.window_size;
  size_saver_.setSingleShot(true);
  size_saver_.setInterval(700);
  connect(&size_saver_, &QTimer::timeout, this, [this] { save_window_size(); });
  view_->setMinimumSize(QSize(WINDOW_W / TWIPS_PER_PIXEL, WINDOW_H / TWIPS_PER_PIXEL) / 2);
  view_->on_resize([this] { fit_board_to_view(); });

  if (!(windowState() & Qt::WindowMaximized)) {
    move(0, 0);
    resize(WINDOW_W / TWIPS_PER_PIXEL, WINDOW_H / TWIPS_PER_PIXEL);
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::build_menus() {
  QHash<QString, QMenu*> menus;
  for (const MenuItem& item : menu_items()) {
    const QString name = QString::fromUtf8(item.name);
    const QString caption = QCoreApplication::translate("Menu", item.caption);
    const QString parent = QString::fromUtf8(item.parent);
    QMenu* holder = menus.value(parent, nullptr);
    const bool has_children = [&] {
      for (const MenuItem& other : menu_items())
        if (QString::fromUtf8(other.parent) == name) return true;
      return false;
    }();
    if (holder && item.separator_before) holder->addSeparator();
    if (has_children) {
      QMenu* menu = holder ? holder->addMenu(caption) : menuBar()->addMenu(caption);
      menu->setObjectName(name);
      menus.insert(name, menu);
      widgets_.add(name, menu->menuAction());
      connect(menu, &QMenu::aboutToShow, this, [this, name] { trigger(name.toStdString()); });
      continue;
    }
    QAction* action = holder ? holder->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(item.checkable);
    widgets_.add(name, action);
    // A checkable item changes its mark only through the game's own handler.
    connect(action, &QAction::triggered, this, [this, name, action, checkable = item.checkable] {
      if (checkable) action->setChecked(!action->isChecked());
      trigger(name.toStdString());
    });
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setWindowTitle(QCoreApplication::translate("Window", "Zarvo チェス"));
    for (const MenuItem& item : menu_items())
      if (QAction* a = widgets_.action(item.name)) a->setText(QCoreApplication::translate("Menu", item.caption));
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::finish_start_up() {
  if (started_) return;
  started_ = true;
  // The installed icon; a build folder has none, and the window manager's own is shown.
  if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zarvo-chess")));
  open_sounds(*app_);
  if (view_) view_->update();
}

bool MainWindow::trigger(std::string_view name) {
  finish_start_up();
  // The quit item ends the program at once; a size still waiting to be saved goes first.
  if (size_saver_.isActive()) save_window_size();
  const bool known = menu_command(*app_, name);
  if (view_) view_->update();
  return known;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (size_saver_.isActive()) save_window_size();
  Form_KeyDown(*app_, event->key() == Qt::Key_Escape ? KEY_ESCAPE : 0, 0);
  if (view_) view_->update();
  QMainWindow::keyPressEvent(event);
}

// The size at start-up is the window's outer size, frame and title included;
// the frame is known only once the window manager has shown the window.
// A size the player chose in an earlier run wins, cut to the screen.
void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (placed_) return;
  placed_ = true;
  base_view_ = base_view_size();
  if (!(windowState() & Qt::WindowMaximized)) {
    const QSize frame = frameGeometry().size() - geometry().size();
    QSize size(WINDOW_W / TWIPS_PER_PIXEL - frame.width(), WINDOW_H / TWIPS_PER_PIXEL - frame.height());
    if (saved_size_) {
      const QSize screen_px = screen() ? screen()->availableGeometry().size() - frame : QSize();
      const WindowSize fit =
          clamp_window_size(*saved_size_, {screen_px.width() * TWIPS_PER_PIXEL, screen_px.height() * TWIPS_PER_PIXEL});
      size = QSize(fit.width / TWIPS_PER_PIXEL, fit.height / TWIPS_PER_PIXEL);
    }
    resize(size);
    placed_size_ = WindowSize{size.width() * TWIPS_PER_PIXEL, size.height() * TWIPS_PER_PIXEL};
    move(0, 0);
  }
  fit_board_to_view();
}

QSize MainWindow::base_view_size() const {
  const QSize frame = frameGeometry().size() - geometry().size();
  const int menu = menuBar() ? menuBar()->sizeHint().height() : 0;
  return QSize(WINDOW_W / TWIPS_PER_PIXEL, WINDOW_H / TWIPS_PER_PIXEL) - frame - QSize(0, menu);
}

// The whole picture follows the view: one scale for both directions, so the
// board keeps its shape and the background fills what is left over.
void MainWindow::fit_board_to_view() {
  // Until the window is shown its size is not the player's; the canvas keeps the start size.
  if (!placed_ || !view_ || !canvas_) return;
  const QSize base = base_view_.isEmpty() ? base_view_size() : base_view_;
  const QSize view = view_->size();
  double scale = fit_scale(view.width(), view.height(), base.width(), base.height());
  // At the start size the layout is exactly the one of 15 twips a pixel.
  if (std::abs(scale - 1.0) < 1e-9) scale = 1.0;
  const double before = canvas_->scale().scale;
  canvas_->set_geometry(view, BoardScale{scale, view_->devicePixelRatioF()});
  if (scale != before) emit board_scale_changed(scale);
  size_saver_.start();
}

// Remembered once the player has stopped resizing, not on every step of a drag.
void MainWindow::save_window_size() {
  size_saver_.stop();
  if (!placed_ || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) return;
  // Without the frame, which the window manager may add only after the window is shown.
  const WindowSize size{width() * TWIPS_PER_PIXEL, height() * TWIPS_PER_PIXEL};
  // A file that never had a size keeps having none while the window keeps its start size.
  if (size == saved_size_.value_or(placed_size_)) return;
  saved_size_ = size;
  app_->options.window_size = size;
  save_settings(*app_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (size_saver_.isActive()) save_window_size();
  Form_Unload(*app_);
  event->accept();
}

}  // namespace zarvo
