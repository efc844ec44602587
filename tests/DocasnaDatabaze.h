#pragma once
// A fresh empty invoice database in a temporary folder, connected.
#include <QTemporaryDir>
#include <memory>

#include "app/db/Databaze.h"
#include "app/db/Pripojeni.h"

struct DocasnaDatabaze {
  QTemporaryDir slozka;
  QString cesta = slozka.filePath("Tarvion.mdb");
  db::Pripojeni pripojeni;

  DocasnaDatabaze() {
    if (!db::ZalozitDatabazi(cesta) || !db::PripojitDatabazi(pripojeni, cesta)) std::abort();
  }
};
