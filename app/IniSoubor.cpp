#include "app/IniSoubor.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "common/Chyba.h"

namespace {

// Bytes 0x80-0xFF of code page 1250. The undefined 0x81, 0x83, 0x88, 0x90 and 0x98 keep
// their C1 code points, which is what Windows decodes them to as well.
constexpr std::array<char16_t, 128> kHorniPolovina = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

using ZpetnaTabulka = std::array<std::pair<char16_t, char>, 128>;

const ZpetnaTabulka& zpetnaTabulka() {
  static const ZpetnaTabulka tabulka = [] {
    ZpetnaTabulka t{};
    for (int i = 0; i < 128; ++i)
      t[i] = {kHorniPolovina[i], static_cast<char>(0x80 + i)};
    std::sort(t.begin(), t.end());
    return t;
  }();
  return tabulka;
}

// What Windows skips around names and values; Ctrl+Z is the end mark old DOS editors left.
bool jeMezera(QChar c) {
  const char16_t u = c.unicode();
  return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f' ||
         u == 0x1A;
}

QString orizni(QStringView s) {
  qsizetype od = 0;
  qsizetype po = s.size();
  while (od < po && jeMezera(s[od])) ++od;
  while (po > od && jeMezera(s[po - 1])) --po;
  return s.mid(od, po - od).toString();
}

bool jePrazdny(const QString& radek) { return orizni(radek).isEmpty(); }

// The name of a "[name]" line, or a null string for any other line.
QString nazevSekce(const QString& radek) {
  const QString r = orizni(radek);
  if (!r.startsWith(u'[')) return {};
  const qsizetype zaver = r.indexOf(u']');
  if (zaver < 0) return {};
  QString nazev = orizni(QStringView(r).mid(1, zaver - 1));
  if (nazev.isNull()) nazev = QStringLiteral("");
  return nazev;
}

bool jeKomentar(const QString& radek) {
  for (QChar c : radek) {
    if (jeMezera(c)) continue;
    return c == u';';
  }
  return false;
}

// Splits a "key=value" line; false for lines that hold no key.
bool rozdelKlic(const QString& radek, QString* klic, QStringView* hodnota) {
  if (jeKomentar(radek)) return false;
  const qsizetype rovnitko = radek.indexOf(u'=');
  if (rovnitko < 0) return false;
  *klic = orizni(QStringView(radek).left(rovnitko));
  *hodnota = QStringView(radek).mid(rovnitko + 1);
  return true;
}

bool stejne(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

int hexCifra(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

bool naCislo(const QString& text, int* vysledek) {
  const qsizetype n = text.size();
  if (n >= 3 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    qint64 h = 0;
    for (qsizetype i = 2; i < n; ++i) {
      const int cifra = hexCifra(text[i]);
      if (cifra < 0) return false;
      h = h * 16 + cifra;
      if (h > INT_MAX) return false;
    }
    *vysledek = static_cast<int>(h);
    return true;
  }
  qsizetype i = 0;
  bool zaporne = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) zaporne = text[i++] == u'-';
  if (i == n) return false;
  qint64 d = 0;
  for (; i < n; ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    d = d * 10 + (text[i].unicode() - '0');
    if (d > qint64(INT_MAX) + 1) return false;
  }
  if (zaporne) d = -d;
  if (d > INT_MAX || d < INT_MIN) return false;
  *vysledek = static_cast<int>(d);
  return true;
}

QString chybaZapisu(const QString& cesta) { return QStringLiteral("Unable to write to ") + cesta; }

}  // namespace

QString zCp1250(const QByteArray& bajty) {
  QString text(bajty.size(), Qt::Uninitialized);
  QChar* cil = text.data();
  for (char b : bajty) {
    const auto u = static_cast<unsigned char>(b);
    *cil++ = QChar(u < 0x80 ? char16_t(u) : kHorniPolovina[u - 0x80]);
  }
  return text;
}

QByteArray doCp1250(const QString& text) {
  const ZpetnaTabulka& tabulka = zpetnaTabulka();
  QByteArray bajty;
  bajty.reserve(text.size());
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
      bajty.append(static_cast<char>(u));
      continue;
    }
    const auto it = std::lower_bound(tabulka.begin(), tabulka.end(), std::make_pair(u, '\0'),
                                     [](const auto& a, const auto& b) { return a.first < b.first; });
    bajty.append(it != tabulka.end() && it->first == u ? it->second : '?');
  }
  return bajty;
}

IniSoubor IniSoubor::zBajtu(const QByteArray& obsah) {
  IniSoubor ini;
  qsizetype od = 0;
  while (od < obsah.size()) {
    const qsizetype lf = obsah.indexOf('\n', od);
    Radek r;
    if (lf < 0) {
      r.text = zCp1250(obsah.mid(od));
      od = obsah.size();
    } else {
      qsizetype konecTextu = lf;
      if (konecTextu > od && obsah[konecTextu - 1] == '\r') --konecTextu;
      r.text = zCp1250(obsah.mid(od, konecTextu - od));
      r.konec = obsah.mid(konecTextu, lf + 1 - konecTextu);
      od = lf + 1;
    }
    ini.radky_.push_back(std::move(r));
  }
  return ini;
}

