#include <gtest/gtest.h>

#include <ostream>

#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "common/Dialogy.h"
#include "invoices/NovaFaktura_f.h"
#include "tests/SkriptovanyOdpovidac.h"

static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// The dialog with its controls found by name, as a user sees it.
struct NovaFaktura {
  std::unique_ptr<TNovaFaktura> okno;
  QLineEdit* prefix;
  QLineEdit* rok;
  QLineEdit* cislo;
  QAbstractSlider* upDown;
  QLabel* cisloCele;
  QPushButton* ok;
  QPushButton* storno;

  NovaFaktura(const QString& pfx, int r, int navrh, QWidget* vlastnik = nullptr)
      : okno(std::make_unique<TNovaFaktura>(vlastnik, pfx, r, navrh)) {
    prefix = okno->findChild<QLineEdit*>("Ed_Prefix");
    rok = okno->findChild<QLineEdit*>("Ed_Rok");
    cislo = okno->findChild<QLineEdit*>("Ed_Cislo");
    upDown = okno->findChild<QAbstractSlider*>("UpDown_Cislo");
    cisloCele = okno->findChild<QLabel*>("La_CisloCele");
    ok = okno->findChild<QPushButton*>("Tl_Ok");
    storno = okno->findChild<QPushButton*>("Tl_Storno");
    if (!prefix || !rok || !cislo || !upDown || !cisloCele || !ok || !storno) std::abort();
  }

  // The number Ok would create, checked against what the preview shows.
  QString cisloAnahled() const {
    EXPECT_EQ(cisloCele->text(), okno->CisloCele());
    return okno->CisloCele();
  }

  QToolButton* sipka(Qt::ArrowType smer) const {
    for (QToolButton* b : upDown->findChildren<QToolButton*>())
      if (b->arrowType() == smer) return b;
    ADD_FAILURE() << "no arrow";
    return nullptr;
  }

  void smazCislo() const {
    cislo->setFocus();
    cislo->selectAll();
    QTest::keyClick(cislo, Qt::Key_Backspace);
  }
};

TEST(NovaFaktura, OknoAOvladace) {
  NovaFaktura f(u8("FA"), 2016, 42);
  EXPECT_EQ(f.okno->objectName(), "NovaFaktura");
  EXPECT_EQ(f.okno->windowTitle(), u8("Nová faktura"));
  auto* skupina = f.okno->findChild<QGroupBox*>();
  ASSERT_NE(skupina, nullptr);
  EXPECT_EQ(skupina->title(), u8("Sestavení čísla pro novou fakturu"));
  EXPECT_EQ(f.okno->findChild<QLabel*>("La_Prefix")->text(), u8("Prefix (nepovinný)"));
  EXPECT_EQ(f.okno->findChild<QLabel*>("La_Rok")->text(), "Rok");
  EXPECT_EQ(f.okno->findChild<QLabel*>("La_Cislo")->text(), u8("Číslo"));
  EXPECT_EQ(f.ok->text(), "Ok");
  EXPECT_TRUE(f.ok->isDefault());
  EXPECT_EQ(f.storno->text(), "Storno");

  EXPECT_EQ(f.prefix->text(), "FA");
  EXPECT_EQ(f.prefix->maxLength(), 8);
  EXPECT_EQ(f.rok->text(), "2016");
  EXPECT_TRUE(f.rok->isReadOnly());
  EXPECT_FALSE(f.rok->focusPolicy() & Qt::TabFocus);
  EXPECT_NE(f.rok->palette().color(QPalette::Base), f.prefix->palette().color(QPalette::Base));
  EXPECT_EQ(f.cislo->maxLength(), 4);
  EXPECT_EQ(f.cislo->text(), "42");
  EXPECT_EQ(f.upDown->minimum(), 1);
  EXPECT_EQ(f.upDown->maximum(), 9999);
  EXPECT_EQ(f.upDown->value(), 42);
  EXPECT_TRUE(f.cisloCele->font().bold());
  EXPECT_GT(f.cisloCele->font().pointSizeF(), f.prefix->font().pointSizeF());
  EXPECT_EQ(f.cisloAnahled(), "FA20160042");
  // The widest number the dialog can make is shown whole.
  EXPECT_LE(QFontMetrics(f.cisloCele->font()).horizontalAdvance("WWWWWWWW20169999"),
            f.cisloCele->contentsRect().width());
}

