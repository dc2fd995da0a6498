#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <thread>

#include "qt/main_window.h"
#include "shell/data_paths.h"

int main(int argc, char* argv[]) {
  // The font configuration and its caches take a few milliseconds to read; a
  // second thread reads them while the connection to the window system is
  // made, and the window's fonts then find them ready.
  std::thread fonts([] { FcInit(); });
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Zarvo チェス"));
  // The installed menu entry; the window takes its icon once it is on screen.
  application.setDesktopFileName(QStringLiteral("zarvo-chess"));
  fonts.join();
  // Found from the program's own folder, so a start from the desktop menu
  // (in the home folder) finds the installed sounds and help page.
  zarvo::MainWindow window(
      {}, zarvo::locate_data_paths(QCoreApplication::applicationDirPath().toStdString(), zarvo::current_environment()));
  window.show();
  return application.exec();
}
