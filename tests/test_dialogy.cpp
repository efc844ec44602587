#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/BezpecnyPrikaz.h"
#include "common/Chyba.h"
#include "common/Dialogy.h"
#include "common/Hodiny.h"
#include "tests/SkriptovanyOdpovidac.h"

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
void PrintTo(const QDate& datum, std::ostream* os) { *os << datum.toString(Qt::ISODate).toStdString(); }

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// Answers a message box with a key the way a user would, on the shown box, and returns
// what exec() would have returned.
SkriptovanyOdpovidac::Odpoved klavesou(Qt::Key klavesa) {
  return [klavesa](QDialog& d) {
    d.show();
    QTest::keyClick(&d, klavesa);
    d.hide();
    return d.result();
  };
}

// Closes a message box with the window's close button.
int zavriOknem(QDialog& d) {
  d.show();
  d.close();
  return d.result();
}

// Clicks the named button; a disabled button does nothing, as for a user.
SkriptovanyOdpovidac::Odpoved klikni(const char* tlacitko) {
  return [tlacitko](QDialog& d) {
    auto* b = d.findChild<QPushButton*>(QString::fromLatin1(tlacitko));
    EXPECT_NE(b, nullptr) << tlacitko;
    if (b) b->click();
    return d.result();
  };
}

// ---------------------------------------------------------------------------------------
// Message boxes

struct PripadZpravy {
  const char* nazev;
  std::function<void(const QString& titulek)> zobraz;
  bool maTitulek;  // takes a caption argument (else always the application title)
  QMessageBox::Icon ikona;
};

class ZpravyTest : public ::testing::TestWithParam<PripadZpravy> {};

TEST_P(ZpravyTest, TitulekIkonaATlacitkoOk) {
  const PripadZpravy& p = GetParam();
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok).stiskni(QMessageBox::Ok);
  p.zobraz(QString());
  p.zobraz(QStringLiteral("Vlastní titulek"));
  ASSERT_EQ(odp.zobrazene().size(), 2u);
  const ZobrazenyDialog& prazdny = odp.zobrazene()[0];
  EXPECT_EQ(prazdny.trida, QStringLiteral("QMessageBox"));
  EXPECT_EQ(prazdny.titulek, QStringLiteral("Tarvion"));
  EXPECT_EQ(prazdny.text, u8("Zpráva pro uživatele"));
  EXPECT_EQ(prazdny.ikona, p.ikona);
  EXPECT_EQ(prazdny.tlacitka, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(prazdny.vychozi, QMessageBox::Ok);
  EXPECT_EQ(odp.zobrazene()[1].titulek,
            p.maTitulek ? u8("Vlastní titulek") : QStringLiteral("Tarvion"));
  EXPECT_EQ(odp.nevyrizene(), 0);
}

const QString kZprava = QString::fromUtf8("Zpráva pro uživatele");

INSTANTIATE_TEST_SUITE_P(
    Druhy, ZpravyTest,
    ::testing::Values(
        PripadZpravy{"Zprava", [](const QString&) { Zprava(kZprava); }, false,
                     QMessageBox::NoIcon},
        PripadZpravy{"Informace", [](const QString&) { Informace(kZprava); }, false,
                     QMessageBox::Information},
        PripadZpravy{"InformaceTitulek",
                     [](const QString& t) { InformaceTitulek(t, kZprava); }, true,
                     QMessageBox::Information},
        PripadZpravy{"Varovani", [](const QString& t) { Varovani(t, kZprava); }, true,
                     QMessageBox::Warning},
        PripadZpravy{"ChybaAplikace", [](const QString&) { ChybaAplikace(kZprava); }, false,
                     QMessageBox::Critical}),
    [](const ::testing::TestParamInfo<PripadZpravy>& info) {
      return std::string(info.param.nazev);
    });

struct PripadDotazu {
  int druh;
  QMessageBox::Icon ikona;
  bool sisStornem;
};

class DotazTest : public ::testing::TestWithParam<PripadDotazu> {};

TEST_P(DotazTest, VzhledBoxu) {
  const PripadDotazu p = GetParam();
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Yes);
  Dotaz(QString(), QStringLiteral("Opravdu?"), p.druh);
  ASSERT_EQ(odp.zobrazene().size(), 1u);
  const ZobrazenyDialog& z = odp.posledni();
  EXPECT_EQ(z.titulek, QStringLiteral("Tarvion"));
  EXPECT_EQ(z.text, QStringLiteral("Opravdu?"));
  EXPECT_EQ(z.ikona, p.ikona);
  QMessageBox::StandardButtons tlacitka = QMessageBox::Yes | QMessageBox::No;
  if (p.sisStornem) tlacitka |= QMessageBox::Cancel;
  EXPECT_EQ(z.tlacitka, tlacitka);
  EXPECT_EQ(z.vychozi, QMessageBox::No);
}

