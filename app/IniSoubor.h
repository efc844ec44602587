#pragma once
// An INI file in code page 1250, kept line by line so that a write leaves every other
// section, key, comment and blank line as it was. Keys and sections ignore letter case.
#include <QByteArray>
#include <QString>
#include <vector>

class IniSoubor {
 public:
  // A missing or unreadable file reads as empty.
  static IniSoubor nacti(const QString& cesta);
  // For a read-modify-write: a missing file is empty, but a file that exists and cannot
  // be read throws Chyba("Unable to write to " + cesta) instead of being overwritten.
  static IniSoubor nactiKZapisu(const QString& cesta);
  // The file's bytes as they are on disk.
  static IniSoubor zBajtu(const QByteArray& obsah);

  // The text after the first '=', trimmed, at most 2047 characters; the default when the
  // key is missing.
  QString cti(const QString& sekce, const QString& klic, const QString& vychozi) const;
  // Decimal, or hexadecimal after "0x"/"0X" (three or more characters); else the default.
  int ctiCislo(const QString& sekce, const QString& klic, int vychozi) const;
  // Read as an integer: non-zero is true; a non-integer gives the default.
  bool ctiLogicke(const QString& sekce, const QString& klic, bool vychozi) const;

  // Replace the key's line (under the new spelling of its name) or add it at the end of
  // the section, before its trailing blank lines; the section is created when missing.
  // Line breaks in the value become blanks: a value cannot span lines.
  void zapis(const QString& sekce, const QString& klic, const QString& hodnota);
  void zapisCislo(const QString& sekce, const QString& klic, int hodnota);
  void zapisLogicke(const QString& sekce, const QString& klic, bool hodnota);

  // The bytes the file would have; untouched lines come out exactly as they were read.
  QByteArray bajty() const;
  // Writes a temporary file beside the target and renames it over; throws
  // Chyba("Unable to write to " + cesta) and leaves the old file intact on failure.
  void uloz(const QString& cesta) const;

 private:
  struct Radek {
    QString text;       // without its line break
    QByteArray konec;   // "\r\n", "\n" or empty for a last line without one
  };

  int najdiSekci(const QString& sekce) const;  // index of the header line or -1
  int konecSekce(int hlavicka) const;          // index past the section's last line
  int najdiKlic(const QString& sekce, const QString& klic) const;
  QByteArray konecNovehoRadku() const;

  std::vector<Radek> radky_;
};

// Code page 1250. The five bytes the code page leaves undefined map to U+0081 and the like,
// so that any file decodes and encodes back to the same bytes; a character the code page
// lacks is written as '?', as Windows does.
QString zCp1250(const QByteArray& bajty);
QByteArray doCp1250(const QString& text);
