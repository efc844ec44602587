#include "invoices/Penize.h"

#include "common/Pomocne.h"

double KoeficientDPH(int sazba) {
  if (sazba == 0) return 0.0;
  return Zaokrouhli(-4, static_cast<double>(sazba) / (sazba + 100));
}
