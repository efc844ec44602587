#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/db/DataSet.h"
#include "common/Dialogy.h"
#include "invoices/Otevrit_f.h"
#include "tests/DocasnaDatabaze.h"
#include "tests/SkriptovanyOdpovidac.h"

static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

struct Faktura {
  QString cislo;
  QVariant vystaveni, nazev, castka, splatnost, uhrada, mena;
};

// A database with invoices, the scratch query over it and the dialog.
class OtevritTest : public ::testing::Test {
 protected:
  DocasnaDatabaze databaze;
  db::DataSet funkce{databaze.pripojeni};
  std::unique_ptr<TOtevrit> okno;

  qint64 vloz(const Faktura& f) {
    databaze.pripojeni.proved(
        "INSERT INTO Faktura (Cislo, DatumVystaveni, Nazev1, Castka, DatumSplatnosti, Uhrada, "
        "Mena) VALUES (?, ?, ?, ?, ?, ?, ?)",
        {f.cislo, f.vystaveni, f.nazev, f.castka, f.splatnost, f.uhrada, f.mena});
    return databaze.pripojeni.posledniVlozeneId();
  }
  qint64 vloz(const QString& cislo) { return vloz(Faktura{cislo, {}, {}, {}, {}, {}, {}}); }

  void otevri(int rok, const QString& podminka = {}) {
    okno = std::make_unique<TOtevrit>(nullptr, funkce);
    okno->Rok = rok;
    okno->DalsiPodminka = podminka;
    okno->show();
  }

  QTreeWidget* seznam() const { return okno->findChild<QTreeWidget*>("ListView1"); }
  QPushButton* ok() const { return okno->findChild<QPushButton*>("Tl_Ok"); }
  QPushButton* storno() const { return okno->findChild<QPushButton*>("Tl_Storno"); }
  QTreeWidgetItem* radek(int i) const { return seznam()->topLevelItem(i); }

  QStringList cisla() const {
    QStringList c;
    for (int i = 0; i < seznam()->topLevelItemCount(); ++i) c << radek(i)->text(0);
    return c;
  }
  QStringList bunky(int i) const {
    QStringList b;
    for (int s = 0; s < seznam()->columnCount(); ++s) b << radek(i)->text(s);
    return b;
  }

  QPoint stred(int i) const { return seznam()->visualItemRect(radek(i)).center(); }
  // A point of the list below the last row.
  QPoint podRadky() const {
    const QRect posledni = seznam()->visualItemRect(radek(seznam()->topLevelItemCount() - 1));
    const QPoint p(20, seznam()->viewport()->height() - 5);
    EXPECT_GT(p.y(), posledni.bottom());
    return p;
  }
  void klikni(const QPoint& kde) const {
    QTest::mouseClick(seznam()->viewport(), Qt::LeftButton, {}, kde);
  }
  void dvojklik(const QPoint& kde) const {
    QTest::mouseDClick(seznam()->viewport(), Qt::LeftButton, {}, kde);
  }
};