TEST_P(DotazTest, KodyOdpovedi) {
  const PripadDotazu p = GetParam();
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Yes).stiskni(QMessageBox::No);
  EXPECT_EQ(Dotaz(QStringLiteral("Varování"), QStringLiteral("Smazat?"), p.druh), 6);
  EXPECT_EQ(Dotaz(QStringLiteral("Varování"), QStringLiteral("Smazat?"), p.druh), 7);
  EXPECT_EQ(odp.posledni().titulek, u8("Varování"));
}

TEST_P(DotazTest, EscAZaviraciTlacitkoOkna) {
  const PripadDotazu p = GetParam();
  const int ocekavano = p.sisStornem ? Dialogy::Zrusit : Dialogy::Ne;
  SkriptovanyOdpovidac odp;
  odp.potom(klavesou(Qt::Key_Escape)).potom(zavriOknem);
  EXPECT_EQ(Dotaz(u8("Pozor!"), u8("Uložit změny?"), p.druh), ocekavano) << "Esc";
  EXPECT_EQ(Dotaz(u8("Pozor!"), u8("Uložit změny?"), p.druh), ocekavano) << "close button";
}

TEST_P(DotazTest, EnterVoliVychoziNe) {
  const PripadDotazu p = GetParam();
  SkriptovanyOdpovidac odp;
  odp.potom(klavesou(Qt::Key_Return));
  EXPECT_EQ(Dotaz(QString(), QStringLiteral("Smazat?"), p.druh), Dialogy::Ne);
}

INSTANTIATE_TEST_SUITE_P(Druhy, DotazTest,
                         ::testing::Values(PripadDotazu{1, QMessageBox::Question, false},
                                           PripadDotazu{2, QMessageBox::Warning, false},
                                           PripadDotazu{3, QMessageBox::Question, true},
                                           PripadDotazu{4, QMessageBox::Warning, true}));

TEST(Dotaz, StornoDavaDvaJenUDruhuSeStornem) {
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Cancel).stiskni(QMessageBox::Cancel);
  EXPECT_EQ(Dotaz(QString(), QStringLiteral("?"), 3), Dialogy::Zrusit);
  EXPECT_EQ(Dotaz(QString(), QStringLiteral("?"), 4), Dialogy::Zrusit);
}

TEST(Dotaz, JinyDruhNicNezobraziADavaNulu) {
  SkriptovanyOdpovidac odp;
  for (int druh : {0, 5, -1, 100}) EXPECT_EQ(Dotaz(QString(), QStringLiteral("?"), druh), 0) << druh;
  EXPECT_TRUE(odp.zobrazene().empty());
}

