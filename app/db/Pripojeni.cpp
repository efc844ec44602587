#include "app/db/Pripojeni.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "app/db/JetSql.h"

namespace db {

namespace {

const QStringList& sloupceFaktura() {
  static const QStringList s{"Id", "Cislo", "VariabilniSymbol", "Objednavka", "Prijemce",
                             "Vyskladneni", "FormaUhrady", "DatumPlneni", "DatumVystaveni",
                             "DatumSplatnosti", "DatumUhrady", "Mena", "KodOdberatele",
                             "Nazev1", "Nazev2", "OdpovednaOsoba", "UliceCislo", "PSC",
                             "Mesto", "Stat", "IC", "DIC", "Komentar1", "Komentar2",
                             "Castka", "Uhrada"};
  return s;
}

const QStringList& sloupcePolozky() {
  static const QStringList s{"Id", "Id_Faktura", "Kod", "OznaceniDodavky", "MerJednotka",
                             "PocetMJ", "CenaMJ", "CenaBezDPH", "SazbaDPH", "DPH",
                             "CenaCelkem", "PouzeText"};
  return s;
}

QStringList sloupceTabulky(sqlite3* spojeni, const QString& tabulka) {
  QStringList vysledek;
  Prikaz p(spojeni, "SELECT name FROM pragma_table_info(?) ORDER BY cid", {tabulka});
  while (p.dalsi()) vysledek << p.hodnota(0).toString();
  return vysledek;
}

bool stejneSloupce(const QStringList& a, const QStringList& b) {
  if (a.size() != b.size()) return false;
  for (int i = 0; i < a.size(); ++i)
    if (a[i].compare(b[i], Qt::CaseInsensitive) != 0) return false;
  return true;
}

}  // namespace

QString textChyby(sqlite3* spojeni, int kod) {
  const QString zprava = QString::fromUtf8(sqlite3_errmsg(spojeni));
  const int rozsireny = sqlite3_extended_errcode(spojeni);
  static const QRegularExpression sloupec("failed: (\\w+)\\.(\\w+)");
  const auto m = sloupec.match(zprava);
  const QString pole = m.hasMatch() ? m.captured(2) : QString();
  switch (rozsireny) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
      return QString("Hodnota pole %1 se v databázi již vyskytuje; musí být jedinečná.").arg(pole);
    case SQLITE_CONSTRAINT_NOTNULL:
      return QString("Pole %1 musí být vyplněno.").arg(pole);
    case SQLITE_CONSTRAINT_CHECK: {
      static const QRegularExpression delka("length\\((\\w+)\\) <= (\\d+)");
      const auto d = delka.match(zprava);
      if (d.hasMatch())
        return QString("Text pole %1 je delší než povolených %2 znaků.")
            .arg(d.captured(1), d.captured(2));
      return "Hodnota nesplňuje podmínku databáze: " + zprava;
    }
    default:
      break;
  }
  switch (kod) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "Databáze je právě používána jiným programem: " + zprava;
    case SQLITE_READONLY:
      return "Do databáze nelze zapisovat: " + zprava;
    case SQLITE_FULL:
      return "Na disku není místo pro zápis do databáze.";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return "Soubor databáze je poškozen: " + zprava;
    default:
      return "Chyba databáze: " + zprava;
  }
}

