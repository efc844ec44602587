// The settings file: reading with defaults and capacities, code page 1250, writes that
// leave the rest of the file alone, and failures that leave the old file in place.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <ostream>

#include <sys/resource.h>

#include "app/IniSoubor.h"
#include "app/Nastaveni.h"
#include "common/Chyba.h"

// Readable failure messages for Qt texts.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
void PrintTo(const QByteArray& b, std::ostream* os) {
  static const char kHex[] = "0123456789ABCDEF";
  *os << '"';
  for (char c : b) {
    const auto u = static_cast<unsigned char>(c);
    if (u == '\r')
      *os << "\\r";
    else if (u == '\n')
      *os << "\\n";
    else if (u >= 0x20 && u < 0x7F && u != '\\')
      *os << c;
    else
      *os << "\\x" << kHex[u >> 4] << kHex[u & 15];
  }
  *os << '"';
}

namespace {

class NastaveniTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(adresar_.isValid()); }

  QString cesta(const QString& jmeno = QStringLiteral("Tarvion.ini")) const {
    return adresar_.filePath(jmeno);
  }

  void zapisSoubor(const QByteArray& obsah) const { zapisSoubor(cesta(), obsah); }
  static void zapisSoubor(const QString& kam, const QByteArray& obsah) {
    QFile f(kam);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(obsah), obsah.size());
  }

  QByteArray ctiSoubor() const { return ctiSoubor(cesta()); }
  static QByteArray ctiSoubor(const QString& odkud) {
    QFile f(odkud);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
  }

  TNastaveni nacti(const QByteArray& obsah) {
    zapisSoubor(obsah);
    return NacistNastaveni(cesta());
  }

  QStringList obsahAdresare() const {
    return QDir(adresar_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                           QDir::NoDotAndDotDot);
  }

  QTemporaryDir adresar_;
};

// Lines of the file whose key (before '=') matches, compared without regard to case.
QList<QByteArray> radkySKlicem(const QByteArray& obsah, const QByteArray& klic) {
  QList<QByteArray> nalezene;
  for (const QByteArray& radek : obsah.split('\n')) {
    const qsizetype rovnitko = radek.indexOf('=');
    if (rovnitko >= 0 && radek.left(rovnitko).trimmed().toLower() == klic.toLower())
      nalezene << radek;
  }
  return nalezene;
}

TNastaveni vyplnenyZaznam() {
  TNastaveni n;
  n.NazevSubjektu = QStringLiteral("Příliš žluťoučký kůň s.r.o.");
  n.Nazev2 = QStringLiteral("Provozovna Čáslav");
  n.Ulice = QStringLiteral("Dlouhá");
  n.Cislo = QStringLiteral("12/3a");
  n.PSC = QStringLiteral("286 01");
  n.Mesto = QStringLiteral("Čáslav");
  n.Stat = QStringLiteral("Česká republika");
  n.IC = QStringLiteral("12345678");
  n.DIC = QStringLiteral("CZ12345678");
  n.Registrace = QStringLiteral("Zapsáno u KS v Praze, oddíl C, vložka 1");
  n.Banka = QStringLiteral("Fio banka, a.s.");
  n.CisloUctu = QStringLiteral("000019-2000145399");
  n.SmerovyKod = QStringLiteral("0800");
  n.IBAN = QStringLiteral("CZ6508000000192000145399");
  n.BIC = QStringLiteral("GIBACZPX");
  n.Tel = QStringLiteral("+420 327 000 000");
  n.Mobil = QStringLiteral("+420 777 000 000");
  n.Email = QStringLiteral("fakturace@example.cz");
  n.WWW = QStringLiteral("https://example.cz/?a=1&b=2");
  n.Osoba = QStringLiteral("Řehoř Šťastný");
  n.Prefix = QStringLiteral("FV-");
  n.VychoziMena = QStringLiteral("EUR");
  n.CZK_na_Kc = false;
  n.VychoziFormaUhrady = QStringLiteral("H");
  n.VychoziDobaSplatnosti = 30;
  n.Platce = true;
  n.SazbaDPH1 = 22;
  n.SazbaDPH2 = 12;
  n.SazbaDPH3 = 0;
  n.TypVypoctuDPH = 1;
  n.ZaokrouhlFakturu = 2;
  n.TypPredlohy = 3;
  return n;
}

