#pragma once
// An INI file in code page 1250, kept line by line so that a write leaves every other
// section, key, comment and blank line as it was. Keys and sections ignore letter case.
#include <QString>
#include <QStringList>

class IniSoubor {
 public:
  // A missing or unreadable file reads as empty.
  static IniSoubor nacti(const QString& cesta);

  // The text after the first '=', trimmed, at most 2047 characters; the default when the
  // key is missing.
  QString cti(const QString& sekce, const QString& klic, const QString& vychozi) const;
  // Decimal, or hexadecimal after "0x"/"0X" (three or more characters); else the default.
  int ctiCislo(const QString& sekce, const QString& klic, int vychozi) const;
  // Read as an integer: non-zero is true; a non-integer gives the default.
  bool ctiLogicke(const QString& sekce, const QString& klic, bool vychozi) const;

  // Replace the key's value (under the new spelling of its name) or add it at the end of
  // the section; the section is created when missing.
  void zapis(const QString& sekce, const QString& klic, const QString& hodnota);
  void zapisCislo(const QString& sekce, const QString& klic, int hodnota);
  void zapisLogicke(const QString& sekce, const QString& klic, bool hodnota);

  // Writes a temporary file beside the target and renames it over; throws
  // Chyba("Unable to write to " + cesta) and leaves the old file intact on failure.
  void uloz(const QString& cesta) const;

 private:
  QStringList radky_;
};
