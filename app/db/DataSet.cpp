#include "app/db/DataSet.h"

#include <QRegularExpression>
#include <cmath>

#include "app/db/Pripojeni.h"

namespace db {

namespace {

Pole popisSloupce(const QString& jmeno, const QString& deklarace) {
  Pole p;
  p.jmeno = jmeno;
  const QString typ = deklarace.trimmed().toUpper();
  if (typ.startsWith("VARCHAR") || typ.startsWith("TEXT") || typ.startsWith("CHAR")) {
    p.typ = TypPole::Text;
    static const QRegularExpression velikost("\\((\\d+)\\)");
    const auto m = velikost.match(typ);
    if (m.hasMatch()) p.velikost = m.captured(1).toInt();
  } else if (typ.startsWith("INT") || typ == "LONG") {
    p.typ = TypPole::Cele;
  } else if (typ == "DOUBLE" || typ == "REAL" || typ == "FLOAT") {
    p.typ = TypPole::Realne;
  } else if (typ == "CURRENCY") {
    p.typ = TypPole::Penize;
  } else if (typ == "DATETIME" || typ == "DATE") {
    p.typ = TypPole::Datum;
  } else if (typ == "BOOLEAN" || typ == "BIT") {
    p.typ = TypPole::Logicke;
  }
  return p;
}

QDateTime naDatumCas(const QVariant& v) {
  if (v.isNull()) return {};
  const QString t = v.toString();
  if (t.size() > 10) {
    const QDateTime dt = QDateTime::fromString(t.left(19), "yyyy-MM-dd hh:mm:ss");
    if (dt.isValid()) return dt;
  }
  const QDate d = QDate::fromString(t.left(10), "yyyy-MM-dd");
  return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
}

}  // namespace

double naDesetitisiciny(double hodnota) {
  if (!std::isfinite(hodnota)) return hodnota;
  const long double n = std::llround(static_cast<long double>(hodnota) * 10000.0L);
  return static_cast<double>(n / 10000.0L);
}

DataSet::DataSet(Pripojeni& pripojeni, QString tabulka, QObject* rodic)
    : QObject(rodic), pripojeni_(pripojeni), tabulka_(std::move(tabulka)) {}

void DataSet::nastavSql(const QString& sqlJet, const QVariantList& parametry) {
  sql_ = sqlJet;
  parametry_ = parametry;
}

void DataSet::otevri() {
  if (jeOtevreny()) zavri();
  Prikaz p(pripojeni_.spojeni(), sql_, parametry_);
  std::vector<Pole> pole;
  for (int i = 0; i < p.pocetSloupcu(); ++i)
    pole.push_back(popisSloupce(p.jmenoSloupce(i), p.deklarovanyTyp(i)));
  std::vector<std::vector<QVariant>> radky;
  while (p.dalsi()) {
    std::vector<QVariant> radek(pole.size());
    for (int i = 0; i < int(pole.size()); ++i) radek[i] = p.hodnota(i);
    radky.push_back(std::move(radek));
  }
  pole_ = std::move(pole);
  radky_ = std::move(radky);
  aktualni_ = radky_.empty() ? -1 : 0;
  nastavStav(StavDat::Prohlizeni);
  emit dataZmenena(QString());
}

void DataSet::zavri() {
  if (!jeOtevreny()) return;
  radky_.clear();
  pole_.clear();
  puvodni_.clear();
  zmenene_.clear();
  aktualni_ = -1;
  nastavStav(StavDat::Neaktivni);
}

void DataSet::nastavStav(StavDat stav) {
  if (stav_ == stav) return;
  stav_ = stav;
  emit stavZmenen(stav);
}

void DataSet::ulozPredPohybem() {
  if (stav_ == StavDat::Editace || stav_ == StavDat::Vkladani) uloz();
}

void DataSet::prvni() {
  ulozPredPohybem();
  aktualni_ = radky_.empty() ? -1 : 0;
  emit dataZmenena(QString());
}

void DataSet::dalsi() {
  ulozPredPohybem();
  if (aktualni_ < int(radky_.size())) ++aktualni_;
  if (!eof()) emit dataZmenena(QString());
}

void DataSet::jdiNa(int radek) {
  if (radek < 0 || radek >= int(radky_.size()) || radek == aktualni_) return;
  ulozPredPohybem();
  aktualni_ = radek;
  emit dataZmenena(QString());
}

bool DataSet::eof() const { return aktualni_ < 0 || aktualni_ >= int(radky_.size()); }

int DataSet::cisloZaznamu() const {
  if (stav_ == StavDat::Vkladani || eof()) return 0;
  return aktualni_ + 1;
}

int DataSet::indexPole(const QString& jmeno) const {
  for (int i = 0; i < int(pole_.size()); ++i)
    if (pole_[i].jmeno.compare(jmeno, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int DataSet::indexPoleNebo(const QString& jmeno) const {
  const int i = indexPole(jmeno);
  if (i < 0) throw ChybaDatabaze(QString("Pole %1 nebylo nalezeno.").arg(jmeno));
  return i;
}

const Pole& DataSet::popisPole(const QString& jmeno) const { return pole_[indexPoleNebo(jmeno)]; }

QVariant DataSet::hodnota(const QString& jmeno) const {
  const int i = indexPoleNebo(jmeno);
  if (eof()) return {};
  return radky_[aktualni_][i];
}

QVariant DataSet::hodnotaRadku(int radek, int indexPole) const {
  if (radek < 0 || radek >= int(radky_.size()) || indexPole < 0 ||
      indexPole >= int(pole_.size()))
    return {};
  return radky_[radek][indexPole];
}

bool DataSet::jeNull(const QString& jmeno) const { return hodnota(jmeno).isNull(); }

QString DataSet::text(const QString& jmeno) const {
  const QVariant v = hodnota(jmeno);
  return v.isNull() ? QString() : v.toString();
}

qint64 DataSet::cele(const QString& jmeno) const { return hodnota(jmeno).toLongLong(); }

double DataSet::realne(const QString& jmeno) const { return hodnota(jmeno).toDouble(); }

double DataSet::penize(const QString& jmeno) const {
  return naDesetitisiciny(hodnota(jmeno).toDouble());
}

QDate DataSet::datum(const QString& jmeno) const { return naDatumCas(hodnota(jmeno)).date(); }

QDateTime DataSet::datumCas(const QString& jmeno) const { return naDatumCas(hodnota(jmeno)); }

bool DataSet::logicke(const QString& jmeno) const { return hodnota(jmeno).toLongLong() != 0; }

void DataSet::vyzadujTabulku() const {
  if (tabulka_.isEmpty()) throw ChybaDatabaze("Tato data nelze měnit.");
  if (!jeOtevreny()) throw ChybaDatabaze("Data nejsou otevřena.");
}

void DataSet::vyzadujRadek() const {
  if (eof()) throw ChybaDatabaze("Není vybrán žádný záznam.");
}

void DataSet::edituj() {
  vyzadujTabulku();
  if (stav_ == StavDat::Editace || stav_ == StavDat::Vkladani) return;
  if (radky_.empty()) {
    pridej();
    return;
  }
  vyzadujRadek();
  puvodni_ = radky_[aktualni_];
  zmenene_.assign(pole_.size(), false);
  nastavStav(StavDat::Editace);
}

void DataSet::pridej() {
  vyzadujTabulku();
  ulozPredPohybem();
  predVlozenim_ = aktualni_;
  radky_.emplace_back(pole_.size());
  aktualni_ = int(radky_.size()) - 1;
  zmenene_.assign(pole_.size(), false);
  nastavStav(StavDat::Vkladani);
  emit poVlozeni();
  emit dataZmenena(QString());
}

QVariant DataSet::normalizuj(const Pole& pole, const QVariant& hodnota) const {
  if (!hodnota.isValid() || hodnota.isNull()) return {};
  switch (pole.typ) {
    case TypPole::Text: {
      const QString t = hodnota.toString();
      return t.isEmpty() ? QVariant() : QVariant(t);
    }
    case TypPole::Cele:
      return QVariant(hodnota.toLongLong());
    case TypPole::Realne:
      return QVariant(hodnota.toDouble());
    case TypPole::Penize:
      return QVariant(naDesetitisiciny(hodnota.toDouble()));
    case TypPole::Logicke:
      return QVariant(qint64(hodnota.toBool() ? 1 : 0));
    case TypPole::Datum: {
      if (hodnota.typeId() == QMetaType::QDate) {
        const QDate d = hodnota.toDate();
        return d.isValid() ? QVariant(d.toString("yyyy-MM-dd")) : QVariant();
      }
      if (hodnota.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = hodnota.toDateTime();
        if (!dt.isValid()) return {};
        return dt.time() == QTime(0, 0) ? dt.date().toString("yyyy-MM-dd")
                                        : dt.toString("yyyy-MM-dd hh:mm:ss");
      }
      return hodnota;
    }
    case TypPole::Jine:
      break;
  }
  return hodnota;
}

void DataSet::nastav(const QString& jmeno, const QVariant& hodnota) {
  const int i = indexPoleNebo(jmeno);
  if (stav_ == StavDat::Prohlizeni) edituj();
  if (stav_ != StavDat::Editace && stav_ != StavDat::Vkladani)
    throw ChybaDatabaze("Data nejsou v režimu úprav.");
  radky_[aktualni_][i] = normalizuj(pole_[i], hodnota);
  zmenene_[i] = true;
  emit dataZmenena(pole_[i].jmeno);
}

void DataSet::pridejKontrolu(std::function<void()> kontrola) {
  kontroly_.push_back(std::move(kontrola));
}

void DataSet::uloz() {
  if (stav_ != StavDat::Editace && stav_ != StavDat::Vkladani) return;
  for (const auto& kontrola : kontroly_) kontrola();
  emit predUlozenim();

  const int id = indexPole("Id");
  std::vector<QVariant>& radek = radky_[aktualni_];
  QStringList sloupce;
  QVariantList hodnoty;
  for (int i = 0; i < int(pole_.size()); ++i) {
    if (i == id || !zmenene_[i]) continue;
    if (stav_ == StavDat::Vkladani && radek[i].isNull()) continue;
    sloupce << pole_[i].jmeno;
    hodnoty << radek[i];
  }

  if (stav_ == StavDat::Editace) {
    if (!sloupce.isEmpty()) {
      if (id < 0) throw ChybaDatabaze("Záznam nelze uložit: chybí jeho Id.");
      QStringList prirazeni;
      for (const QString& s : sloupce) prirazeni << s + " = ?";
      hodnoty << puvodni_[id];
      pripojeni_.proved("UPDATE " + tabulka_ + " SET " + prirazeni.join(", ") + " WHERE Id = ?",
                        hodnoty);
    }
  } else {
    if (sloupce.isEmpty()) {
      pripojeni_.proved("INSERT INTO " + tabulka_ + " DEFAULT VALUES");
    } else {
      const QString otazniky = QString("?, ").repeated(int(sloupce.size())).chopped(2);
      pripojeni_.proved("INSERT INTO " + tabulka_ + " (" + sloupce.join(", ") + ") VALUES (" +
                            otazniky + ")",
                        hodnoty);
    }
    if (id >= 0) radek[id] = QVariant(pripojeni_.posledniVlozeneId());
  }
  puvodni_.clear();
  zmenene_.clear();
  nastavStav(StavDat::Prohlizeni);
  emit dataZmenena(QString());
}

void DataSet::zrus() {
  if (stav_ == StavDat::Editace) {
    radky_[aktualni_] = puvodni_;
  } else if (stav_ == StavDat::Vkladani) {
    radky_.erase(radky_.begin() + aktualni_);
    aktualni_ = radky_.empty() ? -1 : qBound(0, predVlozenim_, int(radky_.size()) - 1);
  } else {
    return;
  }
  puvodni_.clear();
  zmenene_.clear();
  nastavStav(StavDat::Prohlizeni);
  emit dataZmenena(QString());
}

void DataSet::smaz() {
  vyzadujTabulku();
  if (stav_ == StavDat::Vkladani) {
    zrus();
    return;
  }
  if (stav_ == StavDat::Editace) zrus();
  vyzadujRadek();
  const int id = indexPoleNebo("Id");
  pripojeni_.proved("DELETE FROM " + tabulka_ + " WHERE Id = ?", {radky_[aktualni_][id]});
  radky_.erase(radky_.begin() + aktualni_);
  if (aktualni_ >= int(radky_.size())) aktualni_ = int(radky_.size()) - 1;
  emit dataZmenena(QString());
}

}  // namespace db
