#include "bench/GenerovanaDatabaze.h"

#include <sqlite3.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <random>

#include "app/db/Databaze.h"

namespace {
constexpr int kRoky = 10;
constexpr int kFakturRocne = 10000;  // two series of 5,000
constexpr int kPolozek = 10;

void proved(sqlite3* s, const char* sql) {
  char* chyba = nullptr;
  if (sqlite3_exec(s, sql, nullptr, nullptr, &chyba) != SQLITE_OK) {
    std::fprintf(stderr, "%s\n", chyba);
    std::abort();
  }
}
}  // namespace

QString GenerovanaDatabaze() {
  const QString slozka = QDir::temp().filePath("tarvion-bench");
  const QString cesta = slozka + "/Tarvion-100k.mdb";
  if (QFile::exists(cesta)) return cesta;
  QDir().mkpath(slozka);
  const QString docasna = cesta + ".tvori";
  QFile::remove(docasna);
  if (!db::ZalozitDatabazi(docasna)) std::abort();

  sqlite3* s = nullptr;
  sqlite3_open(QFile::encodeName(docasna).constData(), &s);
  proved(s, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
  sqlite3_stmt* faktura = nullptr;
  sqlite3_prepare_v2(s,
                     "INSERT INTO Faktura (Cislo, VariabilniSymbol, FormaUhrady, DatumPlneni, "
                     "DatumVystaveni, DatumSplatnosti, Mena, Nazev1, Mesto, Castka, Uhrada) "
                     "VALUES (?, ?, 'PP', ?, ?, ?, 'CZK', ?, 'Praha', ?, ?)",
                     -1, &faktura, nullptr);
  sqlite3_stmt* polozka = nullptr;
  sqlite3_prepare_v2(s,
                     "INSERT INTO Polozky (Id_Faktura, Kod, OznaceniDodavky, MerJednotka, PocetMJ, "
                     "CenaMJ, CenaBezDPH, SazbaDPH, DPH, CenaCelkem, PouzeText) "
                     "VALUES (?, ?, ?, 'ks', ?, ?, ?, 21, ?, ?, 0)",
                     -1, &polozka, nullptr);
  std::mt19937 nahoda(42);
  std::uniform_int_distribution<int> cena(100, 500000);
  std::uniform_int_distribution<int> pocet(1, 20);
  auto text = [](sqlite3_stmt* p, int i, const QByteArray& t) {
    sqlite3_bind_text(p, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
  };
  qint64 id = 0;
  for (int r = 0; r < kRoky; ++r) {
    const int rok = 2015 + r;
    for (int i = 0; i < kFakturRocne; ++i) {
      const int poradi = i / 2 + 1;
      const QByteArray cislo =
          QString("%1%2%3").arg(i % 2 ? "PF" : "FA").arg(rok).arg(poradi, 4, 10, QChar('0')).toUtf8();
      const QDate den = QDate(rok, 1, 1).addDays(i * 365 / kFakturRocne);
      const QByteArray datum = den.toString("yyyy-MM-dd").toUtf8();
      double soucet = 0;
      ++id;
      for (int k = 0; k < kPolozek; ++k) {
        const double cenaMJ = cena(nahoda) / 100.0;
        const int ks = pocet(nahoda);
        const double zaklad = cenaMJ * ks;
        const double dph = std::round(zaklad * 0.21);
        sqlite3_bind_int64(polozka, 1, id);
        text(polozka, 2, QByteArray::number(k));
        text(polozka, 3, "Položka " + QByteArray::number(k) + " faktury " + cislo);
        sqlite3_bind_double(polozka, 4, ks);
        sqlite3_bind_double(polozka, 5, cenaMJ);
        sqlite3_bind_double(polozka, 6, zaklad);
        sqlite3_bind_double(polozka, 7, dph);
        sqlite3_bind_double(polozka, 8, zaklad + dph);
        sqlite3_step(polozka);
        sqlite3_reset(polozka);
        soucet += zaklad + dph;
      }
      text(faktura, 1, cislo);
      text(faktura, 2, cislo.right(8));
      text(faktura, 3, datum);
      text(faktura, 4, datum);
      text(faktura, 5, den.addDays(14).toString("yyyy-MM-dd").toUtf8());
      text(faktura, 6, "Odběratel " + QByteArray::number(i % 700));
      sqlite3_bind_double(faktura, 7, std::round(soucet));
      sqlite3_bind_double(faktura, 8, std::round(soucet));
      if (sqlite3_step(faktura) != SQLITE_DONE) std::abort();
      sqlite3_reset(faktura);
    }
  }
  sqlite3_finalize(faktura);
  sqlite3_finalize(polozka);
  proved(s, "COMMIT");
  sqlite3_close(s);
  QFile::rename(docasna, cesta);
  return cesta;
}
