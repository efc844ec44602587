#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cfenv>

#include "common/Hodiny.h"
#include "common/Pomocne.h"

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

struct PripadZaokrouhleni {
  int rad;
  double hodnota;
  double ocekavano;
};

class ZaokrouhliTest : public ::testing::TestWithParam<PripadZaokrouhleni> {};

TEST_P(ZaokrouhliTest, DavaPresneOcekavanyDouble) {
  const PripadZaokrouhleni p = GetParam();
  EXPECT_EQ(Zaokrouhli(p.rad, p.hodnota), p.ocekavano)
      << "rad " << p.rad << ", hodnota " << p.hodnota;
}

INSTANTIATE_TEST_SUITE_P(
    Tabulka, ZaokrouhliTest,
    ::testing::Values(
        // The hundredth as a double is slightly above 0.01, so the extended quotient of a
        // value ending in 5 usually lands below the half...
        PripadZaokrouhleni{-2, 0.125, 0.12}, PripadZaokrouhleni{-2, 0.375, 0.37},
        PripadZaokrouhleni{-2, 2.675, 2.67}, PripadZaokrouhleni{-2, 1.005, 1.00},
        // ...unless the value itself is stored above its decimal form.
        PripadZaokrouhleni{-2, 0.135, 0.14}, PripadZaokrouhleni{-2, 0.025, 0.03},
        PripadZaokrouhleni{-2, -0.375, -0.37}, PripadZaokrouhleni{-2, -0.135, -0.14},
        PripadZaokrouhleni{-2, 1234.5678, 1234.57}, PripadZaokrouhleni{-2, 0.0, 0.0},
        PripadZaokrouhleni{-1, 0.25, 0.2}, PripadZaokrouhleni{-1, 12.34, 12.3},
        // Whole units: exact halves go to the even neighbour.
        PripadZaokrouhleni{0, 100.5, 100.0}, PripadZaokrouhleni{0, 101.5, 102.0},
        PripadZaokrouhleni{0, 10.5, 10.0}, PripadZaokrouhleni{0, 1235.5, 1236.0},
        PripadZaokrouhleni{0, 1235.4999, 1235.0}, PripadZaokrouhleni{0, 0.5, 0.0},
        PripadZaokrouhleni{0, -2.5, -2.0}, PripadZaokrouhleni{0, -3.5, -4.0},
        PripadZaokrouhleni{0, 2.7, 3.0},
        // Tens and hundreds.
        PripadZaokrouhleni{1, 25.0, 20.0}, PripadZaokrouhleni{1, 35.0, 40.0},
        PripadZaokrouhleni{2, 250.0, 200.0}, PripadZaokrouhleni{2, 351.0, 400.0}));

TEST(Zaokrouhli, NezavisiNaRezimuZaokrouhlovaniProcesoru) {
  const int puvodni = std::fegetround();
  std::fesetround(FE_DOWNWARD);
  const double vysledek = Zaokrouhli(0, 2.7);
  const int poVolani = std::fegetround();
  std::fesetround(puvodni);
  EXPECT_EQ(vysledek, 3.0);
  EXPECT_EQ(poVolani, FE_DOWNWARD) << "the caller's rounding mode must be restored";
}

struct PripadDoplneni {
  const char* text;
  int sirka;
  int rezim;
  const char* ocekavano;
};

class DoplnNulamiTest : public ::testing::TestWithParam<PripadDoplneni> {};

TEST_P(DoplnNulamiTest, Tabulka) {
  const PripadDoplneni p = GetParam();
  EXPECT_EQ(DoplnNulami(u8(p.text), p.sirka, p.rezim), u8(p.ocekavano))
      << "\"" << p.text << "\", " << p.sirka << ", " << p.rezim;
}