TEST(Dotaz, TlacitkaJsouCesky) {
  SkriptovanyOdpovidac odp;
  QStringList popisky;
  odp.potom([&popisky](QDialog& d) {
    auto& box = static_cast<QMessageBox&>(d);
    for (auto t : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
      popisky << box.button(t)->text().remove(u'&');
    return static_cast<int>(QMessageBox::Yes);
  });
  Dotaz(QString(), QStringLiteral("?"), 3);
  EXPECT_EQ(popisky, (QStringList{"Ano", "Ne", "Storno"}));
}

TEST(DotazAnoNe, VychoziJeAno) {
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Yes).stiskni(QMessageBox::No).potom(klavesou(Qt::Key_Return));
  EXPECT_EQ(DotazAnoNe(QString(), u8("Vytvořit novou fakturu?")), 6);
  const ZobrazenyDialog z = odp.posledni();
  EXPECT_EQ(z.titulek, QStringLiteral("Tarvion"));
  EXPECT_EQ(z.ikona, QMessageBox::Question);
  EXPECT_EQ(z.tlacitka, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(z.vychozi, QMessageBox::Yes);
  EXPECT_EQ(DotazAnoNe(QStringLiteral("Nová"), QStringLiteral("?")), 7);
  EXPECT_EQ(odp.posledni().titulek, u8("Nová"));
  EXPECT_EQ(DotazAnoNe(QString(), QStringLiteral("?")), 6) << "Enter answers Yes";
}

TEST(DotazAnoNe, EscJeNe) {
  SkriptovanyOdpovidac odp;
  odp.potom(klavesou(Qt::Key_Escape));
  EXPECT_EQ(DotazAnoNe(QString(), QStringLiteral("?")), 7);
}

TEST(Zpravy, TextSeNevykladaJakoHtml) {
  SkriptovanyOdpovidac odp;
  QString zobrazeno;
  odp.potom([&zobrazeno](QDialog& d) {
    auto& box = static_cast<QMessageBox&>(d);
    zobrazeno = box.textFormat() == Qt::PlainText ? box.text() : QString();
    return static_cast<int>(QMessageBox::Ok);
  });
  Informace(QStringLiteral("Soubor <Ses>/Faktura.fr3 nenalezen"));
  EXPECT_EQ(zobrazeno, QStringLiteral("Soubor <Ses>/Faktura.fr3 nenalezen"));
}

TEST(TitulekAplikace, JeNazevAplikace) {
  EXPECT_EQ(Dialogy::titulekAplikace(), QStringLiteral("Tarvion"));
  const QString puvodni = QApplication::applicationName();
  QApplication::setApplicationName(QStringLiteral("Tarvion 2"));
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  Varovani(QString(), QStringLiteral("x"));
  QApplication::setApplicationName(puvodni);
  EXPECT_EQ(odp.posledni().titulek, QStringLiteral("Tarvion 2"));
}

TEST(Vlastnik, BoxPatriHlavnimuOknu) {
  QMainWindow hlavni;
  hlavni.show();
  EXPECT_EQ(Dialogy::vlastnik(), &hlavni);
  SkriptovanyOdpovidac odp;
  QWidget* rodic = nullptr;
  odp.potom([&rodic](QDialog& d) {
    rodic = d.parentWidget();
    return static_cast<int>(QMessageBox::Ok);
  });
  Informace(QStringLiteral("x"));
  EXPECT_EQ(rodic, &hlavni);
}

TEST(Vlastnik, SkryteHlavniOknoNeni) {
  QMainWindow hlavni;
  EXPECT_EQ(Dialogy::vlastnik(), nullptr);
}

TEST(SpustModalne, BezSkriptuBeziOpravdovyExec) {
  {
    SkriptovanyOdpovidac odp;
  }  // the runner is restored when the script ends
  QDialog d;
  QTimer::singleShot(0, &d, [&d] { d.accept(); });
  EXPECT_EQ(Dialogy::spustModalne(d), QDialog::Accepted);
}

// ---------------------------------------------------------------------------------------
// Shared look of the input dialogs

void zkontrolujPasATlacitka(QDialog& d, int okX, int stornoX) {
  EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "not resizable";
  auto* pas = d.findChild<QFrame*>(QStringLiteral("Shape1"));
  auto* ok = d.findChild<QPushButton*>(QStringLiteral("Tl_Ok"));
  auto* storno = d.findChild<QPushButton*>(QStringLiteral("Tl_Storno"));
  ASSERT_TRUE(pas && ok && storno);
  EXPECT_EQ(pas->geometry(), QRect(0, d.height() - 41, d.width(), 41));
  EXPECT_TRUE(pas->autoFillBackground());
  EXPECT_EQ(pas->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
  EXPECT_EQ(d.palette().color(QPalette::Window), QColor(Qt::white));
  for (QPushButton* b : {ok, storno}) {
    EXPECT_EQ(b->size(), QSize(75, 25)) << b->objectName().toStdString();
    EXPECT_TRUE(pas->geometry().contains(b->geometry())) << "buttons sit on the band";
  }
  EXPECT_EQ(ok->x(), okX);
  EXPECT_EQ(storno->x(), stornoX);
  EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
  EXPECT_EQ(storno->text(), QStringLiteral("Storno"));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(storno->isDefault());
}

// ---------------------------------------------------------------------------------------
// Number dialog

QLineEdit* editCisla(QDialog& d) {
  auto* ed = d.findChild<QLineEdit*>(QStringLiteral("Ed_CisloReal"));
  EXPECT_NE(ed, nullptr);
  return ed;
}

// Types into the number box (after selecting it all, as a user would over a shown value)
// and confirms.
SkriptovanyOdpovidac::Odpoved napisAPotvrd(const QString& text) {
  return [text](QDialog& d) {
    QLineEdit* ed = editCisla(d);
    if (ed) QTest::keyClicks(ed, text);
    return static_cast<int>(QDialog::Accepted);
  };
}

TEST(ZadejCislo, VzhledOkna) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    EXPECT_EQ(d.objectName(), QStringLiteral("ZadejCislo"));
    EXPECT_EQ(d.windowTitle(), u8("Výpočet DPH shora"));
    auto* la = d.findChild<QLabel*>(QStringLiteral("La_Popiska"));
    EXPECT_TRUE(la && la->text() == u8("Zadejte celkovou částku včetně DPH:") && la->wordWrap());
    if (la) {
      EXPECT_EQ(la->geometry(), QRect(8, 8, 201, 33));
    }
    QLineEdit* ed = editCisla(d);
    if (ed) {
      EXPECT_EQ(ed->pos(), QPoint(64, 48));
      EXPECT_EQ(ed->width(), 73);
    }
    zkontrolujPasATlacitka(d, 24, 112);
    return static_cast<int>(QDialog::Rejected);
  });
  double v = 1;
  ZadejCislo(v, u8("Výpočet DPH shora"), u8("Zadejte celkovou částku včetně DPH:"));
  EXPECT_EQ(odp.nevyrizene(), 0);
}

TEST(ZadejCislo, NulaBezZmenyNeniZmena) {
  SkriptovanyOdpovidac odp;
  QString zobrazeno;
  odp.potom([&zobrazeno](QDialog& d) {
    if (QLineEdit* ed = editCisla(d)) zobrazeno = ed->text();
    return static_cast<int>(QDialog::Accepted);
  });
  double v = 0;
  EXPECT_FALSE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(zobrazeno, QStringLiteral("0"));
  EXPECT_EQ(v, 0.0);
}

