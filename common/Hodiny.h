#pragma once
// The program's one source of "today" and "now"; tests set it to a fixed moment.
#include <QDate>
#include <QDateTime>

namespace Hodiny {
QDateTime ted();
QDate dnes();
// An invalid moment returns to the system clock.
void nastav(const QDateTime& okamzik);
}  // namespace Hodiny
