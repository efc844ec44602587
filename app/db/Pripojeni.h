#pragma once
// The one connection to the invoice database, and the statements run on it. Values are
// always bound as parameters: a text with an apostrophe is stored and found as typed.
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

#include "common/Chyba.h"

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// An error of the database, with a text for the user.
class ChybaDatabaze : public Chyba {
 public:
  using Chyba::Chyba;
};

// A prepared statement, finalized when it goes out of scope.
class Prikaz {
 public:
  Prikaz(sqlite3* spojeni, const QString& sqlJet, const QVariantList& parametry);
  ~Prikaz();
  Prikaz(const Prikaz&) = delete;
  Prikaz& operator=(const Prikaz&) = delete;

  // Steps to the next row; false when there is none. Throws ChybaDatabaze.
  bool dalsi();
  int pocetSloupcu() const;
  QString jmenoSloupce(int i) const;
  // The declared type of a table column ("VARCHAR(16)", "CURRENCY"); empty for expressions.
  QString deklarovanyTyp(int i) const;
  // NULL, qint64, double or QString.
  QVariant hodnota(int i) const;

 private:
  sqlite3* spojeni_;
  sqlite3_stmt* prikaz_ = nullptr;
};

class Pripojeni {
 public:
  Pripojeni();
  ~Pripojeni();
  Pripojeni(const Pripojeni&) = delete;
  Pripojeni& operator=(const Pripojeni&) = delete;

  // Opens an existing database file, never creating one. False (and nothing changed on
  // disk) when the file cannot be opened or is not a Tarvion database.
  bool otevri(const QString& cesta);
  void zavri();
  bool jeOtevreno() const { return spojeni_ != nullptr; }
  sqlite3* spojeni() const { return spojeni_; }

  // A statement without rows. Throws ChybaDatabaze.
  void proved(const QString& sqlJet, const QVariantList& parametry = {});
  qint64 posledniVlozeneId() const;

 private:
  sqlite3* spojeni_ = nullptr;
};

// The engine's error turned into a Czech sentence where we know it.
QString textChyby(sqlite3* spojeni, int kod);
// A value ready to bind: dates as "yyyy-mm-dd" text, flags as 0/1.
void navazHodnotu(sqlite3_stmt* prikaz, int index, const QVariant& hodnota);

}  // namespace db