TEST(ZadejCislo, VymazanePoleUlozNulu) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    if (QLineEdit* ed = editCisla(d)) QTest::keyClick(ed, Qt::Key_Backspace);
    return static_cast<int>(QDialog::Accepted);
  });
  double v = 7.5;
  EXPECT_TRUE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(v, 0.0);
}

struct PripadZadani {
  double vstup;
  const char* napsano;
  bool zmena;
  double vysledek;
};

class ZadejCisloTest : public ::testing::TestWithParam<PripadZadani> {};

TEST_P(ZadejCisloTest, NapsanyText) {
  const PripadZadani p = GetParam();
  SkriptovanyOdpovidac odp;
  odp.potom(napisAPotvrd(u8(p.napsano)));
  double v = p.vstup;
  EXPECT_EQ(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")), p.zmena) << p.napsano;
  EXPECT_EQ(v, p.vysledek) << p.napsano;
}

INSTANTIATE_TEST_SUITE_P(
    Tabulka, ZadejCisloTest,
    ::testing::Values(PripadZadani{0, "1.234,5", true, 1234.5},
                      PripadZadani{12.5, "12,50", true, 12.5},  // another text is a change
                      PripadZadani{12.5, "12,5", false, 12.5},
                      PripadZadani{0, "121", true, 121},
                      PripadZadani{0, "-3,25", true, -3.25},
                      PripadZadani{0, ",5", true, 0.5},
                      PripadZadani{0, "5,", true, 5},
                      PripadZadani{1, "1 000 000", true, 1000000},  // blanks are not typed
                      PripadZadani{1, "12abc", true, 12},           // letters are not typed
                      PripadZadani{1, "1.5", true, 15}));           // '.' is only a separator

TEST(ZadejCislo, VlozenyNesmyslJeNula) {
  QApplication::clipboard()->setText(QStringLiteral("abc"));
  SkriptovanyOdpovidac odp;
  QString poVlozeni;
  odp.potom([&poVlozeni](QDialog& d) {
    QLineEdit* ed = editCisla(d);
    if (!ed) return static_cast<int>(QDialog::Rejected);
    QTest::keyClick(ed, Qt::Key_V, Qt::ControlModifier);
    poVlozeni = ed->text();
    return static_cast<int>(QDialog::Accepted);
  });
  double v = 5;
  EXPECT_TRUE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(poVlozeni, QStringLiteral("abc")) << "Ctrl+V must get past the key filter";
  EXPECT_EQ(v, 0.0);
}

TEST(ZadejCislo, FiltrKlavesPropoustiJenCisliceAOddelovace) {
  SkriptovanyOdpovidac odp;
  QString text;
  odp.potom([&text](QDialog& d) {
    QLineEdit* ed = editCisla(d);
    if (!ed) return static_cast<int>(QDialog::Rejected);
    QTest::keyClick(ed, Qt::Key_Backspace);
    QTest::keyClicks(ed, QStringLiteral("1a2 ,x5;.E+"));
    QTest::sendKeyEvent(QTest::Click, ed, Qt::Key_unknown, u8("ě"), Qt::NoModifier);
    text = ed->text();
    // Cursor keys and Delete are not characters and still work.
    QTest::keyClick(ed, Qt::Key_Home);
    QTest::keyClick(ed, Qt::Key_Delete);
    QTest::keyClicks(ed, QStringLiteral("-9"));
    return static_cast<int>(QDialog::Accepted);
  });
  double v = 0;
  EXPECT_TRUE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(text, QStringLiteral("12,5."));
  EXPECT_EQ(v, -92.5);
}

TEST(ZadejCislo, StornoNemeniHodnotu) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    if (QLineEdit* ed = editCisla(d)) QTest::keyClicks(ed, QStringLiteral("99"));
    return static_cast<int>(QDialog::Rejected);
  });
  double v = 3.5;
  EXPECT_FALSE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(v, 3.5);
}

TEST(ZadejCislo, EnterPotvrzujeEscRusi) {
  SkriptovanyOdpovidac odp;
  auto klavesaPoZapisu = [](Qt::Key klavesa) {
    return [klavesa](QDialog& d) {
      d.show();
      QLineEdit* ed = editCisla(d);
      if (ed) {
        QTest::keyClicks(ed, QStringLiteral("42"));
        QTest::keyClick(ed, klavesa);
      }
      d.hide();
      return d.result();
    };
  };
  odp.potom(klavesaPoZapisu(Qt::Key_Return)).potom(klavesaPoZapisu(Qt::Key_Escape));
  double v = 1;
  EXPECT_TRUE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(v, 42.0);
  EXPECT_FALSE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(v, 42.0);
}