void ocekavejStejne(const TNastaveni& a, const TNastaveni& b) {
  EXPECT_EQ(a.NazevSubjektu, b.NazevSubjektu);
  EXPECT_EQ(a.Nazev2, b.Nazev2);
  EXPECT_EQ(a.Ulice, b.Ulice);
  EXPECT_EQ(a.Cislo, b.Cislo);
  EXPECT_EQ(a.PSC, b.PSC);
  EXPECT_EQ(a.Mesto, b.Mesto);
  EXPECT_EQ(a.Stat, b.Stat);
  EXPECT_EQ(a.IC, b.IC);
  EXPECT_EQ(a.DIC, b.DIC);
  EXPECT_EQ(a.Registrace, b.Registrace);
  EXPECT_EQ(a.Banka, b.Banka);
  EXPECT_EQ(a.CisloUctu, b.CisloUctu);
  EXPECT_EQ(a.SmerovyKod, b.SmerovyKod);
  EXPECT_EQ(a.IBAN, b.IBAN);
  EXPECT_EQ(a.BIC, b.BIC);
  EXPECT_EQ(a.Tel, b.Tel);
  EXPECT_EQ(a.Mobil, b.Mobil);
  EXPECT_EQ(a.Email, b.Email);
  EXPECT_EQ(a.WWW, b.WWW);
  EXPECT_EQ(a.Osoba, b.Osoba);
  EXPECT_EQ(a.AktualniRok, b.AktualniRok);
  EXPECT_EQ(a.Prefix, b.Prefix);
  EXPECT_EQ(a.VychoziMena, b.VychoziMena);
  EXPECT_EQ(a.CZK_na_Kc, b.CZK_na_Kc);
  EXPECT_EQ(a.VychoziFormaUhrady, b.VychoziFormaUhrady);
  EXPECT_EQ(a.VychoziDobaSplatnosti, b.VychoziDobaSplatnosti);
  EXPECT_EQ(a.Platce, b.Platce);
  EXPECT_EQ(a.SazbaDPH1, b.SazbaDPH1);
  EXPECT_EQ(a.SazbaDPH2, b.SazbaDPH2);
  EXPECT_EQ(a.SazbaDPH3, b.SazbaDPH3);
  EXPECT_EQ(a.TypVypoctuDPH, b.TypVypoctuDPH);
  EXPECT_EQ(a.ZaokrouhlFakturu, b.ZaokrouhlFakturu);
  EXPECT_EQ(a.TypPredlohy, b.TypPredlohy);
}

void ocekavejVychozi(const TNastaveni& n) {
  for (const QString* s : {&n.NazevSubjektu, &n.Nazev2, &n.Ulice, &n.Cislo, &n.PSC, &n.Mesto,
                           &n.Stat, &n.IC, &n.DIC, &n.Registrace, &n.Banka, &n.CisloUctu,
                           &n.SmerovyKod, &n.IBAN, &n.BIC, &n.Tel, &n.Mobil, &n.Email, &n.WWW,
                           &n.Osoba, &n.Prefix})
    EXPECT_TRUE(s->isEmpty()) << s->toStdString();
  EXPECT_EQ(n.AktualniRok, 2017);
  EXPECT_EQ(n.VychoziMena, "CZK");
  EXPECT_TRUE(n.CZK_na_Kc);
  EXPECT_EQ(n.VychoziFormaUhrady, "PP");
  EXPECT_EQ(n.VychoziDobaSplatnosti, 14);
  EXPECT_FALSE(n.Platce);
  EXPECT_EQ(n.SazbaDPH1, 21);
  EXPECT_EQ(n.SazbaDPH2, 15);
  EXPECT_EQ(n.SazbaDPH3, 10);
  EXPECT_EQ(n.TypVypoctuDPH, 0);
  EXPECT_EQ(n.ZaokrouhlFakturu, 0);
  EXPECT_EQ(n.TypPredlohy, 0);
}

// ---- Reading -----------------------------------------------------------------------

TEST_F(NastaveniTest, BezSouboruVsechnoVychozi) {
  ocekavejVychozi(NacistNastaveni(cesta()));
  EXPECT_FALSE(QFile::exists(cesta())) << "reading must not create the file";
}

TEST_F(NastaveniTest, NecitelnySouborDavaVychozi) {
  ASSERT_TRUE(QDir(adresar_.path()).mkdir("Tarvion.ini"));
  ocekavejVychozi(NacistNastaveni(cesta()));
}

TEST_F(NastaveniTest, SouborBezSekceDavaVychozi) {
  ocekavejVychozi(nacti("[Jine]\r\nPlatce=1\r\nAktualniRok=2020\r\nprefix=ABC\r\n"));
  ocekavejVychozi(nacti(""));
  // Keys above the first section belong to no section.
  ocekavejVychozi(nacti("Platce=1\r\nprefix=ABC\r\n[Nastaveni]\r\n"));
}

TEST_F(NastaveniTest, KazdyKlicSeCteDoSvehoPole) {
  // Key names in mixed case: the program must not depend on the spelling in the file.
  const TNastaveni n = nacti(
      "[nastaveni]\r\n"
      "nazevsubjektu=Firma\r\n"
      "NAZEV2=Druhy\r\n"
      "Ulice=Dlouha\r\n"
      "cislo=12\r\n"
      "psc=28601\r\n"
      "Mesto=Caslav\r\n"
      "STAT=CR\r\n"
      "ic=123\r\n"
      "dic=CZ123\r\n"
      "registrace=OR\r\n"
      "banka=Fio\r\n"
      "cislouctu=19-2000145399\r\n"
      "smerovykod=0800\r\n"
      "iban=CZ65\r\n"
      "bic=GIBA\r\n"
      "TEL=111\r\n"
      "mobil=222\r\n"
      "EMAIL=a@b.cz\r\n"
      "www=w.cz\r\n"
      "osoba=Jan\r\n"
      "aktualnirok=2019\r\n"
      "PREFIX=FV\r\n"
      "vychozimena=EUR\r\n"
      "czk_na_kc=0\r\n"
      "vychoziformauhrady=H\r\n"
      "vychozidobasplatnosti=21\r\n"
      "platce=1\r\n"
      "sazbadph1=20\r\n"
      "sazbadph2=14\r\n"
      "sazbadph3=9\r\n"
      "typvypoctudph=1\r\n"
      "zaokrouhlfakturu=2\r\n"
      "typpredlohy=3\r\n");
  TNastaveni o;
  o.NazevSubjektu = "Firma";
  o.Nazev2 = "Druhy";
  o.Ulice = "Dlouha";
  o.Cislo = "12";
  o.PSC = "28601";
  o.Mesto = "Caslav";
  o.Stat = "CR";
  o.IC = "123";
  o.DIC = "CZ123";
  o.Registrace = "OR";
  o.Banka = "Fio";
  o.CisloUctu = "19-2000145399";
  o.SmerovyKod = "0800";
  o.IBAN = "CZ65";
  o.BIC = "GIBA";
  o.Tel = "111";
  o.Mobil = "222";
  o.Email = "a@b.cz";
  o.WWW = "w.cz";
  o.Osoba = "Jan";
  o.AktualniRok = 2019;
  o.Prefix = "FV";
  o.VychoziMena = "EUR";
  o.CZK_na_Kc = false;
  o.VychoziFormaUhrady = "H";
  o.VychoziDobaSplatnosti = 21;
  o.Platce = true;
  o.SazbaDPH1 = 20;
  o.SazbaDPH2 = 14;
  o.SazbaDPH3 = 9;
  o.TypVypoctuDPH = 1;
  o.ZaokrouhlFakturu = 2;
  o.TypPredlohy = 3;
  ocekavejStejne(n, o);
}

