#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Zarvo チェス"));
  zarvo::MainWindow window;
  window.show();
  return application.exec();
}
