// Benchmarks run with the windows headless and the Czech locale, as the tests do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvion");
  QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
