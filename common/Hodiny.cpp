#include "common/Hodiny.h"

namespace {
QDateTime& nastavenyOkamzik() {
  static QDateTime okamzik;
  return okamzik;
}
}  // namespace

namespace Hodiny {
QDateTime ted() {
  const QDateTime& n = nastavenyOkamzik();
  return n.isValid() ? n : QDateTime::currentDateTime();
}
QDate dnes() { return ted().date(); }
void nastav(const QDateTime& okamzik) { nastavenyOkamzik() = okamzik; }
}  // namespace Hodiny