TEST(ZadejCislo, TlacitkaOkAStorno) {
  SkriptovanyOdpovidac odp;
  auto napisAKlikni = [](const char* tlacitko) {
    return [tlacitko](QDialog& d) {
      if (QLineEdit* ed = editCisla(d)) QTest::keyClicks(ed, QStringLiteral("8"));
      return klikni(tlacitko)(d);
    };
  };
  odp.potom(napisAKlikni("Tl_Storno")).potom(napisAKlikni("Tl_Ok"));
  double v = 1;
  EXPECT_FALSE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(v, 1.0);
  EXPECT_TRUE(ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P")));
  EXPECT_EQ(v, 8.0);
}

class NeplatneCisloTest : public ::testing::TestWithParam<const char*> {};

TEST_P(NeplatneCisloTest, ChybaKOkoliHodnotaBezeZmeny) {
  const QString napsano = u8(GetParam());
  SkriptovanyOdpovidac odp;
  QPointer<QDialog> okno;
  odp.potom([&okno, napsano](QDialog& d) {
    okno = &d;
    return napisAPotvrd(napsano)(d);
  });
  double v = 2.5;
  try {
    ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P"));
    ADD_FAILURE() << "no error for " << GetParam();
  } catch (const Chyba& chyba) {
    EXPECT_TRUE(chyba.text().contains(FiltrCisla(napsano))) << chyba.text().toStdString();
    EXPECT_TRUE(chyba.text().contains(u8("není platné číslo"))) << chyba.text().toStdString();
  }
  EXPECT_EQ(v, 2.5);
  EXPECT_TRUE(okno.isNull()) << "the dialog is destroyed when the error leaves";
}

INSTANTIATE_TEST_SUITE_P(Tabulka, NeplatneCisloTest,
                         ::testing::Values("1,2,3", "5-", "--5", "-", ",", "1-2", "1.2.3,4,5,"));

TEST(ZadejCislo, NeplatneCisloHlasiObecnaObsluhaChyb) {
  SkriptovanyOdpovidac odp;
  odp.potom(napisAPotvrd(QStringLiteral("1,2,3"))).stiskni(QMessageBox::Ok);
  double v = 1;
  bool dobehl = false;
  BezpecnyPrikaz([&] {
    ZadejCislo(v, QStringLiteral("T"), QStringLiteral("P"));
    dobehl = true;
  });
  EXPECT_FALSE(dobehl);
  EXPECT_EQ(v, 1.0);
  ASSERT_EQ(odp.zobrazene().size(), 2u);
  EXPECT_EQ(odp.posledni().text, u8("„1,2,3“ není platné číslo."));
  EXPECT_EQ(odp.posledni().ikona, QMessageBox::Critical);
}

struct PripadFormatu {
  double hodnota;
  const char* text;
};

class ObecnyFormatTest : public ::testing::TestWithParam<PripadFormatu> {};

TEST_P(ObecnyFormatTest, Tabulka) {
  EXPECT_EQ(ObecnyFormat(GetParam().hodnota), u8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Tabulka, ObecnyFormatTest,
    ::testing::Values(PripadFormatu{0, "0"}, PripadFormatu{-0.0, "0"}, PripadFormatu{12.5, "12,5"},
                      PripadFormatu{1234567.25, "1234567,25"}, PripadFormatu{-3, "-3"},
                      PripadFormatu{0.1, "0,1"}, PripadFormatu{0.1 + 0.2, "0,3"},
                      PripadFormatu{1.0 / 3, "0,333333333333333"},
                      PripadFormatu{2.0 / 3, "0,666666666666667"},
                      PripadFormatu{100, "100"}, PripadFormatu{1000000, "1000000"},
                      PripadFormatu{0.00001, "0,00001"}, PripadFormatu{0.000012, "0,000012"},
                      PripadFormatu{0.000001, "1E-6"}, PripadFormatu{-0.0000015, "-1,5E-6"},
                      PripadFormatu{99999999999999, "99999999999999"},
                      PripadFormatu{123456789012345, "1,23456789012345E14"},
                      PripadFormatu{1.5e15, "1,5E15"},
                      PripadFormatu{std::nextafter(10.0, 0.0), "10"}));

TEST(FiltrCisla, NechavaCisliceCarkuAMinus) {
  EXPECT_EQ(FiltrCisla(QStringLiteral("1.234,5")), QStringLiteral("1234,5"));
  EXPECT_EQ(FiltrCisla(u8(" -12 345,60 Kč")), QStringLiteral("-12345,60"));
  EXPECT_EQ(FiltrCisla(QStringLiteral("abc")), QString());
  EXPECT_EQ(FiltrCisla(QStringLiteral("5-")), QStringLiteral("5-"));
  EXPECT_EQ(FiltrCisla(u8("١٢٣")), QString()) << "only ASCII digits";
}

// ---------------------------------------------------------------------------------------
// Date dialog

QCalendarWidget* kalendar(QDialog& d) {
  auto* k = d.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1"));
  EXPECT_NE(k, nullptr);
  return k;
}

QPushButton* tlacitkoOk(QDialog& d) {
  auto* ok = d.findChild<QPushButton*>(QStringLiteral("Tl_Ok"));
  EXPECT_NE(ok, nullptr);
  return ok;
}

// Clicks a day in the calendar (the signal a mouse click on a day gives) and then Ok.
SkriptovanyOdpovidac::Odpoved vyberDen(const QDate& den) {
  return [den](QDialog& d) {
    QCalendarWidget* k = kalendar(d);
    if (!k) return static_cast<int>(QDialog::Rejected);
    k->setSelectedDate(den);
    emit k->clicked(den);
    return klikni("Tl_Ok")(d);
  };
}

class DatumTest : public ::testing::Test {
 protected:
  void TearDown() override { Hodiny::nastav(QDateTime()); }
};

TEST_F(DatumTest, VzhledOkna) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    EXPECT_EQ(d.objectName(), QStringLiteral("ZadejDatum"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Datum"));
    QCalendarWidget* k = kalendar(d);
    if (k) {
      EXPECT_EQ(k->pos(), QPoint(8, 8));
      EXPECT_EQ(k->selectedDate(), QDate(2024, 3, 5));
      EXPECT_EQ(k->monthShown(), 3);
      EXPECT_EQ(k->yearShown(), 2024);
      auto* pas = d.findChild<QFrame*>(QStringLiteral("Shape1"));
      if (pas) {
        EXPECT_LE(k->geometry().bottom(), pas->y()) << "the calendar stays above the band";
      }
      EXPECT_LE(k->geometry().right(), d.width());
      EXPECT_GE(k->height(), k->minimumSizeHint().height());
      EXPECT_GE(k->width(), k->minimumSizeHint().width());
      EXPECT_EQ(k->firstDayOfWeek(), Qt::Monday);
    }
    zkontrolujPasATlacitka(d, 16, 112);
    return static_cast<int>(QDialog::Rejected);
  });
  QDate datum(2024, 3, 5);
  EXPECT_FALSE(ZadejDatum(datum, QStringLiteral("Datum")));
  EXPECT_EQ(datum, QDate(2024, 3, 5));
}

TEST_F(DatumTest, OkZakazaneDokudSeNeklikneDoKalendare) {
  SkriptovanyOdpovidac odp;
  bool zakazanoNaZacatku = false;
  bool povolenoPoKliku = false;
  odp.potom([&](QDialog& d) {
    QCalendarWidget* k = kalendar(d);
    QPushButton* ok = tlacitkoOk(d);
    if (!k || !ok) return static_cast<int>(QDialog::Rejected);
    zakazanoNaZacatku = !ok->isEnabled();
    k->setSelectedDate(QDate(2024, 3, 9));  // keyboard choice alone does not unlock Ok
    ok->click();
    if (d.result() == QDialog::Accepted) return d.result();
    emit k->clicked(QDate(2024, 3, 9));
    povolenoPoKliku = ok->isEnabled();
    ok->click();
    return d.result();
  });
  QDate datum(2024, 3, 5);
  EXPECT_TRUE(ZadejDatum(datum, QStringLiteral("Datum")));
  EXPECT_TRUE(zakazanoNaZacatku);
  EXPECT_TRUE(povolenoPoKliku);
  EXPECT_EQ(datum, QDate(2024, 3, 9));
}

TEST_F(DatumTest, EnterBezKlikuNicNepotvrdi) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    d.show();
    QTest::keyClick(&d, Qt::Key_Return);
    const int r = d.result();
    d.hide();
    return r;
  });
  QDate datum(2024, 3, 5);
  EXPECT_FALSE(ZadejDatum(datum, QStringLiteral("Datum")));
}