TEST_F(NastaveniTest, HodnotaJeTextZaPrvnimRovnitkemBezOkrajovychMezer) {
  const TNastaveni n = nacti(
      "[Nastaveni]\n"
      "  WWW  =  https://x.cz/?a=1&b=2  \n"
      "Osoba\t=\t\"Jan\"\t\n"
      "Tel=\n");
  EXPECT_EQ(n.WWW, "https://x.cz/?a=1&b=2");
  EXPECT_EQ(n.Osoba, "\"Jan\"");  // quotes are part of the text
  EXPECT_EQ(n.Tel, "");
}

TEST_F(NastaveniTest, PrazdnaHodnotaNahraziVychoziText) {
  // A key that is present but empty is an empty text, not the default.
  const TNastaveni n = nacti("[Nastaveni]\r\nVychoziMena=\r\nVychoziFormaUhrady=\r\n");
  EXPECT_EQ(n.VychoziMena, "");
  EXPECT_EQ(n.VychoziFormaUhrady, "");
}

TEST_F(NastaveniTest, DlouhyTextSeZkratiNaKapacitu) {
  struct Pripad {
    const char* klic;
    const char* hodnota;
    const char* ocekavano;
    QString TNastaveni::*pole;
  };
  const Pripad pripady[] = {
      {"PSC", "110 00 123", "110 00", &TNastaveni::PSC},
      {"PSC", "1100012345", "110001", &TNastaveni::PSC},
      {"PSC", "110 00", "110 00", &TNastaveni::PSC},
      {"CisloUctu", "123456-12345678901234", "123456-1234567890", &TNastaveni::CisloUctu},
      {"SmerovyKod", "080012", "0800", &TNastaveni::SmerovyKod},
      {"prefix", "ABCDEFGHIJ", "ABCDEFGH", &TNastaveni::Prefix},
      {"VychoziMena", "CZKX", "CZK", &TNastaveni::VychoziMena},
      {"VychoziFormaUhrady", "PPX", "PP", &TNastaveni::VychoziFormaUhrady},
      // Fields without a capacity keep long text.
      {"Ulice", "Nábřeží Kapitána Jaroše u Vltavy", "Nábřeží Kapitána Jaroše u Vltavy",
       &TNastaveni::Ulice},
  };
  for (const Pripad& p : pripady) {
    SCOPED_TRACE(std::string(p.klic) + "=" + p.hodnota);
    const TNastaveni n = nacti("[Nastaveni]\r\n" + QByteArray(p.klic) + "=" +
                               doCp1250(QString::fromUtf8(p.hodnota)) + "\r\n");
    EXPECT_EQ(n.*(p.pole), QString::fromUtf8(p.ocekavano));
  }
}

TEST_F(NastaveniTest, CteSeNejvys2047ZnakuHodnoty) {
  const QByteArray dlouha(3000, 'A');
  const TNastaveni n = nacti("[Nastaveni]\r\nNazevSubjektu=" + dlouha + "\r\nPlatce=1\r\n");
  EXPECT_EQ(n.NazevSubjektu, QString(2047, u'A'));
  EXPECT_TRUE(n.Platce) << "a long line must not disturb the lines after it";
}

TEST_F(NastaveniTest, CelaCislaDesitkovaAHexadecimalni) {
  struct Pripad {
    const char* hodnota;
    int ocekavano;
  };
  // VychoziDobaSplatnosti has the default 14.
  const Pripad pripady[] = {
      {"30", 30},
      {"0x1E", 30},
      {"0X1e", 30},
      {"0x7FFFFFFF", 2147483647},
      {"030", 30},  // decimal, not octal
      {"+30", 30},
      {"-5", -5},
      {"0", 0},
      {"  45  ", 45},
      {"-2147483648", -2147483647 - 1},
      {"2147483647", 2147483647},
      // Not integers: the default.
      {"", 14},
      {"abc", 14},
      {"12abc", 14},
      {"1 2", 14},
      {"1E", 14},
      {"0x", 14},
      {"0x1G", 14},
      {"x1E", 14},
      {"-0x1E", 14},
      {"$1E", 14},
      {"+", 14},
      {"-", 14},
      {"1.5", 14},
      {"2147483648", 14},
      {"-2147483649", 14},
      {"99999999999999999999", 14},
      {"0x100000000", 14},
  };
  for (const Pripad& p : pripady) {
    SCOPED_TRACE(p.hodnota);
    const TNastaveni n =
        nacti(QByteArray("[Nastaveni]\r\nVychoziDobaSplatnosti=") + p.hodnota + "\r\n");
    EXPECT_EQ(n.VychoziDobaSplatnosti, p.ocekavano);
  }
}

