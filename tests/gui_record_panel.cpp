#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

#include "qt/main_window.h"
#include "qt/record_panel.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/record_fakes.h"
#include "tests/support/window_fixture.h"

namespace zarvo {
namespace {

const std::string KIFU = ".棋譜";

struct Session : test::WindowSession {
  QtRecordPanel& panel() { return static_cast<QtRecordPanelOnDemand*>(w.app().platform.panel)->panel(); }
  void click_square(int x, int y) { click(x, y); }
  // A real click on a row of a list.
  void click_item(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QPoint pos = list->visualItemRect(found[0]).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent e(type, pos, list->viewport()->mapToGlobal(pos), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(list->viewport(), &e);
    }
  }
  QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().trimmed();
    return out;
  }
  // How many dark pixels the canvas holds in a box of twips.
  int dark_pixels(double left, double top, double width, double height) {
    const QImage& image = w.canvas().image();
    const qreal dpr = image.devicePixelRatio();
    int n = 0;
    for (int y = static_cast<int>(top / TWIPS_PER_PIXEL * dpr); y < (top + height) / TWIPS_PER_PIXEL * dpr; ++y)
      for (int x = static_cast<int>(left / TWIPS_PER_PIXEL * dpr); x < (left + width) / TWIPS_PER_PIXEL * dpr; ++x)
        if (qGray(image.pixel(x, y)) < 30) ++n;
    return n;
  }
};

TEST(RecordPanelWindow, ControlsSitAtTheirPlacesAndStartHidden) {
  test::ScratchDir folder;  // the window starts here, so the panel lists it
  Session s;
  QWidget* view = s.w.board_view();
  // Nothing of the panel is made before the game needs it, and the new game hides it.
  EXPECT_EQ(view->findChild<QWidget*>("Drive1"), nullptr);
  s.w.trigger("START");
  EXPECT_EQ(view->findChild<QWidget*>("Drive1"), nullptr);
  s.panel();
  struct Row {
    const char* name;
    QRect rect;
  };
  const Row rows[] = {{"Drive1", {16, 24, 169, 20}},  {"Dir1", {16, 40, 169, 114}},   {"File1", {16, 152, 169, 62}},
                      {"Label1_3", {8, 160, 57, 17}}, {"Label1_2", {8, 176, 57, 17}}, {"Label1_1", {8, 192, 57, 17}},
                      {"Label1_0", {8, 208, 57, 17}}, {"Text2", {64, 160, 153, 18}},  {"Text3", {64, 176, 153, 18}},
                      {"Text4", {64, 192, 153, 18}},  {"Text1", {64, 208, 153, 18}},  {"Command1", {224, 200, 57, 25}}};
  for (const Row& r : rows) {
    QWidget* c = view->findChild<QWidget*>(QString::fromUtf8(r.name));
    ASSERT_NE(c, nullptr) << r.name;
    EXPECT_EQ(c->parentWidget(), view) << r.name;
    EXPECT_EQ(c->geometry(), r.rect) << r.name;
    EXPECT_FALSE(c->isVisible()) << r.name;
  }
  EXPECT_EQ(view->findChild<QLabel*>("Label1_0")->text(), QStringLiteral("ﾌｧｲﾙ名 ："));
  EXPECT_EQ(view->findChild<QLabel*>("Label1_1")->text(), QStringLiteral("後    手 ："));
  EXPECT_EQ(view->findChild<QLabel*>("Label1_2")->text(), QStringLiteral("先    手 ："));
  EXPECT_EQ(view->findChild<QLabel*>("Label1_3")->text(), QStringLiteral("対 局 名："));
  EXPECT_EQ(view->findChild<QPushButton*>("Command1")->text(), QStringLiteral("RETURN"));
  EXPECT_EQ(view->findChild<QLabel*>("Label1_0")->font().family(), window_font_family());

  s.w.show();
  s.w.trigger("KIFU_READ");
  EXPECT_TRUE(s.panel().drive_list()->isVisible() && s.panel().folder_list()->isVisible() &&
              s.panel().file_list()->isVisible());
  EXPECT_FALSE(s.panel().return_button()->isVisible());
  s.w.trigger("KIFU_WRITE");
  EXPECT_TRUE(s.panel().return_button()->isVisible() && s.panel().field(PanelText::Title)->isVisible());
  EXPECT_FALSE(s.panel().file_list()->isVisible());
  s.panel().field(PanelText::Title)->setText("x");
  s.w.trigger("STOP");  // opening 局面 closes the panel
  EXPECT_FALSE(s.panel().return_button()->isVisible() || s.panel().drive_list()->isVisible());
  EXPECT_EQ(s.panel().field(PanelText::Title)->text(), QString());
}

TEST(RecordPanelWindow, ListsStartInTheCurrentFolderAndFollowEachOther) {
  test::ScratchDir folder;  // the window starts here, so the panel lists it
  ASSERT_EQ(mkdir(folder.file("sub").c_str(), 0755), 0);
  test::write_file(folder.file("a" + KIFU), "");
  test::write_file(folder.file("notes.txt"), "");
  test::write_file(folder.file("sub/b" + KIFU), "");
  Session s;
  QtRecordPanel& p = s.panel();
  EXPECT_EQ(p.folder(), folder.path());
  EXPECT_EQ(p.file_folder(), folder.path());
  EXPECT_EQ(s.rows(p.file_list()), QStringList{QString::fromStdString("a" + KIFU)});
  // The folder list shows the path down to here, then the folders inside.
  EXPECT_EQ(s.rows(p.folder_list()).first(), QStringLiteral("/"));
  EXPECT_EQ(s.rows(p.folder_list()).last(), QStringLiteral("sub"));
  // The drive list offers the root and the home folder; the root holds our folder.
  const QStringList roots = QtRecordPanel::drive_roots();
  EXPECT_TRUE(roots.contains("/"));
  EXPECT_TRUE(roots.contains(QDir::homePath()));
  EXPECT_FALSE(p.chosen_drive().empty());

  s.w.show();
  // A file that appeared while the panel was closed is listed when it opens;
  // games in PGN are listed beside the records.
  test::write_file(folder.file("c" + KIFU), "");
  test::write_file(folder.file("b.pgn"), "");
  s.w.trigger("KIFU_READ");
  EXPECT_EQ(s.rows(p.file_list()), (QStringList{QString::fromStdString("a" + KIFU), QStringLiteral("b.pgn"),
                                                QString::fromStdString("c" + KIFU)}));
  const auto sub = p.folder_list()->findItems("sub", Qt::MatchEndsWith);
  ASSERT_EQ(sub.size(), 1);
  emit p.folder_list()->itemActivated(sub[0]);
  EXPECT_EQ(p.folder(), folder.file("sub"));
  EXPECT_EQ(p.file_folder(), folder.file("sub"));
  EXPECT_EQ(s.rows(p.file_list()), QStringList{QString::fromStdString("b" + KIFU)});

  // A volume that is not there: the message, and both lists stay where they were.
  p.drive_list()->addItem("/nonexistent-volume", "/nonexistent-volume");
  s.dialogs.messages.clear();
  p.drive_list()->setCurrentIndex(p.drive_list()->count() - 1);
  ASSERT_EQ(s.dialogs.messages.size(), 1u);
  EXPECT_EQ(s.dialogs.messages.back().text, "ﾃﾞﾊﾞｲｽが準備できていません");
  EXPECT_EQ(s.dialogs.messages.back().title, "ｴﾗｰ");
  EXPECT_EQ(p.folder(), folder.file("sub"));
  EXPECT_EQ(p.file_folder(), folder.file("sub"));
  // The root is always ready.
  p.drive_list()->setCurrentIndex(0);
  EXPECT_EQ(p.folder(), "/");
  EXPECT_EQ(p.file_folder(), "/");
}

TEST(RecordPanelWindow, SaveRestartLoadAndStepThroughAGame) {
  test::ScratchDir folder;  // the window starts here, so the panel lists it
  std::string saved;
  Board after_three{};
  {
    Session s;
    s.w.show();
    s.w.trigger("START");
    s.click_square(5, 7), s.click_square(5, 5);  // e4
    s.click_square(4, 2), s.click_square(4, 4);  // ...d5
    s.click_square(5, 5), s.click_square(4, 4);  // exd5
    ASSERT_EQ(s.w.app().game.move_number, 3);
    after_three = s.w.app().pos.board;
    s.w.trigger("KIFU_WRITE");
    QtRecordPanel& p = s.panel();
    p.field(PanelText::FileName)->setText("試合");
    p.field(PanelText::Title)->setText("窓の試合");
    p.field(PanelText::FirstPlayer)->setText("先手太郎");
    p.field(PanelText::SecondPlayer)->setText("後手花子");
    s.dialogs.messages.clear();
    p.return_button()->click();
    ASSERT_EQ(s.dialogs.texts(), std::vector<std::string>{"棋譜を書き込みました"});
    EXPECT_FALSE(p.return_button()->isVisible());
    EXPECT_EQ(s.rows(p.file_list()), QStringList{QString::fromStdString("試合" + KIFU)});
    saved = test::read_bytes(folder.file("試合" + KIFU));
    ASSERT_FALSE(saved.empty());
  }
  Session s;
  s.w.show();
  s.w.trigger("KIFU_READ");
  s.dialogs.messages.clear();
  s.click_item(s.panel().file_list(), QString::fromStdString("試合" + KIFU));
  EXPECT_EQ(s.dialogs.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(s.w.app().game.record_mode, 1);
  EXPECT_EQ(s.w.app().game.record_length, 3);
  EXPECT_FALSE(s.panel().file_list()->isVisible());
  // Title below the board on the left, names above and below: black text on the background.
  EXPECT_GT(s.dark_pixels(800, 6350, 1500, 250), 20);
  EXPECT_GT(s.dark_pixels(3700, 100, 1500, 250), 20);
  EXPECT_GT(s.dark_pixels(3700, 6350, 1500, 250), 20);

  for (int i = 0; i < 3; ++i) s.w.trigger("AFTER");
  EXPECT_EQ(s.w.app().pos.board, after_three);
  s.w.trigger("REPLAY");
  EXPECT_EQ(s.w.app().game.move_number, 2);
  s.w.trigger("AFTER");
  EXPECT_EQ(s.w.app().pos.board, after_three);

  // Saved again with the same texts, the file is the same to the byte.
  s.w.trigger("KIFU_WRITE");
  QtRecordPanel& p = s.panel();
  p.field(PanelText::FileName)->setText("写し");
  p.field(PanelText::Title)->setText("窓の試合");
  p.field(PanelText::FirstPlayer)->setText("先手太郎");
  p.field(PanelText::SecondPlayer)->setText("後手花子");
  p.return_button()->click();
  EXPECT_EQ(test::read_bytes(folder.file("写し" + KIFU)), saved);

  // The same name again: "No" leaves the file and the panel with the typed name on screen.
  s.w.trigger("KIFU_WRITE");
  p.field(PanelText::FileName)->setText("写し");
  s.dialogs.messages.clear();
  s.dialogs.script = {Answer::No};
  p.return_button()->click();
  EXPECT_EQ(s.dialogs.texts(), std::vector<std::string>{"上書きしますか？"});
  EXPECT_TRUE(p.return_button()->isVisible());
  EXPECT_EQ(p.field(PanelText::FileName)->text(), QStringLiteral("写し"));
  EXPECT_EQ(test::read_bytes(folder.file("写し" + KIFU)), saved);
}

TEST(RecordPanelWindow, AGameSavedAsPgnLoadsAndStepsLikeARecord) {
  test::ScratchDir folder;  // the window starts here, so the panel lists it
  Board after_three{};
  {
    Session s;
    s.w.show();
    s.w.trigger("START");
    s.click_square(5, 7), s.click_square(5, 5);  // e4
    s.click_square(4, 2), s.click_square(4, 4);  // ...d5
    s.click_square(5, 5), s.click_square(4, 4);  // exd5
    after_three = s.w.app().pos.board;
    s.w.trigger("KIFU_WRITE");
    QtRecordPanel& p = s.panel();
    p.field(PanelText::FileName)->setText("試合.pgn");
    p.field(PanelText::Title)->setText("窓の試合");
    s.dialogs.messages.clear();
    p.return_button()->click();
    ASSERT_EQ(s.dialogs.texts(), std::vector<std::string>{"棋譜を書き込みました"});
    EXPECT_EQ(s.rows(p.file_list()), QStringList{QStringLiteral("試合.pgn")});
    const std::string pgn = test::read_bytes(folder.file("試合.pgn"));
    EXPECT_NE(pgn.find("[Event \"窓の試合\"]"), std::string::npos);
    EXPECT_NE(pgn.find("\n1. e4 d5 2. exd5 *\n"), std::string::npos);
  }
  Session s;
  s.w.show();
  s.w.trigger("KIFU_READ");
  s.dialogs.messages.clear();
  s.click_item(s.panel().file_list(), QStringLiteral("試合.pgn"));
  EXPECT_EQ(s.dialogs.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(s.w.app().game.record_mode, 1);
  EXPECT_EQ(s.w.app().game.record_length, 3);
  EXPECT_GT(s.dark_pixels(800, 6350, 1500, 250), 20);  // the title below the board
  for (int i = 0; i < 3; ++i) s.w.trigger("AFTER");
  EXPECT_EQ(s.w.app().pos.board, after_three);
  s.w.trigger("REPLAY");
  EXPECT_EQ(s.w.app().game.move_number, 2);
}

}  // namespace
}  // namespace zarvo
