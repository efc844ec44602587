#include "app/db/JetSql.h"

#include <QRegularExpression>
#include <QStringList>

namespace db {
namespace {

bool jeZnakJmena(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Index just past the quoted text that starts at i (a quote character).
qsizetype konecUvozovek(const QString& s, qsizetype i) {
  const QChar q = s[i];
  for (qsizetype j = i + 1; j < s.size(); ++j) {
    if (s[j] == q) {
      if (j + 1 < s.size() && s[j + 1] == q) {
        ++j;  // doubled quote inside the text
        continue;
      }
      return j + 1;
    }
  }
  return s.size();
}

// Index of the parenthesis that closes the one at i, or -1.
qsizetype parovaZavorka(const QString& s, qsizetype i) {
  int hloubka = 0;
  for (qsizetype j = i; j < s.size(); ++j) {
    const QChar c = s[j];
    if (c == u'\'' || c == u'"') {
      j = konecUvozovek(s, j) - 1;
    } else if (c == u'(') {
      ++hloubka;
    } else if (c == u')') {
      if (--hloubka == 0) return j;
    }
  }
  return -1;
}

// The arguments between the parentheses, split at commas of the top level.
QStringList argumenty(const QString& vnitrek) {
  QStringList vysledek;
  int hloubka = 0;
  qsizetype zacatek = 0;
  for (qsizetype j = 0; j < vnitrek.size(); ++j) {
    const QChar c = vnitrek[j];
    if (c == u'\'' || c == u'"') {
      j = konecUvozovek(vnitrek, j) - 1;
    } else if (c == u'(') {
      ++hloubka;
    } else if (c == u')') {
      --hloubka;
    } else if (c == u',' && hloubka == 0) {
      vysledek << vnitrek.mid(zacatek, j - zacatek).trimmed();
      zacatek = j + 1;
    }
  }
  vysledek << vnitrek.mid(zacatek).trimmed();
  return vysledek;
}

QString zaporne(const QString& n) {
  static const QRegularExpression cele("^\\d+$");
  return cele.match(n).hasMatch() ? "-" + n : "-(" + n + ")";
}

// LEFT(a, n) and RIGHT(a, n), also nested, and #yyyy-mm-dd# date literals (with an optional
// time), all outside quoted text.
QString prelozVyrazy(const QString& s) {
  static const QRegularExpression datum(
      "^#(\\d{4}-\\d{2}-\\d{2}(?: \\d{2}:\\d{2}:\\d{2})?)#");
  QString vysledek;
  for (qsizetype i = 0; i < s.size();) {
    const QChar c = s[i];
    if (c == u'\'' || c == u'"') {
      const qsizetype k = konecUvozovek(s, i);
      vysledek += s.mid(i, k - i);
      i = k;
      continue;
    }
    if (c == u'#') {
      const auto m = datum.match(QStringView(s).mid(i));
      if (m.hasMatch()) {
        vysledek += "'" + m.captured(1) + "'";
        i += m.capturedLength(0);
        continue;
      }
    }
    if (c.isLetter() && (i == 0 || !jeZnakJmena(s[i - 1]))) {
      qsizetype k = i;
      while (k < s.size() && jeZnakJmena(s[k])) ++k;
      const QString jmeno = s.mid(i, k - i).toUpper();
      qsizetype z = k;
      while (z < s.size() && s[z].isSpace()) ++z;
      if ((jmeno == "LEFT" || jmeno == "RIGHT") && z < s.size() && s[z] == u'(') {
        const qsizetype konec = parovaZavorka(s, z);
        if (konec > 0) {
          const QStringList arg = argumenty(s.mid(z + 1, konec - z - 1));
          if (arg.size() == 2) {
            const QString text = prelozVyrazy(arg[0]);
            const QString n = prelozVyrazy(arg[1]);
            vysledek += jmeno == "LEFT" ? "substr(" + text + ", 1, " + n + ")"
                                        : "substr(" + text + ", " + zaporne(n) + ")";
            i = konec + 1;
            continue;
          }
        }
      }
      vysledek += s.mid(i, k - i);
      i = k;
      continue;
    }
    vysledek += c;
    ++i;
  }
  return vysledek;
}

}  // namespace

QString prelozJetSql(const QString& sql) {
  QString s = sql.trimmed();
  while (s.endsWith(u';')) s = s.chopped(1).trimmed();

  static const QRegularExpression top("^(\\s*SELECT\\s+(?:DISTINCT\\s+)?)TOP\\s+(\\d+)\\s*,?\\s*",
                                      QRegularExpression::CaseInsensitiveOption);
  QString limit;
  const auto m = top.match(s);
  if (m.hasMatch()) {
    limit = m.captured(2);
    s = m.captured(1) + s.mid(m.capturedLength(0));
  }
  s = prelozVyrazy(s);
  if (!limit.isEmpty()) s += " LIMIT " + limit;
  return s;
}

}  // namespace db