TEST(NovaFaktura, TabulatorPreskakujeRok) {
  NovaFaktura f(u8("FA"), 2016, 1);
  f.okno->show();
  f.okno->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.okno.get()));
  f.prefix->setFocus();
  QTest::keyClick(f.prefix, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.cislo);
}

struct PripadNavrhu {
  QString prefix;
  int navrh;
  QString cislo;     // Ed_Cislo
  QString vysledek;  // the whole number
};

// Names the case in test listings by what it expects.
void PrintTo(const PripadNavrhu& p, std::ostream* os) { *os << p.vysledek.toStdString(); }

class NavrhTest : public ::testing::TestWithParam<PripadNavrhu> {};

TEST_P(NavrhTest, PoziceAVyplneniNulami) {
  const PripadNavrhu& p = GetParam();
  NovaFaktura f(p.prefix, 2016, p.navrh);
  EXPECT_EQ(f.cislo->text(), p.cislo);
  EXPECT_EQ(f.cisloAnahled(), p.vysledek);
}

INSTANTIATE_TEST_SUITE_P(
    NovaFaktura, NavrhTest,
    ::testing::Values(PripadNavrhu{"FA", 7, "7", "FA20160007"},
                      PripadNavrhu{"", 1, "1", "20160001"},
                      PripadNavrhu{"FA", 42, "42", "FA20160042"},
                      PripadNavrhu{"FA", 1234, "1234", "FA20161234"},
                      PripadNavrhu{"FA", 9999, "9999", "FA20169999"},
                      PripadNavrhu{"FA", 10000, "9999", "FA20169999"},
                      PripadNavrhu{"FA", 0, "1", "FA20160001"},
                      PripadNavrhu{"FA", -3, "1", "FA20160001"},
                      PripadNavrhu{"12345678", 5, "5", "1234567820160005"},
                      PripadNavrhu{"A B", 5, "5", "A B20160005"},
                      PripadNavrhu{"O'", 5, "5", "O'20160005"}));

TEST(NovaFaktura, NahledSledujePrefix) {
  NovaFaktura f(u8("FA"), 2017, 3);
  f.okno->show();
  f.prefix->setFocus();
  f.prefix->selectAll();
  QTest::keyClick(f.prefix, Qt::Key_Backspace);
  EXPECT_EQ(f.cisloAnahled(), "20170003");

  QTest::keyClicks(f.prefix, "VF");
  EXPECT_EQ(f.cisloAnahled(), "VF20170003");

  // Typing past eight characters stops at eight: the whole number is then sixteen long,
  // the width of the column.
  f.prefix->selectAll();
  QTest::keyClicks(f.prefix, "ABCDEFGHIJ");
  EXPECT_EQ(f.prefix->text(), "ABCDEFGH");
  EXPECT_EQ(f.cisloAnahled(), "ABCDEFGH20170003");
  EXPECT_EQ(f.okno->CisloCele().size(), 16);
}

TEST(NovaFaktura, PsaniDoCislaPosouvaPozici) {
  NovaFaktura f(u8("FA"), 2016, 5);
  f.okno->show();
  f.smazCislo();
  // An empty box is no number: the position and the preview keep the last one.
  EXPECT_EQ(f.cislo->text(), "");
  EXPECT_EQ(f.upDown->value(), 5);
  EXPECT_EQ(f.cisloAnahled(), "FA20160005");

  QTest::keyClicks(f.cislo, "123");
  EXPECT_EQ(f.upDown->value(), 123);
  EXPECT_EQ(f.cisloAnahled(), "FA20160123");

  // Leading zeros typed by the user stay in the box.
  f.smazCislo();
  QTest::keyClicks(f.cislo, "0012");
  EXPECT_EQ(f.cislo->text(), "0012");
  EXPECT_EQ(f.upDown->value(), 12);
  EXPECT_EQ(f.cisloAnahled(), "FA20160012");

  // At most four characters.
  QTest::keyClicks(f.cislo, "9");
  EXPECT_EQ(f.cislo->text(), "0012");

  // Zero is outside the range and a full stop makes no whole number: the position stays.
  f.smazCislo();
  QTest::keyClicks(f.cislo, "0");
  EXPECT_EQ(f.upDown->value(), 12);
  EXPECT_EQ(f.cisloAnahled(), "FA20160012");
  f.smazCislo();
  QTest::keyClicks(f.cislo, "8.");
  EXPECT_EQ(f.cislo->text(), "8.");
  EXPECT_EQ(f.upDown->value(), 8);
  QTest::keyClicks(f.cislo, "5");
  EXPECT_EQ(f.upDown->value(), 8);
  EXPECT_EQ(f.cisloAnahled(), "FA20160008");
}