INSTANTIATE_TEST_SUITE_P(
    Tabulka, DoplnNulamiTest,
    ::testing::Values(PripadDoplneni{"7", 4, 2, "0007"}, PripadDoplneni{"12345", 4, 2, "1234"},
                      PripadDoplneni{"5", 4, 1, "0500"}, PripadDoplneni{"7", 4, 0, "7000"},
                      PripadDoplneni{"12345", 4, 0, "1234"}, PripadDoplneni{"12345", 4, 1, "1234"},
                      PripadDoplneni{"ab", 5, 1, "0ab00"}, PripadDoplneni{"ab", 6, 1, "00ab00"},
                      PripadDoplneni{"1234", 4, 2, "1234"}, PripadDoplneni{"", 4, 2, "0000"},
                      PripadDoplneni{"", 3, 1, "000"}, PripadDoplneni{"42", 0, 2, ""},
                      PripadDoplneni{"ž", 3, 2, "00ž"}));

TEST(BezDiakritiky, ZluToucky) {
  EXPECT_EQ(BezDiakritiky(u8("Žluťoučký kůň")), u8("Zlutoucky kun"));
  EXPECT_EQ(BezDiakritiky(u8("Příliš žluťoučký kůň úpěl ďábelské ódy")),
            u8("Prilis zlutoucky kun upel dabelske ody"));
}

TEST(BezDiakritiky, CelaTabulka) {
  EXPECT_EQ(BezDiakritiky(u8("ÁČĎÉĚÍŇÓŘŠŤÚÝŽ")), u8("ACDEEINORSTUYZ"));
  EXPECT_EQ(BezDiakritiky(u8("áäčďéëěíňóőöřšťůúűüýž")), u8("aacdeeeinooorstuuuuyz"));
}

TEST(BezDiakritiky, PismenaMimoTabulkuZustavaji) {
  EXPECT_EQ(BezDiakritiky(u8("ŮĽ")), u8("ŮĽ"));
  const QString mimo = u8("ŮÄËÖŐÜŰĹĺĽľŔŕ");
  EXPECT_EQ(BezDiakritiky(mimo), mimo);
  const QString ascii = u8("Faktura 2024/0001 - ABC xyz @#!");
  EXPECT_EQ(BezDiakritiky(ascii), ascii);
  EXPECT_EQ(BezDiakritiky(QString()), QString());
}

TEST(ZnakLogicke, NulaJednaJinakVychozi) {
  EXPECT_EQ(ZnakLogicke(0, u'x'), QChar(u'0'));
  EXPECT_EQ(ZnakLogicke(1, u'x'), QChar(u'1'));
  EXPECT_EQ(ZnakLogicke(2, u'x'), QChar(u'x'));
  EXPECT_EQ(ZnakLogicke(255, u'?'), QChar(u'?'));
}

TEST(DatumSQL, LiteralJetu) {
  EXPECT_EQ(DatumSQL(QDate(2024, 3, 5)), QStringLiteral("#2024-03-05#"));
  EXPECT_EQ(DatumSQL(QDate(2099, 12, 31)), QStringLiteral("#2099-12-31#"));
  EXPECT_EQ(DatumSQL(QDate(2015, 1, 1)), QStringLiteral("#2015-01-01#"));
}

TEST(CtiVerziProgramu, HlavniAVedlejsiCislo) { EXPECT_EQ(CtiVerziProgramu(), QStringLiteral("1.5")); }

class RokDnesTest : public ::testing::Test {
 protected:
  void TearDown() override { Hodiny::nastav(QDateTime()); }
};

TEST_F(RokDnesTest, BereRokZHodin) {
  Hodiny::nastav(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
  EXPECT_EQ(RokDnes(), 2025);
  Hodiny::nastav(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  EXPECT_EQ(RokDnes(), 2026);
}

TEST_F(RokDnesTest, BezNastaveniSystemoveHodiny) {
  Hodiny::nastav(QDateTime());
  EXPECT_EQ(RokDnes(), QDate::currentDate().year());
}

}  // namespace