TEST_F(NastaveniTest, LogickeHodnotySeCtouJakoCisla) {
  struct Pripad {
    const char* hodnota;
    bool platce;    // default false
    bool czkNaKc;   // default true
  };
  const Pripad pripady[] = {
      {"1", true, true},       {"0", false, false},    {"2", true, true},
      {"-1", true, true},      {"0x0", false, false},  {"0x10", true, true},
      {"yes", false, true},    {"true", false, true},  {"no", false, true},
      {"", false, true},       {" 0 ", false, false},  {"1x", false, true},
  };
  for (const Pripad& p : pripady) {
    SCOPED_TRACE(p.hodnota);
    const TNastaveni n = nacti(QByteArray("[Nastaveni]\r\nPlatce=") + p.hodnota +
                               "\r\nCZK_na_Kc=" + p.hodnota + "\r\n");
    EXPECT_EQ(n.Platce, p.platce);
    EXPECT_EQ(n.CZK_na_Kc, p.czkNaKc);
  }
}

TEST_F(NastaveniTest, AktualniRokSeVraciJakJeUlozen) {
  EXPECT_EQ(nacti("[Nastaveni]\r\nAktualniRok=2010\r\n").AktualniRok, 2010);
  EXPECT_EQ(nacti("[Nastaveni]\r\nAktualniRok=0\r\n").AktualniRok, 0);
  EXPECT_EQ(nacti("[Nastaveni]\r\nAktualniRok=dva\r\n").AktualniRok, 2017);
}

TEST_F(NastaveniTest, SekceAKlicBezOhleduNaVelikostPismen) {
  const TNastaveni n = nacti("[NASTAVENI]\r\nPLATCE=1\r\nsazbaDph1=19\r\n");
  EXPECT_TRUE(n.Platce);
  EXPECT_EQ(n.SazbaDPH1, 19);
}

TEST_F(NastaveniTest, KlicZJineSekceAniKomentarSeNectou) {
  const TNastaveni n = nacti(
      "[Tisk]\n"
      "Prefix=XYZ\n"
      "Platce=1\n"
      "[Nastaveni]\n"
      ";Platce=1\n"
      "; prefix=KOM\n"
      "SazbaDPH1=20\n"
      "[Dalsi]\n"
      "SazbaDPH2=1\n");
  EXPECT_EQ(n.Prefix, "");
  EXPECT_FALSE(n.Platce);
  EXPECT_EQ(n.SazbaDPH1, 20);
  EXPECT_EQ(n.SazbaDPH2, 15) << "a key after the next section header is not ours";
}

