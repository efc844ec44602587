#include "common/Format.h"

#include <QLocale>

namespace {
const QLocale& cesky() {
  static const QLocale l(QLocale::Czech, QLocale::CzechRepublic);
  return l;
}
}  // namespace

QString FormatPenize(double hodnota) { return cesky().toString(hodnota, 'f', 2); }

QString FormatPenizeBezOddelovace(double hodnota) {
  return QString::number(hodnota, 'f', 2).replace(u'.', u',');
}

QString FormatDatum(const QDate& datum) {
  return datum.isValid() ? datum.toString("d.M.yyyy") : QString();
}

QString FormatDatumDvoumistne(const QDate& datum) {
  return datum.isValid() ? datum.toString("dd.MM.yyyy") : QString();
}

QString FormatCislo(double hodnota) {
  QString t = QString::number(hodnota, 'g', 15);
  return t.replace(u'.', u',');
}

bool PrectiCislo(const QString& text, double& hodnota) {
  QString t = text.trimmed();
  t.remove(u' ');
  t.remove(QChar(0x00A0));
  t.remove(QChar(0x202F));
  if (t.contains(u',')) {
    t.remove(u'.');
    t.replace(u',', u'.');
  }
  if (t.isEmpty()) return false;
  bool ok = false;
  const double v = QLocale::c().toDouble(t, &ok);
  if (ok) hodnota = v;
  return ok;
}
