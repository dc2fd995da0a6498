#include <QApplication>
#include <QIcon>

#include "shell/data_paths.h"
#include "shell/qt_main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Zarvo チェス"));
  // The installed menu entry and icon; a build folder has neither and shows none.
  application.setDesktopFileName(QStringLiteral("zarvo-chess"));
  application.setWindowIcon(QIcon::fromTheme(QStringLiteral("zarvo-chess")));
  // Found from the program's own folder, so a start from the desktop menu
  // (in the home folder) finds the installed sounds and help page.
  zarvo::MainWindow window(
      {}, zarvo::locate_data_paths(QCoreApplication::applicationDirPath().toStdString(), zarvo::current_environment()));
  window.show();
  return application.exec();
}