void navazHodnotu(sqlite3_stmt* prikaz, int index, const QVariant& hodnota) {
  if (hodnota.isNull() || !hodnota.isValid()) {
    sqlite3_bind_null(prikaz, index);
    return;
  }
  switch (hodnota.typeId()) {
    case QMetaType::Bool:
      sqlite3_bind_int(prikaz, index, hodnota.toBool() ? 1 : 0);
      break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      sqlite3_bind_int64(prikaz, index, hodnota.toLongLong());
      break;
    case QMetaType::Double:
    case QMetaType::Float:
      sqlite3_bind_double(prikaz, index, hodnota.toDouble());
      break;
    case QMetaType::QDate: {
      const QByteArray t = hodnota.toDate().toString("yyyy-MM-dd").toUtf8();
      sqlite3_bind_text(prikaz, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
      break;
    }
    case QMetaType::QDateTime: {
      const QDateTime dt = hodnota.toDateTime();
      const QString format = dt.time() == QTime(0, 0) ? "yyyy-MM-dd" : "yyyy-MM-dd hh:mm:ss";
      const QByteArray t = dt.toString(format).toUtf8();
      sqlite3_bind_text(prikaz, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
      break;
    }
    default: {
      const QByteArray t = hodnota.toString().toUtf8();
      sqlite3_bind_text(prikaz, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
      break;
    }
  }
}

Prikaz::Prikaz(sqlite3* spojeni, const QString& sqlJet, const QVariantList& parametry)
    : spojeni_(spojeni) {
  if (!spojeni_) throw ChybaDatabaze("Databáze není připojena.");
  const QByteArray sql = prelozJetSql(sqlJet).toUtf8();
  const int kod = sqlite3_prepare_v2(spojeni_, sql.constData(), int(sql.size()), &prikaz_, nullptr);
  if (kod != SQLITE_OK) {
    const QString text = textChyby(spojeni_, kod);
    sqlite3_finalize(prikaz_);
    prikaz_ = nullptr;
    throw ChybaDatabaze(text);
  }
  for (int i = 0; i < parametry.size(); ++i) navazHodnotu(prikaz_, i + 1, parametry[i]);
}

Prikaz::~Prikaz() { sqlite3_finalize(prikaz_); }

bool Prikaz::dalsi() {
  const int kod = sqlite3_step(prikaz_);
  if (kod == SQLITE_ROW) return true;
  if (kod == SQLITE_DONE) return false;
  throw ChybaDatabaze(textChyby(spojeni_, kod));
}

int Prikaz::pocetSloupcu() const { return sqlite3_column_count(prikaz_); }

QString Prikaz::jmenoSloupce(int i) const {
  return QString::fromUtf8(sqlite3_column_name(prikaz_, i));
}

QString Prikaz::deklarovanyTyp(int i) const {
  const char* typ = sqlite3_column_decltype(prikaz_, i);
  return typ ? QString::fromUtf8(typ) : QString();
}

QVariant Prikaz::hodnota(int i) const {
  switch (sqlite3_column_type(prikaz_, i)) {
    case SQLITE_NULL:
      return QVariant();
    case SQLITE_INTEGER:
      return QVariant(qint64(sqlite3_column_int64(prikaz_, i)));
    case SQLITE_FLOAT:
      return QVariant(sqlite3_column_double(prikaz_, i));
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(prikaz_, i));
      return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(prikaz_, i)));
    }
  }
}

Pripojeni::Pripojeni() = default;

Pripojeni::~Pripojeni() { zavri(); }

bool Pripojeni::otevri(const QString& cesta) {
  zavri();
  const QFileInfo info(cesta);
  if (!info.isFile() || !info.isReadable()) return false;
  sqlite3* spojeni = nullptr;
  const int kod = sqlite3_open_v2(QFile::encodeName(cesta).constData(), &spojeni,
                                  SQLITE_OPEN_READWRITE, nullptr);
  if (kod != SQLITE_OK) {
    sqlite3_close(spojeni);
    return false;
  }
  sqlite3_busy_timeout(spojeni, 2000);
  bool nase = false;
  try {
    nase = stejneSloupce(sloupceTabulky(spojeni, "Faktura"), sloupceFaktura()) &&
           stejneSloupce(sloupceTabulky(spojeni, "Polozky"), sloupcePolozky());
  } catch (const ChybaDatabaze&) {
    nase = false;
  }
  if (!nase) {
    sqlite3_close(spojeni);
    return false;
  }
  spojeni_ = spojeni;
  return true;
}

void Pripojeni::zavri() {
  if (spojeni_) {
    sqlite3_close_v2(spojeni_);
    spojeni_ = nullptr;
  }
}

void Pripojeni::proved(const QString& sqlJet, const QVariantList& parametry) {
  Prikaz p(spojeni_, sqlJet, parametry);
  while (p.dalsi()) {
  }
}

qint64 Pripojeni::posledniVlozeneId() const { return sqlite3_last_insert_rowid(spojeni_); }

}  // namespace db
