// Editing through a dataset: states, notifications, posting at once, failures that keep
// the pending change.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/db/DataSet.h"
#include "tests/DocasnaDatabaze.h"

using db::DataSet;
using db::StavDat;

namespace {

struct SFakturami : ::testing::Test {
  DocasnaDatabaze d;
  DataSet faktura{d.pripojeni, "Faktura"};

  void SetUp() override {
    d.pripojeni.proved("INSERT INTO Faktura (Cislo, Nazev1, Castka) VALUES ('FA20170001', 'A', 0)");
    d.pripojeni.proved("INSERT INTO Faktura (Cislo, Nazev1, Castka) VALUES ('FA20170002', 'B', 0)");
    otevri(1);
  }
  void otevri(int id) {
    faktura.nastavSql("SELECT * FROM Faktura WHERE Id = ?", {id});
    faktura.otevri();
  }
  QVariant zDatabaze(const QString& sloupec, int id) {
    DataSet s(d.pripojeni);
    s.nastavSql("SELECT " + sloupec + " FROM Faktura WHERE Id = ?", {id});
    s.otevri();
    return s.hodnotaRadku(0, 0);
  }
};

}  // namespace

TEST_F(SFakturami, EditPostsAtOnceAndReportsEveryState) {
  QSignalSpy stavy(&faktura, &DataSet::stavZmenen);
  QSignalSpy data(&faktura, &DataSet::dataZmenena);
  EXPECT_EQ(faktura.stav(), StavDat::Prohlizeni);
  faktura.nastav("nazev1", "O'Brien");  // browse switches to edit by itself
  EXPECT_EQ(faktura.stav(), StavDat::Editace);
  faktura.nastav("Castka", 1234.56789);
  faktura.nastav("DatumUhrady", QDate(2017, 3, 5));
  EXPECT_EQ(zDatabaze("Nazev1", 1).toString(), "A");
  faktura.uloz();
  EXPECT_EQ(faktura.stav(), StavDat::Prohlizeni);
  ASSERT_EQ(stavy.count(), 2);
  EXPECT_EQ(stavy[0][0].value<StavDat>(), StavDat::Editace);
  EXPECT_EQ(data[0][0].toString(), "Nazev1");
  EXPECT_EQ(zDatabaze("Nazev1", 1).toString(), "O'Brien");
  EXPECT_EQ(zDatabaze("Castka", 1).toDouble(), 1234.5679);
  EXPECT_EQ(zDatabaze("DatumUhrady", 1).toString(), "2017-03-05");
  EXPECT_EQ(faktura.datum("DATUMUHRADY"), QDate(2017, 3, 5));
  EXPECT_EQ(zDatabaze("Nazev1", 2).toString(), "B");
}

TEST_F(SFakturami, CancelRestoresTheRowAndEmptyTextOrNullClearsAField) {
  faktura.nastav("Nazev1", "změna");
  faktura.zrus();
  EXPECT_EQ(faktura.text("Nazev1"), "A");
  EXPECT_EQ(faktura.stav(), StavDat::Prohlizeni);

  faktura.nastav("Nazev1", "");
  faktura.nastav("DatumUhrady", QVariant());
  faktura.uloz();
  EXPECT_TRUE(zDatabaze("Nazev1", 1).isNull());
  EXPECT_TRUE(faktura.jeNull("DatumUhrady"));
}

TEST_F(SFakturami, AFailedPostKeepsTheChangePendingUntilItIsMended) {
  faktura.nastav("PSC", "1234567");
  EXPECT_THROW(faktura.uloz(), db::ChybaDatabaze);
  EXPECT_EQ(faktura.stav(), StavDat::Editace);
  EXPECT_EQ(faktura.text("PSC"), "1234567");
  faktura.nastav("PSC", "123 45");
  faktura.uloz();
  EXPECT_EQ(zDatabaze("PSC", 1).toString(), "123 45");
}

TEST_F(SFakturami, ChecksRunBeforePostAndCanStopIt) {
  bool spatne = true;
  faktura.pridejKontrolu([&] {
    if (spatne) throw Chyba("Neplatná částka.");
  });
  faktura.nastav("Nazev1", "C");
  EXPECT_THROW(faktura.uloz(), Chyba);
  EXPECT_EQ(faktura.stav(), StavDat::Editace);
  spatne = false;
  faktura.uloz();
  EXPECT_EQ(zDatabaze("Nazev1", 1).toString(), "C");
}