TEST_F(DatumTest, KlikNaSipkuMesiceTakePovoliOk) {
  SkriptovanyOdpovidac odp;
  bool povoleno = false;
  odp.potom([&](QDialog& d) {
    QCalendarWidget* k = kalendar(d);
    if (!k) return static_cast<int>(QDialog::Rejected);
    d.show();
    auto* sipka = k->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
    EXPECT_NE(sipka, nullptr);
    if (sipka) QTest::mouseClick(sipka, Qt::LeftButton);
    QPushButton* ok = tlacitkoOk(d);
    povoleno = ok && ok->isEnabled();
    d.hide();
    return static_cast<int>(QDialog::Rejected);
  });
  QDate datum(2024, 3, 5);
  ZadejDatum(datum, QStringLiteral("Datum"));
  EXPECT_TRUE(povoleno);
}

TEST_F(DatumTest, StejneDatumNeniZmena) {
  SkriptovanyOdpovidac odp;
  odp.potom(vyberDen(QDate(2024, 3, 5)));
  QDate datum(2024, 3, 5);
  EXPECT_FALSE(ZadejDatum(datum, QStringLiteral("Datum")));
  EXPECT_EQ(datum, QDate(2024, 3, 5));
}

TEST_F(DatumTest, StornoNicNemeni) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    if (QCalendarWidget* k = kalendar(d)) {
      k->setSelectedDate(QDate(2024, 4, 1));
      emit k->clicked(QDate(2024, 4, 1));
    }
    return klikni("Tl_Storno")(d);
  });
  QDate datum(2024, 3, 5);
  EXPECT_FALSE(ZadejDatum(datum, QStringLiteral("Datum")));
  EXPECT_EQ(datum, QDate(2024, 3, 5));
}

