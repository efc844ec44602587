#include "app/Nastaveni.h"

#include "app/IniSoubor.h"

namespace {
const QString kSekce = QStringLiteral("Nastaveni");
}  // namespace

TNastaveni NacistNastaveni(const QString& soubor) {
  const IniSoubor ini = IniSoubor::nacti(soubor);
  const TNastaveni v;  // defaults
  TNastaveni n;
  auto text = [&](const char* klic, const QString& vychozi, int kapacita = -1) {
    const QString hodnota = ini.cti(kSekce, QString::fromLatin1(klic), vychozi);
    return kapacita < 0 ? hodnota : hodnota.left(kapacita);
  };
  auto cislo = [&](const char* klic, int vychozi) {
    return ini.ctiCislo(kSekce, QString::fromLatin1(klic), vychozi);
  };
  auto logicke = [&](const char* klic, bool vychozi) {
    return ini.ctiLogicke(kSekce, QString::fromLatin1(klic), vychozi);
  };

  n.NazevSubjektu = text("NazevSubjektu", v.NazevSubjektu);
  n.Nazev2 = text("Nazev2", v.Nazev2);
  n.Ulice = text("Ulice", v.Ulice);
  n.Cislo = text("Cislo", v.Cislo);
  n.PSC = text("PSC", v.PSC, 6);
  n.Mesto = text("Mesto", v.Mesto);
  n.Stat = text("Stat", v.Stat);
  n.IC = text("IC", v.IC);
  n.DIC = text("DIC", v.DIC);
  n.Registrace = text("Registrace", v.Registrace);
  n.Banka = text("Banka", v.Banka);
  n.CisloUctu = text("CisloUctu", v.CisloUctu, 17);
  n.SmerovyKod = text("SmerovyKod", v.SmerovyKod, 4);
  n.IBAN = text("IBAN", v.IBAN);
  n.BIC = text("BIC", v.BIC);
  n.Tel = text("Tel", v.Tel);
  n.Mobil = text("Mobil", v.Mobil);
  n.Email = text("Email", v.Email);
  n.WWW = text("WWW", v.WWW);
  n.Osoba = text("Osoba", v.Osoba);
  n.AktualniRok = cislo("AktualniRok", v.AktualniRok);
  // Read in lower case, written capitalised: one entry either way.
  n.Prefix = text("prefix", v.Prefix, 8);
  n.VychoziMena = text("VychoziMena", v.VychoziMena, 3);
  n.CZK_na_Kc = logicke("CZK_na_Kc", v.CZK_na_Kc);
  n.VychoziFormaUhrady = text("VychoziFormaUhrady", v.VychoziFormaUhrady, 2);
  n.VychoziDobaSplatnosti = cislo("VychoziDobaSplatnosti", v.VychoziDobaSplatnosti);
  n.Platce = logicke("Platce", v.Platce);
  n.SazbaDPH1 = cislo("SazbaDPH1", v.SazbaDPH1);
  n.SazbaDPH2 = cislo("SazbaDPH2", v.SazbaDPH2);
  n.SazbaDPH3 = cislo("SazbaDPH3", v.SazbaDPH3);
  n.TypVypoctuDPH = cislo("TypVypoctuDPH", v.TypVypoctuDPH);
  n.ZaokrouhlFakturu = cislo("ZaokrouhlFakturu", v.ZaokrouhlFakturu);
  n.TypPredlohy = cislo("TypPredlohy", v.TypPredlohy);
  return n;
}

void UlozitNastaveni(const QString& soubor, const TNastaveni& n) {
  // The whole file is built in memory and replaced at once, so a failure writes no key.
  IniSoubor ini = IniSoubor::nactiKZapisu(soubor);
  auto text = [&](const char* klic, const QString& hodnota) {
    ini.zapis(kSekce, QString::fromLatin1(klic), hodnota);
  };
  auto cislo = [&](const char* klic, int hodnota) {
    ini.zapisCislo(kSekce, QString::fromLatin1(klic), hodnota);
  };
  auto logicke = [&](const char* klic, bool hodnota) {
    ini.zapisLogicke(kSekce, QString::fromLatin1(klic), hodnota);
  };

  text("NazevSubjektu", n.NazevSubjektu);
  text("Nazev2", n.Nazev2);
  text("Ulice", n.Ulice);
  text("Cislo", n.Cislo);
  text("PSC", n.PSC);
  text("Mesto", n.Mesto);
  text("Stat", n.Stat);
  text("IC", n.IC);
  text("DIC", n.DIC);
  text("Registrace", n.Registrace);
  text("Banka", n.Banka);
  text("CisloUctu", n.CisloUctu);
  text("SmerovyKod", n.SmerovyKod);
  text("IBAN", n.IBAN);
  text("BIC", n.BIC);
  text("Tel", n.Tel);
  text("Mobil", n.Mobil);
  text("Email", n.Email);
  text("WWW", n.WWW);
  text("Osoba", n.Osoba);
  text("Prefix", n.Prefix);
  text("VychoziFormaUhrady", n.VychoziFormaUhrady);
  cislo("VychoziDobaSplatnosti", n.VychoziDobaSplatnosti);
  text("VychoziMena", n.VychoziMena);
  logicke("CZK_na_Kc", n.CZK_na_Kc);
  logicke("Platce", n.Platce);
  cislo("SazbaDPH1", n.SazbaDPH1);
  cislo("SazbaDPH2", n.SazbaDPH2);
  cislo("SazbaDPH3", n.SazbaDPH3);
  cislo("TypVypoctuDPH", n.TypVypoctuDPH);
  cislo("ZaokrouhlFakturu", n.ZaokrouhlFakturu);
  cislo("TypPredlohy", n.TypPredlohy);

  ini.uloz(soubor);
}

void UlozitAktualniRok(const QString& soubor, int rok) {
  IniSoubor ini = IniSoubor::nactiKZapisu(soubor);
  ini.zapisCislo(kSekce, QStringLiteral("AktualniRok"), rok);
  ini.uloz(soubor);
}
