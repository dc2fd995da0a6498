// The window in English and back, switched from the menu in the middle of a game.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "display/display_state.h"
#include "qt/main_window.h"
#include "shell/file_io.h"
#include "shell/settings_file.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

struct LanguageWindow {
  explicit LanguageWindow(const DataPaths& paths) : w({&dialogs, &clock, nullptr, &sound, &lifecycle}, paths) {
    w.finish_start_up();
  }
  test::ScriptedDialogs dialogs;
  test::FakeClock clock;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w;

  std::string menu(const char* item) { return w.widgets().action(item)->text().toStdString(); }
  void click(int x, int y) {
    const QPointF pos((grid_left(x) + SQUARE_W / 2.0) / TWIPS_PER_PIXEL,
                      (grid_top(y) + SQUARE_H / 2.0) / TWIPS_PER_PIXEL);
    QMouseEvent press(QEvent::MouseButtonPress, pos, w.board_view()->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.board_view(), &press);
  }
};

std::optional<Language> language_in(const DataPaths& paths) {
  std::string bytes;
  if (read_whole_file(paths.settings_file, SETTINGS_FILE_MAX_BYTES, bytes) != FileError::none) return std::nullopt;
  return parse_settings_file(bytes).language;
}

TEST(Language, SwitchesMidGameAndIsRememberedForTheNextStart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const DataPaths paths{dir.path().toStdString(), dir.filePath(QStringLiteral("Zarvoチェス.ini")).toStdString()};
  {
    LanguageWindow s(paths);
    EXPECT_EQ(s.menu("TAIKYOKU"), "対局");
    s.w.trigger("SENTE");
    s.click(5, 7);
    s.click(5, 5);  // e4; the computer answers
    ASSERT_EQ(s.w.app().game.move_number, 2);
    const Board before = s.w.app().pos.board;

    s.w.trigger("GENGO");
    EXPECT_EQ(s.w.windowTitle().toStdString(), "Zarvo Chess");
    EXPECT_EQ(s.menu("TAIKYOKU"), "Game");
    EXPECT_EQ(s.menu("OPTION"), "Options");
    EXPECT_EQ(s.menu("SENTE"), "Play White");
    const QStringList english = s.w.canvas().texts();
    EXPECT_TRUE(english.contains(QStringLiteral("move 2"))) << english.join('|').toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("e")));
    EXPECT_TRUE(english.contains(QStringLiteral("pawn")) || english.contains(QStringLiteral("knight")))
        << "the captions of the last moves";
    EXPECT_EQ(s.w.app().pos.board, before) << "the game stays on the board";
    EXPECT_EQ(s.w.app().game.move_number, 2);
    EXPECT_EQ(language_in(paths), Language::English);

    s.w.trigger("GENGO");
    EXPECT_EQ(s.menu("TAIKYOKU"), "対局");
    EXPECT_EQ(s.w.windowTitle().toStdString(), "Zarvo チェス");
    EXPECT_TRUE(s.w.canvas().texts().contains(QStringLiteral("手目")));
    EXPECT_EQ(language_in(paths), Language::Japanese);
    s.w.trigger("GENGO");
  }
  LanguageWindow next(paths);
  EXPECT_EQ(next.menu("KIFU"), "Record");
  EXPECT_TRUE(next.w.canvas().texts().contains(QStringLiteral("h")));
}

}  // namespace
}  // namespace zarvo