TEST_F(NastaveniTest, CteTextVKodoveStrance1250) {
  // "Žluťoučký kůň" and every Czech letter, as a Windows editor saves them.
  const QByteArray obsah =
      "[Nastaveni]\r\nNazevSubjektu=" + QByteArray::fromHex("8E6C759D6F75E86BFD206BF9F2") +
      "\r\nOsoba=" +
      QByteArray::fromHex("C1C8CFC9CCCDD2D3D88A8DDAD9DD8EE1E8EFE9ECEDF2F3F89A9DFAF9FD9E") +
      "\r\nRegistrace=" + QByteArray::fromHex("80849394969785") + "\r\n";
  const TNastaveni n = nacti(obsah);
  EXPECT_EQ(n.NazevSubjektu, QStringLiteral("Žluťoučký kůň"));
  EXPECT_EQ(n.Osoba, QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž"));
  EXPECT_EQ(n.Registrace, QStringLiteral("€„“”–—…"));
}

// ---- Writing -------------------------------------------------------------------------

TEST_F(NastaveniTest, PrvniUlozeniVytvoriSouborSeVsemiKliciKromeRoku) {
  TNastaveni n;
  n.NazevSubjektu = "Firma";
  n.Nazev2 = "Provozovna";
  n.Ulice = "Dlouha";
  n.Cislo = "12";
  n.PSC = "286 01";
  n.Mesto = "Caslav";
  n.Stat = "CR";
  n.IC = "12345678";
  n.DIC = "CZ12345678";
  n.Registrace = "OR C 1";
  n.Banka = "Fio";
  n.CisloUctu = "2000145399";
  n.SmerovyKod = "2010";
  n.IBAN = "CZ65";
  n.BIC = "FIOBCZPP";
  n.Tel = "111";
  n.Mobil = "222";
  n.Email = "a@b.cz";
  n.WWW = "www.b.cz";
  n.Osoba = "Jan Novak";
  n.AktualniRok = 2024;
  n.Prefix = "FV";
  n.VychoziMena = "EUR";
  n.CZK_na_Kc = false;
  n.VychoziFormaUhrady = "H";
  n.VychoziDobaSplatnosti = 30;
  n.Platce = true;
  n.SazbaDPH1 = 21;
  n.SazbaDPH2 = 12;
  n.SazbaDPH3 = -1;
  n.TypVypoctuDPH = 1;
  n.ZaokrouhlFakturu = 2;
  n.TypPredlohy = 3;
  UlozitNastaveni(cesta(), n);
  EXPECT_EQ(ctiSoubor(),
            QByteArray("[Nastaveni]\r\n"
                       "NazevSubjektu=Firma\r\n"
                       "Nazev2=Provozovna\r\n"
                       "Ulice=Dlouha\r\n"
                       "Cislo=12\r\n"
                       "PSC=286 01\r\n"
                       "Mesto=Caslav\r\n"
                       "Stat=CR\r\n"
                       "IC=12345678\r\n"
                       "DIC=CZ12345678\r\n"
                       "Registrace=OR C 1\r\n"
                       "Banka=Fio\r\n"
                       "CisloUctu=2000145399\r\n"
                       "SmerovyKod=2010\r\n"
                       "IBAN=CZ65\r\n"
                       "BIC=FIOBCZPP\r\n"
                       "Tel=111\r\n"
                       "Mobil=222\r\n"
                       "Email=a@b.cz\r\n"
                       "WWW=www.b.cz\r\n"
                       "Osoba=Jan Novak\r\n"
                       "Prefix=FV\r\n"
                       "VychoziFormaUhrady=H\r\n"
                       "VychoziDobaSplatnosti=30\r\n"
                       "VychoziMena=EUR\r\n"
                       "CZK_na_Kc=0\r\n"
                       "Platce=1\r\n"
                       "SazbaDPH1=21\r\n"
                       "SazbaDPH2=12\r\n"
                       "SazbaDPH3=-1\r\n"
                       "TypVypoctuDPH=1\r\n"
                       "ZaokrouhlFakturu=2\r\n"
                       "TypPredlohy=3\r\n"));
}

TEST_F(NastaveniTest, VychoziZaznamSeUloziAPrecteZpet) {
  UlozitNastaveni(cesta(), TNastaveni{});
  const QByteArray obsah = ctiSoubor();
  EXPECT_TRUE(obsah.contains("\r\nVychoziMena=CZK\r\n"));
  EXPECT_TRUE(obsah.contains("\r\nCZK_na_Kc=1\r\n"));
  EXPECT_TRUE(obsah.contains("\r\nNazevSubjektu=\r\n"));
  EXPECT_TRUE(radkySKlicem(obsah, "AktualniRok").isEmpty());
  ocekavejVychozi(NacistNastaveni(cesta()));
}

TEST_F(NastaveniTest, UlozenyZaznamSePrecteBezZmeny) {
  TNastaveni n = vyplnenyZaznam();
  UlozitNastaveni(cesta(), n);
  n.AktualniRok = 2017;  // not written, so the default comes back
  ocekavejStejne(NacistNastaveni(cesta()), n);
}

TEST_F(NastaveniTest, OpakovaneUlozeniNepridavaDruheZaznamy) {
  UlozitNastaveni(cesta(), vyplnenyZaznam());
  UlozitAktualniRok(cesta(), 2022);
  TNastaveni n = vyplnenyZaznam();
  n.Prefix = "XY";
  n.Platce = false;
  UlozitNastaveni(cesta(), n);
  UlozitAktualniRok(cesta(), 2023);
  const QByteArray obsah = ctiSoubor();
  for (const char* klic : {"NazevSubjektu", "Prefix", "Platce", "TypPredlohy", "AktualniRok"})
    EXPECT_EQ(radkySKlicem(obsah, klic).size(), 1) << klic;
  EXPECT_EQ(obsah.count("[Nastaveni]"), 1);
  n.AktualniRok = 2023;
  ocekavejStejne(NacistNastaveni(cesta()), n);
}

TEST_F(NastaveniTest, PrefixSeCteMalymAZapisujeVelkymJakoJedinyZaznam) {
  zapisSoubor("[Nastaveni]\r\nNazevSubjektu=Firma\r\nprefix=ABC\r\nPlatce=1\r\n");
  TNastaveni n = NacistNastaveni(cesta());
  EXPECT_EQ(n.Prefix, "ABC");
  UlozitNastaveni(cesta(), n);
  const QByteArray obsah = ctiSoubor();
  EXPECT_EQ(radkySKlicem(obsah, "prefix"), QList<QByteArray>{"Prefix=ABC\r"});
  // Replaced where it stood, not moved to the end.
  EXPECT_TRUE(obsah.startsWith("[Nastaveni]\r\nNazevSubjektu=Firma\r\nPrefix=ABC\r\nPlatce=1\r\n"));
  EXPECT_EQ(NacistNastaveni(cesta()).Prefix, "ABC");

  n.Prefix = "FV";
  UlozitNastaveni(cesta(), n);
  EXPECT_EQ(radkySKlicem(ctiSoubor(), "prefix"), QList<QByteArray>{"Prefix=FV\r"});
  EXPECT_EQ(NacistNastaveni(cesta()).Prefix, "FV");
}

TEST_F(NastaveniTest, ZapisujeTextVKodoveStrance1250) {
  TNastaveni n;
  n.NazevSubjektu = QStringLiteral("Žluťoučký kůň");
  n.Osoba = QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž");
  n.Registrace = QStringLiteral("€„“”–—…");
  UlozitNastaveni(cesta(), n);
  const QByteArray obsah = ctiSoubor();
  EXPECT_TRUE(obsah.contains("\r\nNazevSubjektu=" +
                             QByteArray::fromHex("8E6C759D6F75E86BFD206BF9F2") + "\r\n"));
  EXPECT_TRUE(obsah.contains(
      "\r\nOsoba=" +
      QByteArray::fromHex("C1C8CFC9CCCDD2D3D88A8DDAD9DD8EE1E8EFE9ECEDF2F3F89A9DFAF9FD9E") +
      "\r\n"));
  EXPECT_TRUE(obsah.contains("\r\nRegistrace=" + QByteArray::fromHex("80849394969785") + "\r\n"));
  EXPECT_FALSE(obsah.contains(QByteArray("\xC5\xBD"))) << "UTF-8 of Ž must not reach the file";

  const TNastaveni zpet = NacistNastaveni(cesta());
  EXPECT_EQ(zpet.NazevSubjektu, n.NazevSubjektu);
  EXPECT_EQ(zpet.Osoba, n.Osoba);
  EXPECT_EQ(zpet.Registrace, n.Registrace);
}

TEST_F(NastaveniTest, ZnakMimoKodovouStrankuSeZapiseJakoOtaznik) {
  TNastaveni n;
  n.Osoba = QStringLiteral("Ω漢 Ž");
  UlozitNastaveni(cesta(), n);
  EXPECT_TRUE(ctiSoubor().contains("\r\nOsoba=?? \x8E\r\n"));
  EXPECT_EQ(NacistNastaveni(cesta()).Osoba, QStringLiteral("?? Ž"));
}

TEST_F(NastaveniTest, ZalomeniRadkuVHodnoteNerozbijeSoubor) {
  TNastaveni n;
  n.NazevSubjektu = "Firma\r\n[Nastaveni]\r\nPlatce=1\nSazbaDPH1=99";
  UlozitNastaveni(cesta(), n);
  const QByteArray obsah = ctiSoubor();
  EXPECT_EQ(obsah.count("[Nastaveni]\r\n"), 1);
  const TNastaveni zpet = NacistNastaveni(cesta());
  EXPECT_FALSE(zpet.Platce);
  EXPECT_EQ(zpet.SazbaDPH1, 21);
  EXPECT_FALSE(zpet.NazevSubjektu.contains(u'\n'));
  EXPECT_TRUE(zpet.NazevSubjektu.startsWith("Firma"));
}

TEST_F(NastaveniTest, DlouhyTextSeZapiseCely) {
  TNastaveni n;
  n.Registrace = QString(3000, u'x');
  UlozitNastaveni(cesta(), n);
  EXPECT_TRUE(ctiSoubor().contains("\r\nRegistrace=" + QByteArray(3000, 'x') + "\r\n"));
}

TEST_F(NastaveniTest, UlozeniNechaOstatniSekceKomentareAPrazdneRadky) {
  // LF line ends, odd spacing, a duplicate key name in another section, a commented-out
  // key, bytes of the upper half in a comment, trailing blank lines.
  const QByteArray pred =
      "; Tarvion \x8E\x9D\xE8\n"
      "\n"
      "[Tisk]\n"
      "Prefix = XYZ\n"
      "AktualniRok=1999\n"
      "\n"
      "[nastaveni]\n"
      "  Platce = 1 \n"
      ";AktualniRok=1990\n"
      "aktualnirok = 2016\n"
      "Poznamka=\xE8\x9A\x81\x98\n"
      "\n"
      "\n"
      "[FastReport]\n"
      "Okno=0,0,800,600\n"
      "\n";
  zapisSoubor(pred);
  UlozitAktualniRok(cesta(), 2021);
  QByteArray po = pred;
  po.replace("aktualnirok = 2016\n", "AktualniRok=2021\n");
  EXPECT_EQ(ctiSoubor(), po);
  EXPECT_EQ(NacistNastaveni(cesta()).AktualniRok, 2021);

  UlozitNastaveni(cesta(), vyplnenyZaznam());
  const QByteArray poVsem = ctiSoubor();
  EXPECT_TRUE(poVsem.startsWith(
      "; Tarvion \x8E\x9D\xE8\n\n[Tisk]\nPrefix = XYZ\nAktualniRok=1999\n\n[nastaveni]\n"
      "Platce=1\n;AktualniRok=1990\nAktualniRok=2021\nPoznamka=\xE8\x9A\x81\x98\n"
      "NazevSubjektu="));
  EXPECT_TRUE(poVsem.endsWith("TypPredlohy=3\n\n\n[FastReport]\nOkno=0,0,800,600\n\n"));
  EXPECT_FALSE(poVsem.contains('\r')) << "new lines follow the file's LF style";
  EXPECT_EQ(poVsem.count("Platce"), 1) << "the existing Platce line is replaced in place";
}

TEST_F(NastaveniTest, ZapisJednohoKliceDoRuznychSouboru) {
  struct Pripad {
    const char* nazev;
    QByteArray pred;
    QByteArray po;
  };
  const Pripad pripady[] = {
      {"empty file", "", "[Nastaveni]\r\nAktualniRok=2020\r\n"},
      {"key replaced in place", "[Nastaveni]\r\nA=1\r\nAktualniRok=2016\r\nB=2\r\n",
       "[Nastaveni]\r\nA=1\r\nAktualniRok=2020\r\nB=2\r\n"},
      {"added before trailing blank lines", "[Nastaveni]\nPlatce=1\n\n[Tisk]\nX=1\n",
       "[Nastaveni]\nPlatce=1\nAktualniRok=2020\n\n[Tisk]\nX=1\n"},
      {"added at the end of the last section", "[Tisk]\r\nX=1\r\n[Nastaveni]\r\nPlatce=1\r\n",
       "[Tisk]\r\nX=1\r\n[Nastaveni]\r\nPlatce=1\r\nAktualniRok=2020\r\n"},
      {"empty section", "[Nastaveni]\r\n[Tisk]\r\n",
       "[Nastaveni]\r\nAktualniRok=2020\r\n[Tisk]\r\n"},
      {"section header as the last line", "[Tisk]\nX=1\n[Nastaveni]",
       "[Tisk]\nX=1\n[Nastaveni]\nAktualniRok=2020\n"},
      {"last line without a line end", "[Nastaveni]\r\nPlatce=1",
       "[Nastaveni]\r\nPlatce=1\r\nAktualniRok=2020\r\n"},
      {"replaced key on the last line keeps having no line end",
       "[Nastaveni]\nAktualniRok=2016", "[Nastaveni]\nAktualniRok=2020"},
      {"section appended after other sections", "[Tisk]\nX=1\n",
       "[Tisk]\nX=1\n\n[Nastaveni]\nAktualniRok=2020\n"},
      {"section appended after a blank line", "[Tisk]\r\nX=1\r\n\r\n",
       "[Tisk]\r\nX=1\r\n\r\n[Nastaveni]\r\nAktualniRok=2020\r\n"},
      {"section appended after a line without a line end", "[Tisk]\nX=1",
       "[Tisk]\nX=1\n\n[Nastaveni]\nAktualniRok=2020\n"},
      {"section name in other case is the same section", "[NASTAVENI]\r\nPlatce=1\r\n",
       "[NASTAVENI]\r\nPlatce=1\r\nAktualniRok=2020\r\n"},
      {"commented-out key is left alone", "[Nastaveni]\n;AktualniRok=1990\n",
       "[Nastaveni]\n;AktualniRok=1990\nAktualniRok=2020\n"},
      {"same key in another section is left alone", "[Tisk]\nAktualniRok=1\n[Nastaveni]\n",
       "[Tisk]\nAktualniRok=1\n[Nastaveni]\nAktualniRok=2020\n"},
      {"keys above any section are left alone", "AktualniRok=1\n[Nastaveni]\n",
       "AktualniRok=1\n[Nastaveni]\nAktualniRok=2020\n"},
  };
  for (const Pripad& p : pripady) {
    SCOPED_TRACE(p.nazev);
    zapisSoubor(p.pred);
    UlozitAktualniRok(cesta(), 2020);
    EXPECT_EQ(ctiSoubor(), p.po);
    EXPECT_EQ(NacistNastaveni(cesta()).AktualniRok, 2020);
  }
}

TEST_F(NastaveniTest, DvojityKlicSeCteIPrepisujeTenSamy) {
  // Whichever of two entries is read must be the one a write replaces, or a saved value
  // would never come back.
  zapisSoubor("[Nastaveni]\r\nAktualniRok=2016\r\nAktualniRok=2018\r\n");
  const int precteny = NacistNastaveni(cesta()).AktualniRok;
  UlozitAktualniRok(cesta(), 2030);
  EXPECT_EQ(NacistNastaveni(cesta()).AktualniRok, 2030);
  EXPECT_EQ(radkySKlicem(ctiSoubor(), "AktualniRok").size(), 2);
  EXPECT_TRUE(ctiSoubor().contains(QByteArray::number(precteny == 2016 ? 2018 : 2016)));
}

TEST_F(NastaveniTest, UlozitAktualniRokPiseJenRok) {
  zapisSoubor("[Nastaveni]\r\nPlatce=1\r\n");
  UlozitAktualniRok(cesta(), 2031);
  EXPECT_EQ(ctiSoubor(), QByteArray("[Nastaveni]\r\nPlatce=1\r\nAktualniRok=2031\r\n"));
}

TEST_F(NastaveniTest, UlozitNastaveniNechaUlozenyRok) {
  zapisSoubor("[Nastaveni]\r\nAktualniRok=2019\r\n");
  TNastaveni n = vyplnenyZaznam();
  n.AktualniRok = 2025;  // only the year command writes it
  UlozitNastaveni(cesta(), n);
  EXPECT_EQ(radkySKlicem(ctiSoubor(), "AktualniRok"), QList<QByteArray>{"AktualniRok=2019\r"});
  EXPECT_EQ(NacistNastaveni(cesta()).AktualniRok, 2019);
}

TEST_F(NastaveniTest, PoUlozeniNezustaneDocasnySoubor) {
  UlozitNastaveni(cesta(), vyplnenyZaznam());
  UlozitAktualniRok(cesta(), 2020);
  EXPECT_EQ(obsahAdresare(), QStringList{"Tarvion.ini"});
}

// ---- Failures ------------------------------------------------------------------------

using Ulozeni = std::function<void(const QString&)>;

std::vector<std::pair<const char*, Ulozeni>> obeUlozeni() {
  return {
      {"UlozitNastaveni", [](const QString& c) { UlozitNastaveni(c, vyplnenyZaznam()); }},
      {"UlozitAktualniRok", [](const QString& c) { UlozitAktualniRok(c, 2020); }},
  };
}

QString textChyby(const Ulozeni& ulozeni, const QString& cesta) {
  try {
    ulozeni(cesta);
  } catch (const Chyba& e) {
    return e.text();
  }
  return QStringLiteral("<no error>");
}

TEST_F(NastaveniTest, ZapisDoNeexistujicihoAdresareHlasiChybu) {
  const QString kam = adresar_.filePath("chybi/Tarvion.ini");
  for (const auto& [nazev, ulozeni] : obeUlozeni()) {
    SCOPED_TRACE(nazev);
    EXPECT_EQ(textChyby(ulozeni, kam), "Unable to write to " + kam);
    EXPECT_FALSE(QFileInfo::exists(adresar_.filePath("chybi")));
    EXPECT_TRUE(obsahAdresare().isEmpty());
  }
}

TEST_F(NastaveniTest, CilJakoAdresarHlasiChybuANicNepokazi) {
  // A folder where the file should be: it cannot be replaced, and what it holds must stay.
  ASSERT_TRUE(QDir(adresar_.path()).mkdir("Tarvion.ini"));
  const QString uvnitr = adresar_.filePath("Tarvion.ini/puvodni.txt");
  zapisSoubor(uvnitr, "[Nastaveni]\r\nPlatce=1\r\n");
  for (const auto& [nazev, ulozeni] : obeUlozeni()) {
    SCOPED_TRACE(nazev);
    EXPECT_EQ(textChyby(ulozeni, cesta()), "Unable to write to " + cesta());
    EXPECT_TRUE(QFileInfo(cesta()).isDir());
    EXPECT_EQ(ctiSoubor(uvnitr), QByteArray("[Nastaveni]\r\nPlatce=1\r\n"));
    EXPECT_EQ(obsahAdresare(), QStringList{"Tarvion.ini"}) << "no temporary file left";
  }
}

// Caps the size of any file this process writes, so that writing the temporary file fails
// even for root, who may write where permissions forbid it.
class OmezenaVelikostSouboru {
 public:
  explicit OmezenaVelikostSouboru(rlim_t bajtu) {
    puvodniSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &puvodni_);
    rlimit omezeni = puvodni_;
    omezeni.rlim_cur = bajtu;
    platne_ = setrlimit(RLIMIT_FSIZE, &omezeni) == 0;
  }
  ~OmezenaVelikostSouboru() {
    setrlimit(RLIMIT_FSIZE, &puvodni_);
    std::signal(SIGXFSZ, puvodniSignal_);
  }
  OmezenaVelikostSouboru(const OmezenaVelikostSouboru&) = delete;
  OmezenaVelikostSouboru& operator=(const OmezenaVelikostSouboru&) = delete;
  bool platne() const { return platne_; }

 private:
  rlimit puvodni_{};
  void (*puvodniSignal_)(int) = SIG_DFL;
  bool platne_ = false;
};

