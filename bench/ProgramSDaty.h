#pragma once
// The main window over a copy of the generated database, made once per run.
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/Hlavni_f.h"
#include "bench/GenerovanaDatabaze.h"

inline THlavni& ProgramSDaty() {
  static QTemporaryDir slozka;
  static std::unique_ptr<THlavni> okno;
  if (!okno) {
    QFile::copy(GenerovanaDatabaze(), slozka.filePath("Tarvion.mdb"));
    okno = std::make_unique<THlavni>(slozka.path());
  }
  return *okno;
}
