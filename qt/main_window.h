// The main window Form1: menu bar, the board canvas, mouse and keys.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "qt/canvas.h"
#include "qt/platform.h"
#include "qt/translation.h"
#include "shell/app.h"
#include "shell/window_size.h"

namespace zarvo {

// Stand-ins for parts of the platform; null members get the real ones.
struct PlatformOverrides {
  Dialogs* dialogs = nullptr;
  Clock* clock = nullptr;
  Browser* browser = nullptr;
  SoundLibrary* sound = nullptr;
  Lifecycle* lifecycle = nullptr;
  // The language while the settings file names none: the program's own
  // unless the program passes the system's.
  Language language = Language::Japanese;
  EngineProcess* engine = nullptr;
};

class BoardView;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Without data paths the game reads and writes in the current directory.
  explicit MainWindow(const PlatformOverrides& overrides = {}, const DataPaths& paths = {});
  ~MainWindow() override;

  App& app() { return *app_; }
  QtCanvas& canvas() { return *canvas_; }
  QtWidgets& widgets() { return widgets_; }
  BoardView* board_view() const { return view_; }
  // Triggers a menu item or opens a menu by control name, as a click would.
  bool trigger(std::string_view name);
  // The rest of start-up, which waits for the first frame: opens the sounds.
  // Runs once; anything the player does before that runs it first.
  void finish_start_up();
  // Logical pixels per 15 twips: 1 at the start size, more in a larger window.
  double board_scale() const { return canvas_->scale().scale; }

 signals:
  // The small windows and the record panel follow the board's size.
  void board_scale_changed(double scale);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build_menus();
  void changeEvent(QEvent* event) override;
  // The board view's size at the window's start size: the layout the scale is 1 for.
  QSize base_view_size() const;
  void fit_board_to_view();
  void save_window_size();

  QSize base_view_{};
  QTimer size_saver_;
  std::optional<WindowSize> saved_size_;
  WindowSize placed_size_{};

  std::unique_ptr<QtTranslator> translator_;
  std::unique_ptr<App> app_;
  std::unique_ptr<QtCanvas> canvas_;
  QtWidgets widgets_;
  std::unique_ptr<Dialogs> own_dialogs_;
  std::unique_ptr<Clock> own_clock_;
  std::unique_ptr<Browser> own_browser_;
  std::unique_ptr<Clipboard> own_clipboard_;
  std::unique_ptr<SoundLibrary> own_sound_;
  std::unique_ptr<Lifecycle> own_lifecycle_;
  std::unique_ptr<EngineProcess> own_engine_;
  BoardView* view_ = nullptr;
  bool placed_ = false;
  bool started_ = false;
};

// Shows the canvas and turns mouse presses into clicks in twips.
class BoardView final : public QWidget {
  Q_OBJECT

 public:
  BoardView(App& app, QtCanvas& canvas, QWidget* parent);
  // Called once, from the event loop, after the first frame was painted.
  void set_after_first_frame(std::function<void()> f) { after_first_frame_ = std::move(f); }
  // Called when the view's size or pixel ratio changes, before it is painted.
  void on_resize(std::function<void()> handler) { resized_ = std::move(handler); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  App& app_;
  QtCanvas& canvas_;
  std::function<void()> after_first_frame_;
  std::function<void()> resized_;
};

}  // namespace zarvo