TEST_F(OtevritTest, OknoASloupce) {
  vloz("FA20160001");
  okno = std::make_unique<TOtevrit>(nullptr, funkce);
  EXPECT_EQ(okno->objectName(), "Otevrit");
  EXPECT_EQ(okno->VybraneId, 0);
  EXPECT_FALSE(ok()->isEnabled());
  EXPECT_TRUE(ok()->isDefault());
  EXPECT_EQ(ok()->text(), "Ok");
  EXPECT_EQ(storno()->text(), "Storno");
  EXPECT_EQ(okno->minimumSize(), okno->maximumSize());

  okno->Rok = 2016;
  okno->show();
  EXPECT_EQ(okno->windowTitle(), u8("Otevřít fakturu, rok 2016"));
  EXPECT_FALSE(ok()->isEnabled());

  QTreeWidget* lv = seznam();
  ASSERT_NE(lv, nullptr);
  const struct {
    const char* titulek;
    bool vpravo;
    int sirka;
  } sloupce[] = {{"Číslo", false, 150},    {"Datum", true, 70},     {"Odběratel", false, 220},
                 {"Celkem", true, 80},     {"Splatnost", true, 70}, {"Uhrazeno", true, 70},
                 {"Měna", false, 50}};
  ASSERT_EQ(lv->columnCount(), 7);
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lv->headerItem()->text(i), u8(sloupce[i].titulek));
    // Date columns widen where the font needs it to show a whole date.
    if (i == 1 || i == 4) {
      EXPECT_GE(lv->columnWidth(i), sloupce[i].sirka);
      EXPECT_GE(lv->columnWidth(i), lv->fontMetrics().horizontalAdvance("00.00.0000"));
    } else {
      EXPECT_EQ(lv->columnWidth(i), sloupce[i].sirka);
    }
    const Qt::Alignment zarovnani = Qt::Alignment(lv->headerItem()->textAlignment(i));
    EXPECT_EQ(bool(zarovnani & Qt::AlignRight), sloupce[i].vpravo);
    EXPECT_EQ(bool(Qt::Alignment(radek(0)->textAlignment(i)) & Qt::AlignRight),
              sloupce[i].vpravo);
  }
  EXPECT_FALSE(lv->rootIsDecorated());
  EXPECT_EQ(lv->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(lv->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(lv->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_FALSE(lv->isSortingEnabled());
  EXPECT_FALSE(lv->header()->sectionsClickable());
  // The chosen row stays marked when the list has no focus.
  EXPECT_EQ(lv->palette().color(QPalette::Inactive, QPalette::Highlight),
            lv->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(OtevritTest, ObsahBunek) {
  const qint64 plna = vloz(Faktura{"FA20160001", QDate(2016, 3, 1), u8("Dřevo s.r.o."), 1234.5,
                                   QDate(2016, 3, 15), 100, "CZK"});
  const qint64 prazdna = vloz("FA20160002");
  const qint64 velka = vloz(Faktura{"FA20160003", QDate(2016, 12, 31), "X", 1234567.891,
                                    QDate(2017, 1, 14), 0.005, "EUR"});
  const qint64 zaporna = vloz(Faktura{"FA20160004", {}, "", -12.3, {}, 12.3, ""});
  otevri(2016);

  ASSERT_EQ(seznam()->topLevelItemCount(), 4);
  EXPECT_EQ(bunky(0), (QStringList{"FA20160001", "01.03.2016", u8("Dřevo s.r.o."), "1234,50",
                                   "15.03.2016", "100,00", "CZK"}));
  EXPECT_EQ(bunky(1), (QStringList{"FA20160002", "", "", "0,00", "", "0,00", ""}));
  // No thousands separator in amounts.
  EXPECT_EQ(bunky(2), (QStringList{"FA20160003", "31.12.2016", "X", "1234567,89", "14.01.2017",
                                   "0,01", "EUR"}));
  EXPECT_EQ(bunky(3), (QStringList{"FA20160004", "", "", "-12,30", "", "12,30", ""}));
  EXPECT_EQ(radek(0)->data(0, Qt::UserRole).toLongLong(), plna);
  EXPECT_EQ(radek(1)->data(0, Qt::UserRole).toLongLong(), prazdna);
  EXPECT_EQ(radek(2)->data(0, Qt::UserRole).toLongLong(), velka);
  EXPECT_EQ(radek(3)->data(0, Qt::UserRole).toLongLong(), zaporna);
}

TEST_F(OtevritTest, JenFakturyRokuVPoradiZalozeni) {
  vloz("FA20160009");
  vloz("FA20170001");   // another year
  vloz("20160002");     // no prefix
  vloz("99920160003");  // a prefix ending in digits
  vloz("2016");         // shorter than eight: its first four count
  vloz("2016AB");
  vloz("2016123");
  vloz("A2016");        // first four "A201"
  vloz("FA201600001");  // the year sits before the last four, here "2016" is not it
  vloz("20171602016");  // ... and here it is "1602"
  vloz("FA20150001");
  vloz("FA20160001");
  otevri(2016);
  EXPECT_EQ(cisla(), (QStringList{"FA20160009", "20160002", "99920160003", "2016", "2016AB",
                                  "2016123", "FA20160001"}));

  otevri(2017);
  EXPECT_EQ(okno->windowTitle(), u8("Otevřít fakturu, rok 2017"));
  EXPECT_EQ(cisla(), (QStringList{"FA20170001"}));

  otevri(2030);
  EXPECT_EQ(seznam()->topLevelItemCount(), 0);
}

TEST_F(OtevritTest, DalsiPodminkaVynechaFakturu) {
  vloz("FA20160001");
  const qint64 otevrena = vloz("FA20160002");
  vloz("FA20160003");
  otevri(2016, " AND NOT(Id = " + QString::number(otevrena) + ") ");
  EXPECT_EQ(cisla(), (QStringList{"FA20160001", "FA20160003"}));
  for (int i = 0; i < seznam()->topLevelItemCount(); ++i)
    EXPECT_NE(radek(i)->data(0, Qt::UserRole).toLongLong(), otevrena);
}

TEST_F(OtevritTest, ApostrofySeZobraziJakJsou) {
  vloz(Faktura{"O'20160001", {}, "O'Brien & syn 'Praha'", {}, {}, {}, {}});
  vloz(Faktura{"FA20160002", {}, "\"Ano\"; --", {}, {}, {}, {}});
  otevri(2016);
  EXPECT_EQ(cisla(), (QStringList{"O'20160001", "FA20160002"}));
  EXPECT_EQ(radek(0)->text(2), "O'Brien & syn 'Praha'");
  EXPECT_EQ(radek(1)->text(2), "\"Ano\"; --");
}

TEST_F(OtevritTest, PomocnyDotazZustaneZavreny) {
  vloz("FA20160001");
  okno = std::make_unique<TOtevrit>(nullptr, funkce);
  okno->NaplnSeznam(2016, {});
  EXPECT_FALSE(funkce.jeOtevreny());
  EXPECT_EQ(seznam()->topLevelItemCount(), 1);

  // A failed query leaves it closed too, and the error goes on to the caller.
  EXPECT_THROW(okno->NaplnSeznam(2016, " AND Neexistuje = 1"), db::ChybaDatabaze);
  EXPECT_FALSE(funkce.jeOtevreny());
}

TEST_F(OtevritTest, ChybaDotazuUkonciVyberBezVolby) {
  vloz("FA20160001");
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  okno = std::make_unique<TOtevrit>(nullptr, funkce);
  okno->Rok = 2016;
  okno->DalsiPodminka = " AND Neexistuje = 1";
  okno->show();

  ASSERT_EQ(odp.texty().size(), 1);
  EXPECT_FALSE(odp.texty()[0].isEmpty());
  EXPECT_EQ(odp.posledni().ikona, QMessageBox::Critical);
  EXPECT_FALSE(funkce.jeOtevreny());
  EXPECT_EQ(seznam()->topLevelItemCount(), 0);

  // Closed without a choice once the event loop runs.
  EXPECT_TRUE(okno->isVisible());
  QApplication::processEvents();
  EXPECT_FALSE(okno->isVisible());
  EXPECT_EQ(okno->result(), QDialog::Rejected);
  EXPECT_EQ(okno->VybraneId, 0);
}

TEST_F(OtevritTest, KlavesniceVyberNepovoliOk) {
  vloz("FA20160001");
  vloz("FA20160002");
  otevri(2016);
  seznam()->setFocus();
  QTest::keyClick(seznam(), Qt::Key_Down);
  QTest::keyClick(seznam(), Qt::Key_Down);
  ASSERT_EQ(seznam()->selectedItems().size(), 1);
  EXPECT_FALSE(ok()->isEnabled());
  // Enter goes to the disabled default button: nothing happens.
  QTest::keyClick(seznam(), Qt::Key_Return);
  EXPECT_TRUE(okno->isVisible());
  EXPECT_EQ(okno->VybraneId, 0);
}

TEST_F(OtevritTest, KlikPovoliOkKlikMimoZakaze) {
  vloz("FA20160001");
  const qint64 druha = vloz("FA20160002");
  otevri(2016);

  klikni(stred(1));
  ASSERT_EQ(seznam()->selectedItems().size(), 1);
  EXPECT_EQ(seznam()->selectedItems()[0], radek(1));
  EXPECT_TRUE(ok()->isEnabled());

  // Moving on with the keyboard keeps Ok as the last click left it.
  QTest::keyClick(seznam(), Qt::Key_Up);
  EXPECT_EQ(seznam()->selectedItems()[0], radek(0));
  EXPECT_TRUE(ok()->isEnabled());

  // A click beside the rows leaves nothing chosen.
  klikni(podRadky());
  EXPECT_TRUE(seznam()->selectedItems().isEmpty());
  EXPECT_FALSE(ok()->isEnabled());

  klikni(stred(1));
  QTest::mouseClick(ok(), Qt::LeftButton);
  EXPECT_EQ(okno->result(), QDialog::Accepted);
  EXPECT_FALSE(okno->isVisible());
  EXPECT_EQ(okno->VybraneId, druha);
}

TEST_F(OtevritTest, DvojklikNaRadekPotvrdi) {
  vloz("FA20160001");
  const qint64 druha = vloz("FA20160002");
  vloz("FA20160003");
  SkriptovanyOdpovidac odp;
  odp.potom([this](QDialog& d) {
    dvojklik(stred(1));
    return d.result();
  });
  okno = std::make_unique<TOtevrit>(nullptr, funkce);
  okno->Rok = 2016;

  EXPECT_EQ(Dialogy::spustModalne(*okno), QDialog::Accepted);
  EXPECT_EQ(okno->VybraneId, druha);
  EXPECT_TRUE(odp.texty().isEmpty());
  ASSERT_EQ(odp.zobrazene().size(), 1u);
  EXPECT_EQ(odp.zobrazene()[0].nazev, "Otevrit");
  EXPECT_EQ(odp.zobrazene()[0].titulek, u8("Otevřít fakturu, rok 2016"));
}

TEST_F(OtevritTest, OkBezVyberuOznamiAVratiNulu) {
  vloz("FA20160001");
  vloz("FA20160002");
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  otevri(2016);

  // A row chosen before does not count: the double click's first click clears it.
  klikni(stred(0));
  ASSERT_TRUE(ok()->isEnabled());
  dvojklik(podRadky());

  ASSERT_EQ(odp.texty(), QStringList{u8("Není vybrána žádná položka")});
  EXPECT_EQ(odp.posledni().ikona, QMessageBox::Information);
  EXPECT_EQ(okno->result(), QDialog::Accepted);
  EXPECT_FALSE(okno->isVisible());
  EXPECT_EQ(okno->VybraneId, 0);
}

TEST_F(OtevritTest, DvojklikDoPrazdnehoSeznamu) {
  SkriptovanyOdpovidac odp;
  odp.stiskni(QMessageBox::Ok);
  otevri(2016);
  ASSERT_EQ(seznam()->topLevelItemCount(), 0);
  dvojklik(QPoint(30, 30));
  EXPECT_EQ(odp.texty(), QStringList{u8("Není vybrána žádná položka")});
  EXPECT_EQ(okno->result(), QDialog::Accepted);
  EXPECT_EQ(okno->VybraneId, 0);
}

TEST_F(OtevritTest, StornoAEscNecoNemeni) {
  vloz("FA20160001");
  otevri(2016);
  klikni(stred(0));
  QTest::mouseClick(storno(), Qt::LeftButton);
  EXPECT_EQ(okno->result(), QDialog::Rejected);
  EXPECT_FALSE(okno->isVisible());
  EXPECT_EQ(okno->VybraneId, 0);

  otevri(2016);
  klikni(stred(0));
  QTest::keyClick(seznam(), Qt::Key_Escape);
  EXPECT_EQ(okno->result(), QDialog::Rejected);
  EXPECT_FALSE(okno->isVisible());
  EXPECT_EQ(okno->VybraneId, 0);

  otevri(2016);
  klikni(stred(0));
  okno->close();
  EXPECT_EQ(okno->result(), QDialog::Rejected);
  EXPECT_EQ(okno->VybraneId, 0);
}

TEST_F(OtevritTest, DesetTisicFaktur) {
  databaze.pripojeni.proved("BEGIN");
  for (int i = 1; i <= 10000; ++i)
    vloz(Faktura{QString("FA2016%1").arg(i % 10000, 4, 10, QChar('0')), QDate(2016, 1, 1),
                 QString("Odběratel %1").arg(i), i * 1.25, QDate(2016, 1, 15), {}, "CZK"});
  vloz("FA20170001");
  databaze.pripojeni.proved("COMMIT");
  otevri(2016);
  ASSERT_EQ(seznam()->topLevelItemCount(), 10000);
  EXPECT_EQ(bunky(0), (QStringList{"FA20160001", "01.01.2016", u8("Odběratel 1"), "1,25",
                                   "15.01.2016", "0,00", "CZK"}));
  EXPECT_EQ(radek(9999)->text(0), "FA20160000");
  EXPECT_EQ(radek(9999)->text(3), "12500,00");
  EXPECT_EQ(radek(9999)->data(0, Qt::UserRole).toLongLong(), 10000);
  // All seven columns fit beside the vertical scroll bar.
  QApplication::processEvents();
  EXPECT_TRUE(seznam()->verticalScrollBar()->isVisible());
  EXPECT_EQ(seznam()->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