TEST(NovaFaktura, FiltrKlavesVCisle) {
  NovaFaktura f(u8("FA"), 2016, 5);
  f.okno->show();
  f.smazCislo();

  QTest::keyClicks(f.cislo, "a1b-2 ,x");
  EXPECT_EQ(f.cislo->text(), "12");
  EXPECT_EQ(f.cisloAnahled(), "FA20160012");
  QTest::keyClick(f.cislo, Qt::Key_Z, Qt::ShiftModifier);
  QTest::keyClick(f.cislo, Qt::Key_Plus);
  EXPECT_EQ(f.cislo->text(), "12");

  // Backspace and the editing keys without characters still work.
  QTest::keyClick(f.cislo, Qt::Key_Backspace);
  EXPECT_EQ(f.cislo->text(), "1");
  QTest::keyClicks(f.cislo, "34");
  QTest::keyClick(f.cislo, Qt::Key_Home);
  QTest::keyClick(f.cislo, Qt::Key_Delete);
  EXPECT_EQ(f.cislo->text(), "34");
  QTest::keyClick(f.cislo, Qt::Key_Right);
  QTest::keyClicks(f.cislo, "0");
  EXPECT_EQ(f.cislo->text(), "304");
  EXPECT_EQ(f.cisloAnahled(), "FA20160304");

  // Letters do not come in by pasting either.
  QApplication::clipboard()->setText("7x");
  f.cislo->selectAll();
  QTest::keyClick(f.cislo, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f.cislo->text(), "304");

  // The prefix takes any character.
  f.prefix->setFocus();
  QTest::keyClicks(f.prefix, "-x ");
  EXPECT_EQ(f.prefix->text(), "FA-x ");
}

TEST(NovaFaktura, SipkyPisiPoziciDoCisla) {
  NovaFaktura f(u8("FA"), 2016, 999);
  f.okno->show();
  QToolButton* nahoru = f.sipka(Qt::UpArrow);
  QToolButton* dolu = f.sipka(Qt::DownArrow);
  ASSERT_TRUE(nahoru && dolu);

  QTest::mouseClick(nahoru, Qt::LeftButton);
  EXPECT_EQ(f.upDown->value(), 1000);
  // Written plainly, without a thousands separator.
  EXPECT_EQ(f.cislo->text(), "1000");
  EXPECT_EQ(f.cisloAnahled(), "FA20161000");
  QTest::mouseClick(dolu, Qt::LeftButton);
  QTest::mouseClick(dolu, Qt::LeftButton);
  EXPECT_EQ(f.cislo->text(), "998");
  EXPECT_EQ(f.cisloAnahled(), "FA20160998");

  // The arrows continue from what was typed, and rewrite a typed "0012" as "13".
  f.smazCislo();
  QTest::keyClicks(f.cislo, "0012");
  QTest::mouseClick(nahoru, Qt::LeftButton);
  EXPECT_EQ(f.cislo->text(), "13");
  EXPECT_EQ(f.cisloAnahled(), "FA20160013");

  // The arrow keys in the box move the position too.
  f.cislo->setFocus();
  QTest::keyClick(f.cislo, Qt::Key_Up);
  QTest::keyClick(f.cislo, Qt::Key_Up);
  EXPECT_EQ(f.cislo->text(), "15");
  QTest::keyClick(f.cislo, Qt::Key_Down);
  EXPECT_EQ(f.cisloAnahled(), "FA20160014");
}