IniSoubor IniSoubor::nacti(const QString& cesta) {
  QFile soubor(cesta);
  if (!soubor.open(QIODevice::ReadOnly)) return {};
  return zBajtu(soubor.readAll());
}

IniSoubor IniSoubor::nactiKZapisu(const QString& cesta) {
  QFile soubor(cesta);
  if (!soubor.open(QIODevice::ReadOnly)) {
    // Only a file that is not there may be started afresh; anything else would be lost.
    if (QFileInfo::exists(cesta)) throw Chyba(chybaZapisu(cesta));
    return {};
  }
  const QByteArray obsah = soubor.readAll();
  if (soubor.error() != QFileDevice::NoError) throw Chyba(chybaZapisu(cesta));
  return zBajtu(obsah);
}

int IniSoubor::najdiSekci(const QString& sekce) const {
  for (size_t i = 0; i < radky_.size(); ++i) {
    const QString nazev = nazevSekce(radky_[i].text);
    if (!nazev.isNull() && stejne(nazev, sekce)) return static_cast<int>(i);
  }
  return -1;
}

int IniSoubor::konecSekce(int hlavicka) const {
  size_t i = static_cast<size_t>(hlavicka) + 1;
  while (i < radky_.size() && nazevSekce(radky_[i].text).isNull()) ++i;
  return static_cast<int>(i);
}

int IniSoubor::najdiKlic(const QString& sekce, const QString& klic) const {
  const int hlavicka = najdiSekci(sekce);
  if (hlavicka < 0) return -1;
  const int konec = konecSekce(hlavicka);
  for (int i = hlavicka + 1; i < konec; ++i) {
    QString nazev;
    QStringView hodnota;
    if (rozdelKlic(radky_[i].text, &nazev, &hodnota) && stejne(nazev, klic)) return i;
  }
  return -1;
}

QString IniSoubor::cti(const QString& sekce, const QString& klic, const QString& vychozi) const {
  const int i = najdiKlic(sekce, klic);
  if (i < 0) return vychozi;
  QString nazev;
  QStringView hodnota;
  rozdelKlic(radky_[i].text, &nazev, &hodnota);
  // Windows hands the value over in a buffer of 2048 characters with its terminator.
  QString vysledek = orizni(hodnota).left(2047);
  if (vysledek.isNull()) vysledek = QStringLiteral("");
  return vysledek;
}

int IniSoubor::ctiCislo(const QString& sekce, const QString& klic, int vychozi) const {
  int cislo = 0;
  return naCislo(cti(sekce, klic, QString()), &cislo) ? cislo : vychozi;
}

bool IniSoubor::ctiLogicke(const QString& sekce, const QString& klic, bool vychozi) const {
  int cislo = 0;
  return naCislo(cti(sekce, klic, QString()), &cislo) ? cislo != 0 : vychozi;
}

QByteArray IniSoubor::konecNovehoRadku() const {
  // New lines follow the file's own style; a new file gets what Windows writes.
  for (const Radek& r : radky_)
    if (!r.konec.isEmpty()) return r.konec;
  return QByteArrayLiteral("\r\n");
}

void IniSoubor::zapis(const QString& sekce, const QString& klic, const QString& hodnota) {
  QString jednoradkova = hodnota;
  jednoradkova.replace(u'\r', u' ').replace(u'\n', u' ');
  const QString text = klic + u'=' + jednoradkova;
  const QByteArray konec = konecNovehoRadku();

  const int existujici = najdiKlic(sekce, klic);
  if (existujici >= 0) {
    radky_[existujici].text = text;
    return;
  }

  const int hlavicka = najdiSekci(sekce);
  if (hlavicka >= 0) {
    int za = konecSekce(hlavicka);
    while (za - 1 > hlavicka && jePrazdny(radky_[za - 1].text)) --za;
    if (radky_[za - 1].konec.isEmpty()) radky_[za - 1].konec = konec;
    radky_.insert(radky_.begin() + za, Radek{text, konec});
    return;
  }

  if (!radky_.empty()) {
    if (radky_.back().konec.isEmpty()) radky_.back().konec = konec;
    if (!jePrazdny(radky_.back().text)) radky_.push_back(Radek{QString(), konec});
  }
  radky_.push_back(Radek{u'[' + sekce + u']', konec});
  radky_.push_back(Radek{text, konec});
}

void IniSoubor::zapisCislo(const QString& sekce, const QString& klic, int hodnota) {
  zapis(sekce, klic, QString::number(hodnota));
}

void IniSoubor::zapisLogicke(const QString& sekce, const QString& klic, bool hodnota) {
  zapis(sekce, klic, hodnota ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray IniSoubor::bajty() const {
  QByteArray obsah;
  for (const Radek& r : radky_) {
    obsah += doCp1250(r.text);
    obsah += r.konec;
  }
  return obsah;
}

void IniSoubor::uloz(const QString& cesta) const {
  const QByteArray obsah = bajty();
  QSaveFile soubor(cesta);
  // Unbuffered, so that a short write shows here: with a buffer, Qt 6.4 loses the error of
  // a write that stops part way and commits the cut file. Without commit the temporary
  // file is discarded.
  if (!soubor.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      soubor.write(obsah) != obsah.size() || soubor.error() != QFileDevice::NoError ||
      !soubor.commit())
    throw Chyba(chybaZapisu(cesta));
}
