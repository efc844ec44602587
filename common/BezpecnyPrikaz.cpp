#include "common/BezpecnyPrikaz.h"

#include <QString>
#include <exception>

#include "common/Chyba.h"
#include "common/Dialogy.h"

void BezpecnyPrikaz(const std::function<void()>& prikaz) {
  try {
    prikaz();
  } catch (const Chyba& chyba) {
    ChybaAplikace(chyba.text());
  } catch (const std::exception& chyba) {
    ChybaAplikace(QString::fromUtf8(chyba.what()));
  } catch (...) {
    // An exception must never unwind through Qt's event loop; abandon the command instead.
    ChybaAplikace(QStringLiteral("Nastala neočekávaná chyba."));
  }
}
