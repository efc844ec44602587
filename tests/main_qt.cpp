// Runs every GUI test headless with the Czech locale the program sets at start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  QApplication::setApplicationName("Tarvion");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