TEST_F(NastaveniTest, NezdarenyZapisNechaStarySoubor) {
  const QByteArray puvodni = "[Nastaveni]\r\nPlatce=1\r\nprefix=OLD\r\n";
  zapisSoubor(puvodni);
  for (const auto& [nazev, ulozeni] : obeUlozeni()) {
    SCOPED_TRACE(nazev);
    QString chyba;
    {
      // Big enough for no part of the new file, so the very first write already fails.
      OmezenaVelikostSouboru omezeni(16);
      ASSERT_TRUE(omezeni.platne());
      chyba = textChyby(ulozeni, cesta());
    }
    EXPECT_EQ(chyba, "Unable to write to " + cesta());
    EXPECT_EQ(ctiSoubor(), puvodni);
    EXPECT_EQ(obsahAdresare(), QStringList{"Tarvion.ini"}) << "no temporary file left";
  }
  // And once writing works again, the save goes through on the same file.
  UlozitAktualniRok(cesta(), 2020);
  EXPECT_EQ(ctiSoubor(), puvodni + "AktualniRok=2020\r\n");
}

// ---- The code page -------------------------------------------------------------------

TEST(Cp1250, KazdyBajtSeVratiBezeZmeny) {
  QByteArray vsechny;
  for (int b = 0; b < 256; ++b) vsechny.append(static_cast<char>(b));
  const QString text = zCp1250(vsechny);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(doCp1250(text), vsechny);
  // No two bytes may decode to the same character.
  QSet<QChar> ruzne(text.begin(), text.end());
  EXPECT_EQ(ruzne.size(), 256);
}

