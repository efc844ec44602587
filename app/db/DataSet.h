#pragma once
// A dataset over an SQL text, in the manner of the record sets the program was designed
// around: rows read in order, fields by name (letter case ignored), and on an editable one
// edit / append / post / cancel / delete with the state and change notifications the
// windows bind to. Posting writes at once.
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <vector>

namespace db {

class Pripojeni;

enum class StavDat { Neaktivni, Prohlizeni, Editace, Vkladani };

enum class TypPole { Text, Cele, Realne, Penize, Datum, Logicke, Jine };

struct Pole {
  QString jmeno;
  TypPole typ = TypPole::Jine;
  int velikost = 0;  // characters of a text column, 0 when unbounded
};

class DataSet : public QObject {
  Q_OBJECT
 public:
  // tabulka: the table that posts go to; empty for a read-only query.
  explicit DataSet(Pripojeni& pripojeni, QString tabulka = {}, QObject* rodic = nullptr);

  void nastavSql(const QString& sqlJet, const QVariantList& parametry = {});
  void otevri();
  void zavri();
  bool jeOtevreny() const { return stav_ != StavDat::Neaktivni; }
  StavDat stav() const { return stav_; }

  // Navigation. Moving away from a pending change posts it first.
  void prvni();
  void dalsi();
  void jdiNa(int radek);  // 0-based
  bool eof() const;
  bool jePrazdny() const { return radky_.empty(); }
  int pocetRadku() const { return int(radky_.size()); }
  int aktualniRadek() const { return aktualni_; }  // 0-based, -1 when none
  // 1-based position of the current row; 0 when there is none or a row is being appended.
  int cisloZaznamu() const;

  const std::vector<Pole>& pole() const { return pole_; }
  int indexPole(const QString& jmeno) const;  // -1 when missing
  const Pole& popisPole(const QString& jmeno) const;

  QVariant hodnota(const QString& jmeno) const;
  QVariant hodnotaRadku(int radek, int indexPole) const;
  bool jeNull(const QString& jmeno) const;
  QString text(const QString& jmeno) const;
  qint64 cele(const QString& jmeno) const;
  double realne(const QString& jmeno) const;
  // Money: held to the nearest ten-thousandth, so sums come out exact.
  double penize(const QString& jmeno) const;
  QDate datum(const QString& jmeno) const;
  QDateTime datumCas(const QString& jmeno) const;
  bool logicke(const QString& jmeno) const;

  // Editing (editable datasets only).
  void edituj();
  void pridej();
  void nastav(const QString& jmeno, const QVariant& hodnota);
  void uloz();
  void zrus();
  void smaz();
  // Checks run before a post; one may throw to stop it (e.g. a value typed that does not parse).
  void pridejKontrolu(std::function<void()> kontrola);

 signals:
  void stavZmenen(db::StavDat stav);
  // A field changed (its name) or the row changed / was reloaded (empty name).
  void dataZmenena(const QString& pole);
  void poVlozeni();
  void predUlozenim();

 private:
  void vyzadujTabulku() const;
  void vyzadujRadek() const;
  void nastavStav(StavDat stav);
  void ulozPredPohybem();
  int indexPoleNebo(const QString& jmeno) const;
  QVariant normalizuj(const Pole& pole, const QVariant& hodnota) const;

  Pripojeni& pripojeni_;
  QString tabulka_;
  QString sql_;
  QVariantList parametry_;
  std::vector<Pole> pole_;
  std::vector<std::vector<QVariant>> radky_;
  int aktualni_ = -1;
  StavDat stav_ = StavDat::Neaktivni;
  std::vector<QVariant> puvodni_;   // the row before edit, for cancel
  std::vector<bool> zmenene_;       // fields set since edit/append
  int predVlozenim_ = -1;           // current row before append, for cancel
  std::vector<std::function<void()>> kontroly_;
};

// Closes a dataset when the scope ends, also when an error escapes: the scratch query is
// shared, so every use leaves it closed.
class ZavriNaKonci {
 public:
  explicit ZavriNaKonci(DataSet& data) : data_(data) {}
  ~ZavriNaKonci() { data_.zavri(); }
  ZavriNaKonci(const ZavriNaKonci&) = delete;
  ZavriNaKonci& operator=(const ZavriNaKonci&) = delete;

 private:
  DataSet& data_;
};

// Money held to four decimals.
double naDesetitisiciny(double hodnota);

}  // namespace db
