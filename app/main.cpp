// Program entry: the main window in the folder of the executable.
#include <QApplication>
#include <QLocale>

#include "app/Hlavni_f.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvion");
  QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  THlavni hlavni(QCoreApplication::applicationDirPath());
  if (hlavni.MaSkoncit()) return 1;
  hlavni.show();
  return app.exec();
}