TEST(Cp1250, KomentarSeVsemiBajtyPrezijeZapis) {
  QByteArray komentar = ";";
  for (int b = 0; b < 256; ++b)
    if (b != '\n' && b != '\r') komentar.append(static_cast<char>(b));
  IniSoubor ini = IniSoubor::zBajtu(komentar + "\r\n[Nastaveni]\r\n");
  ini.zapisCislo("Nastaveni", "AktualniRok", 2020);
  EXPECT_EQ(ini.bajty(), komentar + "\r\n[Nastaveni]\r\nAktualniRok=2020\r\n");
}

TEST(Cp1250, ZnamaPismena) {
  struct Pripad {
    char16_t znak;
    unsigned char bajt;
  };
  // A sample across the table, including the places where it differs from Latin-2.
  const Pripad pripady[] = {
      {u'€', 0x80}, {u'Š', 0x8A}, {u'Ť', 0x8D}, {u'Ž', 0x8E}, {u'š', 0x9A}, {u'ť', 0x9D},
      {u'ž', 0x9E}, {u'\u00A0', 0xA0}, {u'§', 0xA7}, {u'°', 0xB0}, {u'Č', 0xC8},
      {u'Ř', 0xD8}, {u'Ů', 0xD9}, {u'č', 0xE8}, {u'ě', 0xEC}, {u'ř', 0xF8}, {u'ů', 0xF9},
      {u'˙', 0xFF}, {u'A', 0x41},
  };
  for (const Pripad& p : pripady) {
    SCOPED_TRACE(static_cast<int>(p.bajt));
    EXPECT_EQ(doCp1250(QString(QChar(p.znak))), QByteArray(1, static_cast<char>(p.bajt)));
    EXPECT_EQ(zCp1250(QByteArray(1, static_cast<char>(p.bajt))), QString(QChar(p.znak)));
  }
}

}  // namespace
