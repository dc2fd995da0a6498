#include <QApplication>

#include "qt/main_window.h"
#include "qt/translation.h"
#include "shell/data_paths.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Zarvo チェス"));
  // The installed menu entry; the window takes its icon once it is on screen.
  application.setDesktopFileName(QStringLiteral("zarvo-chess"));
  // Found from the program's own folder, so a start from the desktop menu
  // (in the home folder) finds the installed sounds and help page.
  zarvo::MainWindow window(
      {.language = zarvo::system_language()},
      zarvo::locate_data_paths(QCoreApplication::applicationDirPath().toStdString(), zarvo::current_environment()));
  window.show();
  return application.exec();
}
