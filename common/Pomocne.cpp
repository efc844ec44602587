#include "common/Pomocne.h"

#include <cfenv>
#include <cmath>

#include "common/Hodiny.h"

uint16_t RokDnes() { return static_cast<uint16_t>(Hodiny::dnes().year()); }

QString CtiVerziProgramu() {
#if defined(TARVION_VERZE_MAJOR) && defined(TARVION_VERZE_MINOR)
  return QString::asprintf("%d.%d", TARVION_VERZE_MAJOR, TARVION_VERZE_MINOR);
#else
  return QString();
#endif
}

QString DoplnNulami(const QString& text, int sirka, int rezim) {
  if (text.size() > sirka) return sirka > 0 ? text.left(sirka) : QString();
  const int n = sirka - static_cast<int>(text.size());
  switch (rezim) {
    case 0:
      return text + QString(n, u'0');
    case 1: {
      const QString vysledek = QString(n / 2, u'0') + text;
      return vysledek + QString(sirka - vysledek.size(), u'0');
    }
    case 2:
      return QString(n, u'0') + text;
    default:
      return text;
  }
}

QString BezDiakritiky(const QString& text) {
  // Only these letters are replaced; other accented ones (Ů, Ľ, ...) are kept on purpose.
  static const struct {
    char16_t z;
    char16_t na;
  } tabulka[] = {
      {u'Á', u'A'}, {u'Č', u'C'}, {u'Ď', u'D'}, {u'É', u'E'}, {u'Ě', u'E'}, {u'Í', u'I'},
      {u'Ň', u'N'}, {u'Ó', u'O'}, {u'Ř', u'R'}, {u'Š', u'S'}, {u'Ť', u'T'}, {u'Ú', u'U'},
      {u'Ý', u'Y'}, {u'Ž', u'Z'}, {u'á', u'a'}, {u'ä', u'a'}, {u'č', u'c'}, {u'ď', u'd'},
      {u'é', u'e'}, {u'ë', u'e'}, {u'ě', u'e'}, {u'í', u'i'}, {u'ň', u'n'}, {u'ó', u'o'},
      {u'ő', u'o'}, {u'ö', u'o'}, {u'ř', u'r'}, {u'š', u's'}, {u'ť', u't'}, {u'ů', u'u'},
      {u'ú', u'u'}, {u'ű', u'u'}, {u'ü', u'u'}, {u'ý', u'y'}, {u'ž', u'z'},
  };
  QString vysledek = text;
  for (QChar& znak : vysledek) {
    for (const auto& radek : tabulka) {
      if (znak.unicode() == radek.z) {
        znak = QChar(radek.na);
        break;
      }
    }
  }
  return vysledek;
}

QChar ZnakLogicke(uint8_t priznak, QChar vychozi) {
  if (priznak == 0) return u'0';
  if (priznak == 1) return u'1';
  return vychozi;
}

double Zaokrouhli(int rad, double hodnota) {
  // The arithmetic must stay in 80-bit long double: a double quotient rounds 0.375 to 0.38,
  // while amounts already stored were rounded with the extended one (0.37).
  long double mocnina = 1.0L;
  for (int i = 0; i < std::abs(rad); ++i) mocnina *= 10.0L;
  const double f = static_cast<double>(rad < 0 ? 1.0L / mocnina : mocnina);
  const long double q = static_cast<long double>(hodnota) / static_cast<long double>(f);

  const int puvodniRezim = std::fegetround();
  if (puvodniRezim != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  const long double n = std::nearbyintl(q);
  if (puvodniRezim != FE_TONEAREST) std::fesetround(puvodniRezim);

  return static_cast<double>(n * static_cast<long double>(f));
}

QString DatumSQL(const QDate& datum) {
  return QLatin1Char('#') + datum.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('#');
}