TEST_F(SFakturami, UnknownFieldIsAnErrorNotACrash) {
  EXPECT_THROW(faktura.text("Neexistuje"), db::ChybaDatabaze);
  EXPECT_THROW(faktura.nastav("Neexistuje", 1), db::ChybaDatabaze);
}

TEST(DataSetPolozek, AppendPostDeleteAndNavigation) {
  DocasnaDatabaze d;
  DataSet polozky(d.pripojeni, "Polozky");
  polozky.nastavSql("SELECT * FROM Polozky WHERE Id_Faktura = ? ORDER BY Id", {1});
  polozky.otevri();
  EXPECT_TRUE(polozky.eof());
  EXPECT_EQ(polozky.cisloZaznamu(), 0);

  // Defaults set after insert and the rule run before post, as the item page uses them.
  QObject::connect(&polozky, &DataSet::poVlozeni, [&] {
    polozky.nastav("PouzeText", false);
    polozky.nastav("Id_Faktura", 1);
  });
  QObject::connect(&polozky, &DataSet::predUlozenim, [&] {
    if (polozky.logicke("PouzeText")) polozky.nastav("CenaCelkem", QVariant());
  });

  for (int i = 1; i <= 3; ++i) {
    polozky.pridej();
    EXPECT_EQ(polozky.stav(), StavDat::Vkladani);
    EXPECT_EQ(polozky.cisloZaznamu(), 0);
    polozky.nastav("OznaceniDodavky", QString("Položka %1").arg(i));
    polozky.nastav("CenaCelkem", 10.0 * i);
    polozky.nastav("PouzeText", i == 2);
    polozky.uloz();
    EXPECT_EQ(polozky.cele("Id"), i);
    EXPECT_EQ(polozky.cisloZaznamu(), i);
  }
  EXPECT_TRUE(polozky.jeNull("CenaCelkem") == false);
  polozky.jdiNa(1);
  EXPECT_TRUE(polozky.jeNull("CenaCelkem"));

  // Cancelling an append leaves nothing behind.
  polozky.pridej();
  polozky.zrus();
  EXPECT_EQ(polozky.pocetRadku(), 3);
  EXPECT_EQ(polozky.cisloZaznamu(), 2);

  // An item without its description cannot be saved.
  polozky.pridej();
  EXPECT_THROW(polozky.uloz(), db::ChybaDatabaze);
  polozky.zrus();

  polozky.jdiNa(0);
  polozky.smaz();
  EXPECT_EQ(polozky.pocetRadku(), 2);
  EXPECT_EQ(polozky.text("OznaceniDodavky"), "Položka 2");

  DataSet znovu(d.pripojeni, "Polozky");
  znovu.nastavSql("SELECT * FROM Polozky WHERE Id_Faktura = 1 ORDER BY Id");
  znovu.otevri();
  QStringList popisy;
  for (znovu.prvni(); !znovu.eof(); znovu.dalsi()) popisy << znovu.text("OznaceniDodavky");
  EXPECT_EQ(popisy.join("|"), "Položka 2|Položka 3");
  EXPECT_TRUE(znovu.logicke("PouzeText") == false);
}

TEST(DataSetPolozek, MovingAwayFromAPendingChangePostsIt) {
  DocasnaDatabaze d;
  d.pripojeni.proved("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky) VALUES (1, 'a')");
  d.pripojeni.proved("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky) VALUES (1, 'b')");
  DataSet polozky(d.pripojeni, "Polozky");
  polozky.nastavSql("SELECT * FROM Polozky ORDER BY Id");
  polozky.otevri();
  polozky.nastav("OznaceniDodavky", "A");
  polozky.dalsi();
  DataSet kontrola(d.pripojeni);
  kontrola.nastavSql("SELECT OznaceniDodavky FROM Polozky WHERE Id = 1");
  kontrola.otevri();
  EXPECT_EQ(kontrola.text("OznaceniDodavky"), "A");
}