TEST_F(DatumTest, PrazdnePoleUloziIDnesek) {
  SkriptovanyOdpovidac odp;
  odp.potom(vyberDen(QDate(2025, 6, 15)));
  QDate datum(2025, 6, 15);  // the caller's "today" for an empty field
  EXPECT_TRUE(ZadejDatum(datum, QStringLiteral("Datum"), true));
  EXPECT_EQ(datum, QDate(2025, 6, 15));
}

TEST_F(DatumTest, NeplatneDatumUkazeDnesekAPotvrzeniJeZmena) {
  Hodiny::nastav(QDateTime(QDate(2025, 6, 15), QTime(10, 30)));
  SkriptovanyOdpovidac odp;
  QDate zobrazeno;
  odp.potom([&zobrazeno](QDialog& d) {
    if (QCalendarWidget* k = kalendar(d)) zobrazeno = k->selectedDate();
    return vyberDen(zobrazeno)(d);
  });
  QDate datum;
  EXPECT_TRUE(ZadejDatum(datum, QStringLiteral("Datum")));
  EXPECT_EQ(zobrazeno, QDate(2025, 6, 15));
  EXPECT_EQ(datum, QDate(2025, 6, 15));
}

// ---------------------------------------------------------------------------------------
// Year dialog

QStringList polozky(QComboBox* c) {
  QStringList vysledek;
  for (int i = 0; i < c->count(); ++i) vysledek << c->itemText(i);
  return vysledek;
}

QStringList roky(int od, int do_) {
  QStringList vysledek;
  for (int r = od; r >= do_; --r) vysledek << QString::number(r);
  return vysledek;
}

struct PripadRoku {
  uint16_t vstup;
  int od;
  int do_;
};

class RokTest : public ::testing::TestWithParam<PripadRoku> {
 protected:
  void SetUp() override { Hodiny::nastav(QDateTime(QDate(2025, 5, 20), QTime(9, 0))); }
  void TearDown() override { Hodiny::nastav(QDateTime()); }
};

TEST_P(RokTest, SeznamRokuAVybrany) {
  const PripadRoku p = GetParam();
  SkriptovanyOdpovidac odp;
  QStringList seznam;
  QString vybrano;
  bool upravitelny = true;
  odp.potom([&](QDialog& d) {
    auto* c = d.findChild<QComboBox*>(QStringLiteral("CBox_Rok"));
    EXPECT_NE(c, nullptr);
    if (!c) return static_cast<int>(QDialog::Rejected);
    seznam = polozky(c);
    vybrano = c->currentText();
    upravitelny = c->isEditable();
    return static_cast<int>(QDialog::Accepted);
  });
  uint16_t rok = p.vstup;
  EXPECT_TRUE(ZadejRok(rok, 2015, QStringLiteral("Nastavte rok"))) << "equal year is still true";
  EXPECT_EQ(seznam, roky(p.od, p.do_));
  EXPECT_EQ(vybrano, QString::number(p.vstup));
  EXPECT_FALSE(upravitelny);
  EXPECT_EQ(rok, p.vstup);
}

INSTANTIATE_TEST_SUITE_P(Tabulka, RokTest,
                         ::testing::Values(PripadRoku{2018, 2025, 2015}, PripadRoku{2010, 2025, 2010},
                                           PripadRoku{2027, 2027, 2015}, PripadRoku{2025, 2025, 2015},
                                           PripadRoku{2015, 2025, 2015}));

class RokDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { Hodiny::nastav(QDateTime(QDate(2025, 5, 20), QTime(9, 0))); }
  void TearDown() override { Hodiny::nastav(QDateTime()); }
};

TEST_F(RokDialogTest, VzhledOkna) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    EXPECT_EQ(d.objectName(), QStringLiteral("ZadejRok"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Nastavte rok"));
    auto* c = d.findChild<QComboBox*>(QStringLiteral("CBox_Rok"));
    if (c) {
      EXPECT_EQ(c->pos(), QPoint(64, 32));
      EXPECT_EQ(c->width(), 81);
      EXPECT_EQ(c->maxVisibleItems(), 7);
    }
    zkontrolujPasATlacitka(d, 16, 112);
    QPushButton* ok = tlacitkoOk(d);
    if (ok) {
      EXPECT_TRUE(ok->isEnabled());
      EXPECT_EQ(ok->y(), 120);
    }
    return static_cast<int>(QDialog::Rejected);
  });
  uint16_t rok = 2020;
  ZadejRok(rok, 2015, QStringLiteral("Nastavte rok"));
}

TEST_F(RokDialogTest, VyberJinehoRoku) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    auto* c = d.findChild<QComboBox*>(QStringLiteral("CBox_Rok"));
    if (c) c->setCurrentIndex(c->findText(QStringLiteral("2019")));
    return klikni("Tl_Ok")(d);
  });
  uint16_t rok = 2024;
  EXPECT_TRUE(ZadejRok(rok, 2015, QStringLiteral("Nastavte rok")));
  EXPECT_EQ(rok, 2019);
}

