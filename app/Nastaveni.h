#pragma once
// The settings record and its file: section "Nastaveni" of "Tarvion.ini".
#include <QString>

struct TNastaveni {
  QString NazevSubjektu;
  QString Nazev2;
  QString Ulice;
  QString Cislo;
  QString PSC;         // at most 6
  QString Mesto;
  QString Stat;
  QString IC;
  QString DIC;
  QString Registrace;
  QString Banka;
  QString CisloUctu;   // at most 17
  QString SmerovyKod;  // at most 4
  QString IBAN;
  QString BIC;
  QString Tel;
  QString Mobil;
  QString Email;
  QString WWW;
  QString Osoba;
  int AktualniRok = 2017;
  QString Prefix;                    // at most 8; read as "prefix", written as "Prefix"
  QString VychoziMena = "CZK";       // at most 3
  bool CZK_na_Kc = true;
  QString VychoziFormaUhrady = "PP";  // at most 2
  int VychoziDobaSplatnosti = 14;
  bool Platce = false;
  int SazbaDPH1 = 21;
  int SazbaDPH2 = 15;
  int SazbaDPH3 = 10;
  int TypVypoctuDPH = 0;
  int ZaokrouhlFakturu = 0;
  int TypPredlohy = 0;
};

// Reads every key with its default and capacity; a missing or unreadable file gives the
// defaults. AktualniRok is returned as stored (the caller raises it to 2015).
TNastaveni NacistNastaveni(const QString& soubor);
// Writes every key but AktualniRok. Throws Chyba("Unable to write to " + soubor); the old
// file is then left as it was.
void UlozitNastaveni(const QString& soubor, const TNastaveni& nastaveni);
// Writes AktualniRok alone, the same way.
void UlozitAktualniRok(const QString& soubor, int rok);