TEST(NovaFaktura, SipkyKonciNaMezich) {
  NovaFaktura horni(u8(""), 2016, 9999);
  horni.okno->show();
  QTest::mouseClick(horni.sipka(Qt::UpArrow), Qt::LeftButton);
  EXPECT_EQ(horni.cislo->text(), "9999");
  EXPECT_EQ(horni.cisloAnahled(), "20169999");

  NovaFaktura dolni(u8(""), 2016, 1);
  dolni.okno->show();
  QTest::mouseClick(dolni.sipka(Qt::DownArrow), Qt::LeftButton);
  dolni.cislo->setFocus();
  QTest::keyClick(dolni.cislo, Qt::Key_Down);
  EXPECT_EQ(dolni.cislo->text(), "1");
  EXPECT_EQ(dolni.cisloAnahled(), "20160001");
}

TEST(NovaFaktura, EnterPotvrdiEscZrusi) {
  {
    NovaFaktura f(u8("FA"), 2016, 1);
    f.okno->show();
    f.smazCislo();
    QTest::keyClicks(f.cislo, "77");
    QTest::keyClick(f.cislo, Qt::Key_Return);
    EXPECT_FALSE(f.okno->isVisible());
    EXPECT_EQ(f.okno->result(), QDialog::Accepted);
    EXPECT_EQ(f.okno->CisloCele(), "FA20160077");
  }
  {
    NovaFaktura f(u8("FA"), 2016, 1);
    f.okno->show();
    f.cislo->setFocus();
    QTest::keyClick(f.cislo, Qt::Key_Escape);
    EXPECT_FALSE(f.okno->isVisible());
    EXPECT_EQ(f.okno->result(), QDialog::Rejected);
  }
}

TEST(NovaFaktura, TlacitkaPresSpousteniDialogu) {
  SkriptovanyOdpovidac odp;
  odp.potom([](QDialog& d) {
       auto* ed = d.findChild<QLineEdit*>("Ed_Cislo");
       ed->setText("31");
       d.findChild<QPushButton*>("Tl_Ok")->click();
       return d.result();
     })
      .potom([](QDialog& d) {
        d.findChild<QPushButton*>("Tl_Storno")->click();
        return d.result();
      });

  TNovaFaktura prvni(nullptr, "FA", 2018, 4);
  EXPECT_EQ(Dialogy::spustModalne(prvni), QDialog::Accepted);
  EXPECT_EQ(prvni.CisloCele(), "FA20180031");
  // The number stays readable after a cancel too; the caller decides by the result.
  TNovaFaktura druhy(nullptr, "FA", 2018, 4);
  EXPECT_EQ(Dialogy::spustModalne(druhy), QDialog::Rejected);
  EXPECT_EQ(druhy.CisloCele(), "FA20180004");
  ASSERT_EQ(odp.zobrazene().size(), 2u);
  EXPECT_EQ(odp.zobrazene()[0].nazev, "NovaFaktura");
  EXPECT_EQ(odp.zobrazene()[0].titulek, u8("Nová faktura"));
  EXPECT_EQ(odp.zbyvajici(), 0);
}

TEST(NovaFaktura, VystredenoNaVlastnika) {
  QWidget vlastnik;
  // Well inside the offscreen screen (800 x 600), so nothing is pushed back onto it.
  vlastnik.setGeometry(100, 80, 500, 400);
  vlastnik.show();
  NovaFaktura f(u8("FA"), 2016, 1, &vlastnik);
  EXPECT_TRUE(f.okno->windowFlags() & Qt::Dialog);
  f.okno->show();
  const QPoint stred = f.okno->frameGeometry().center();
  EXPECT_NEAR(stred.x(), vlastnik.frameGeometry().center().x(), 10);
  EXPECT_NEAR(stred.y(), vlastnik.frameGeometry().center().y(), 10);
  // A fixed dialog frame.
  EXPECT_EQ(f.okno->minimumSize(), f.okno->maximumSize());
}

}  // namespace