TEST_F(RokDialogTest, StornoNicNemeni) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
    auto* c = d.findChild<QComboBox*>(QStringLiteral("CBox_Rok"));
    if (c) c->setCurrentIndex(0);
    return klikni("Tl_Storno")(d);
  });
  uint16_t rok = 2018;
  EXPECT_FALSE(ZadejRok(rok, 2015, QStringLiteral("Nastavte rok")));
  EXPECT_EQ(rok, 2018);
}

// ---------------------------------------------------------------------------------------
// Text window

TEST(ZobrazText, RadkyTitulekAPosuvnik) {
  SkriptovanyOdpovidac odp;
  QString text;
  bool jenProCteni = false;
  Qt::ScrollBarPolicy svisly = Qt::ScrollBarAsNeeded;
  QString titulek;
  bool vyplnuje = false;
  int tlacitek = -1;
  auto precti = [&](QDialog& d) {
    titulek = d.windowTitle();
    auto* memo = d.findChild<QPlainTextEdit*>();
    EXPECT_NE(memo, nullptr);
    EXPECT_EQ(d.objectName(), QStringLiteral("ZobrazText"));
    if (memo) {
      text = memo->toPlainText();
      jenProCteni = memo->isReadOnly();
      svisly = memo->verticalScrollBarPolicy();
      vyplnuje = memo->geometry() == d.rect();
    }
    tlacitek = static_cast<int>(d.findChildren<QPushButton*>().size());
    return static_cast<int>(QDialog::Rejected);
  };
  odp.potom(precti);
  ZobrazText(u8("Koeficienty DPH pro jednotlivé sazby"),
             u8("DPH 21%   0,1736\r\nDPH 15%   0,1304\r\nDPH 10%   0,0909"), false);
  EXPECT_EQ(titulek, u8("Koeficienty DPH pro jednotlivé sazby"));
  EXPECT_EQ(text, u8("DPH 21%   0,1736\nDPH 15%   0,1304\nDPH 10%   0,0909"));
  EXPECT_TRUE(jenProCteni);
  EXPECT_EQ(svisly, Qt::ScrollBarAlwaysOff);
  EXPECT_TRUE(vyplnuje);
  EXPECT_EQ(tlacitek, 0);

  odp.potom(precti);
  ZobrazText(QString(), QStringLiteral("x"), true);
  EXPECT_EQ(titulek, QStringLiteral("Tarvion"));
  EXPECT_EQ(svisly, Qt::ScrollBarAlwaysOn);
}

// ---------------------------------------------------------------------------------------
// Shell

TEST(OtevriDokument, NeexistujiciCilNeotevre) {
  EXPECT_FALSE(OtevriDokument(QString(), QString()));
  EXPECT_FALSE(OtevriDokument(QStringLiteral("   "), QStringLiteral("x")));
  EXPECT_FALSE(OtevriDokument(QStringLiteral("neexistujici-slozka/napoveda.pdf"), QString()));
}

// ---------------------------------------------------------------------------------------
// Commands

TEST(BezpecnyPrikaz, ChybaSeUkazeSVlastnimTextem) {
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  BezpecnyPrikaz([] { throw Chyba(u8("Soubor databáze nelze otevřít.")); });
  ASSERT_EQ(odp.zobrazene().size(), 1u);
  EXPECT_EQ(odp.posledni().text, u8("Soubor databáze nelze otevřít."));
  EXPECT_EQ(odp.posledni().titulek, QStringLiteral("Tarvion"));
  EXPECT_EQ(odp.posledni().ikona, QMessageBox::Critical);
  EXPECT_EQ(odp.posledni().tlacitka, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(BezpecnyPrikaz, StandardniVyjimkaJakoUtf8) {
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  BezpecnyPrikaz([] { throw std::runtime_error("Chyba zápisu: žádné místo"); });
  ASSERT_EQ(odp.zobrazene().size(), 1u);
  EXPECT_EQ(odp.posledni().text, u8("Chyba zápisu: žádné místo"));
}

TEST(BezpecnyPrikaz, NeznamaVyjimkaNeunikne) {
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  EXPECT_NO_THROW(BezpecnyPrikaz([] { throw 42; }));
  ASSERT_EQ(odp.zobrazene().size(), 1u);
  EXPECT_FALSE(odp.posledni().text.isEmpty());
  EXPECT_EQ(odp.posledni().ikona, QMessageBox::Critical);
}

TEST(BezpecnyPrikaz, BezChybyNicNeukaze) {
  SkriptovanyOdpovidac odp;
  int spusteno = 0;
  BezpecnyPrikaz([&spusteno] { ++spusteno; });
  EXPECT_EQ(spusteno, 1);
  EXPECT_TRUE(odp.zobrazene().empty());
}

}  // namespace
