// Invoices through the running main window: create, edit, save, close, open again, dates,
// the accounting year and copying from an earlier invoice.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

#include "tests/ProgramVeSlozce.h"

namespace {

struct SProgramem : ::testing::Test {
  ProgramVeSlozce p;

  void SetUp() override { p.spust(); }

  // Ctrl+N answered: the number as proposed, then Yes.
  QString zalozFakturu() {
    QString cislo;
    p.odpovidac.potom(potvrdCislo(&cislo)).stiskni(QMessageBox::Yes);
    QTest::keyClick(p.okno.get(), Qt::Key_N, Qt::ControlModifier);
    return cislo;
  }
  void pis(const QString& pole, const QString& text) {
    QLineEdit* e = p.pole(pole);
    e->setFocus();
    e->selectAll();
    napis(e, text);
  }
  QString rezim() const { return p.najdi<QLabel>("La_Rezim")->text(); }
  QString zDatabaze(const QString& sloupec, int id) {
    return p.hodnota("SELECT " + sloupec + " FROM Faktura WHERE Id = ?", {id}).toString();
  }
  void otevri(const QString& cislo) {
    p.odpovidac.potom(vyberFakturu(cislo));
    QTest::keyClick(p.okno.get(), Qt::Key_O, Qt::ControlModifier);
  }
};

}  // namespace

TEST_F(SProgramem, CreatesNumberedInvoicesWithTheDefaultsOfTheSettings) {
  EXPECT_EQ(zalozFakturu(), "20170001");
  ASSERT_EQ(p.odpovidac.zobrazene().size(), 2u);
  EXPECT_EQ(p.odpovidac.zobrazene()[0].titulek, "Nová faktura");
  const auto& otazka = p.odpovidac.zobrazene()[1];
  EXPECT_EQ(otazka.titulek, "Založení nové faktury");
  EXPECT_EQ(otazka.text, "Opravdu chcete založit novou fakturu s číslem: 20170001 ?");
  EXPECT_EQ(otazka.vychozi, QMessageBox::Yes);

  EXPECT_EQ(p.okno->windowTitle(), "Tarvion - 20170001");
  EXPECT_EQ(rezim(), "[Prohlížení]");
  EXPECT_FALSE(p.najdi<QTabWidget>("PageControl1")->isHidden());
  EXPECT_EQ(QApplication::focusWidget(), p.pole("DBEd_VariabilniSymbol"));
  EXPECT_EQ(p.pole("DBEd_DatumPlneni")->text(), "15.3.2017");
  EXPECT_EQ(p.pole("DBEd_DatumSplatnosti")->text(), "29.3.2017");
  EXPECT_EQ(p.najdi<QComboBox>("DBCBoxFormaUhrady")->currentText(), "PP");
  EXPECT_EQ(p.najdi<QLabel>("DB_Castka")->text(), "0,00");
  EXPECT_EQ(p.najdi<QLabel>("DB_Mena")->text(), "CZK");
  EXPECT_EQ(zDatabaze("DatumVystaveni", 1), "2017-03-15");
  EXPECT_EQ(zDatabaze("Castka", 1), "0");
  EXPECT_TRUE(p.hodnota("SELECT DatumUhrady FROM Faktura WHERE Id = 1").isNull());

  // Commands of the open state.
  EXPECT_FALSE(p.okno->Akce_NovaFaktura->isEnabled());
  EXPECT_FALSE(p.okno->Akce_OtevritFakturu->isEnabled());
  EXPECT_TRUE(p.okno->Akce_ZavritFakturu->isEnabled());
  EXPECT_TRUE(p.okno->Akce_TiskFaktury->isEnabled());
  EXPECT_FALSE(p.okno->Akce_UlozitFakturu->isEnabled());

  p.okno->Akce_ZavritFakturu->trigger();
  EXPECT_EQ(zalozFakturu(), "20170002");
  EXPECT_EQ(zDatabaze("Cislo", 2), "20170002");
}

TEST_F(SProgramem, TheNumberCarriesThePrefixAndTheAccountingYearNotTheCalendarOne) {
  p.okno.reset();
  p.ini("[Nastaveni]\r\nAktualniRok=2016\r\nprefix=A'B\r\nVychoziDobaSplatnosti=14\r\n"
        "VychoziMena=EUR\r\nVychoziFormaUhrady=H\r\n");
  Hodiny::nastav(QDateTime(QDate(2017, 1, 2), QTime(9, 0)));
  p.spust();
  EXPECT_EQ(zalozFakturu(), "A'B20160001");
  EXPECT_EQ(zDatabaze("Cislo", 1), "A'B20160001");
  EXPECT_EQ(zDatabaze("DatumPlneni", 1), "2017-01-02");
  EXPECT_EQ(zDatabaze("DatumSplatnosti", 1), "2017-01-16");
  EXPECT_EQ(zDatabaze("Mena", 1), "EUR");
  EXPECT_EQ(zDatabaze("FormaUhrady", 1), "H");
  p.okno->Akce_ZavritFakturu->trigger();
  EXPECT_EQ(zalozFakturu(), "A'B20160002");
}

TEST_F(SProgramem, ProposalFollowsTheNewestInvoiceOfTheYear) {
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('FA20170007')");
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('FA20180041')");
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('FA20170005')");
  QString cislo;
  p.odpovidac.potom(potvrdCislo(&cislo)).stiskni(QMessageBox::No);
  p.okno->Akce_NovaFaktura->trigger();
  EXPECT_EQ(cislo, "20170006");  // the newest by creation, not the highest

  // A newest number from elsewhere whose tail is not a sequence starts again at 1.
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('X2017ABCD')");
  p.sql("UPDATE Faktura SET Cislo = 'Y2017ABCD' WHERE Cislo = 'X2017ABCD'");
  p.odpovidac.potom(potvrdCislo(&cislo)).stiskni(QMessageBox::No);
  p.okno->Akce_NovaFaktura->trigger();
  EXPECT_EQ(cislo, "20170001");
  EXPECT_EQ(p.odpovidac.nevyrizene(), 0);
}

TEST_F(SProgramem, AnExistingNumberOrANoCreatesNothing) {
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('20170001')");
  p.sql("UPDATE Faktura SET Cislo = '20170002' WHERE Id = 1");
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('20170001')");
  // The newest is ...0001, so the proposal 0002 is taken.
  p.odpovidac.potom(potvrdCislo()).stiskni(QMessageBox::Ok);
  p.okno->Akce_NovaFaktura->trigger();
  EXPECT_EQ(p.odpovidac.posledni().text,
            "Faktura s číslem 20170002 již existuje. Zadejte jiné číslo.");

  p.odpovidac
      .potom([](QDialog& d) {
        auto* cislo = d.findChild<QLineEdit*>("Ed_Cislo");
        cislo->selectAll();
        QTest::keyClicks(cislo, "5");
        return stiskniOk(d);
      })
      .stiskni(QMessageBox::No);
  p.okno->Akce_NovaFaktura->trigger();
  EXPECT_EQ(p.odpovidac.posledni().text, "Opravdu chcete založit novou fakturu s číslem: 20170005 ?");
  p.odpovidac.odmitni();
  p.okno->Akce_NovaFaktura->trigger();
  EXPECT_EQ(p.hodnota("SELECT Count(*) FROM Faktura").toInt(), 2);
  EXPECT_EQ(p.okno->windowTitle(), "Tarvion");
}

TEST_F(SProgramem, EditSaveCloseAndOpenAgainShowsWhatWasSaved) {
  zalozFakturu();
  const QStringList pole{"DBEd_VariabilniSymbol", "DBEd_Objednavka", "DBEd_Prijemce",
                         "DBEd_Vyskladneni",      "DBEd_Mena",       "DBEd_KodOdberatele",
                         "DBEd_Nazev1",           "DBEd_Nazev2",     "DBEd_OdpovednaOsoba",
                         "DBEd_UliceCislo",       "DBEd_PSC",        "DBEd_Mesto",
                         "DBEd_IC",               "DBEd_DIC",        "DBEd_Komentar1",
                         "DBEd_Komentar2"};
  QStringList zapsane;
  for (const QString& nazev : pole) {
    const QString text = nazev == "DBEd_Mena" ? "EUR" : nazev == "DBEd_PSC" ? "110 00" :
                         nazev.mid(5, 4) + "'ř";
    pis(nazev, text);
    zapsane << text;
  }
  pis("DBEd_Uhrada", "1 234,5");
  QComboBox* forma = p.najdi<QComboBox>("DBCBoxFormaUhrady");
  forma->lineEdit()->selectAll();
  QTest::keyClicks(forma->lineEdit(), "H");
  EXPECT_EQ(rezim(), "[Editace]");
  EXPECT_TRUE(p.okno->Akce_UlozitFakturu->isEnabled());
  EXPECT_FALSE(p.okno->Akce_TiskFaktury->isEnabled());
  EXPECT_FALSE(p.najdi("Tl_PMenuTisk")->isEnabled());

  QTest::keyClick(p.pole("DBEd_Uhrada"), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(rezim(), "[Prohlížení]");
  EXPECT_TRUE(p.okno->Akce_TiskFaktury->isEnabled());
  p.okno->Akce_ZavritFakturu->trigger();
  EXPECT_TRUE(p.odpovidac.zobrazene().size() == 2u);  // closing after a save asks nothing

  otevri("20170001");
  ASSERT_EQ(p.okno->windowTitle(), "Tarvion - 20170001");
  for (int i = 0; i < pole.size(); ++i) EXPECT_EQ(p.pole(pole[i])->text(), zapsane[i]) << pole[i].toStdString();
  EXPECT_EQ(p.pole("DBEd_Uhrada")->text(), QString("1 234,50").replace(' ', QChar(0xA0)));
  EXPECT_EQ(forma->currentText(), "H");
  EXPECT_EQ(zDatabaze("Uhrada", 1), "1234.5");
}

TEST_F(SProgramem, TextLongerThanItsColumnCannotBeTyped) {
  zalozFakturu();
  pis("DBEd_PSC", "123456789");
  pis("DBEd_IC", "1234567890");
  p.okno->Akce_UlozitFakturuExecute();
  EXPECT_EQ(zDatabaze("PSC", 1), "123456");
  EXPECT_EQ(zDatabaze("IC", 1), "12345678");
}

TEST_F(SProgramem, AnAmountThatIsNotANumberIsRefusedAndNothingIsLost) {
  zalozFakturu();
  pis("DBEd_Nazev1", "Odběratel");
  pis("DBEd_Uhrada", "abc");
  p.odpovidac.stiskni(QMessageBox::Ok);
  p.okno->Akce_UlozitFakturu->trigger();
  EXPECT_EQ(p.odpovidac.posledni().text, "„abc“ není platné číslo.");
  EXPECT_EQ(rezim(), "[Editace]");
  EXPECT_EQ(p.pole("DBEd_Uhrada")->text(), "abc");
  pis("DBEd_Uhrada", "12,5");
  p.okno->Akce_UlozitFakturu->trigger();
  EXPECT_EQ(zDatabaze("Nazev1", 1), "Odběratel");
  EXPECT_EQ(zDatabaze("Uhrada", 1), "12.5");
}

TEST_F(SProgramem, ClosingAnInvoiceWithPendingChangesAsks) {
  zalozFakturu();
  pis("DBEd_Nazev1", "Nový");
  p.odpovidac.stiskni(QMessageBox::Cancel);
  p.okno->Akce_ZavritFakturu->trigger();
  EXPECT_EQ(p.odpovidac.posledni().text,
            "Formulář je v režimu editace. Pokud byly hodnoty záznamu změněny, požadujete jejich "
            "uložení?");
  EXPECT_EQ(p.odpovidac.posledni().titulek, "Pozor!");
  EXPECT_EQ(rezim(), "[Editace]");
  EXPECT_EQ(p.pole("DBEd_Nazev1")->text(), "Nový");

  p.odpovidac.stiskni(QMessageBox::No);
  p.okno->Akce_ZavritFakturu->trigger();
  EXPECT_EQ(p.okno->windowTitle(), "Tarvion");
  EXPECT_EQ(zDatabaze("Nazev1", 1), "");

  otevri("20170001");
  pis("DBEd_Nazev1", "Uložený");
  p.odpovidac.stiskni(QMessageBox::Yes);
  p.okno->Akce_ZavritFakturu->trigger();
  EXPECT_EQ(zDatabaze("Nazev1", 1), "Uložený");

  otevri("20170001");
  pis("DBEd_Nazev1", "Storno");
  p.okno->Akce_Storno->trigger();
  EXPECT_EQ(p.pole("DBEd_Nazev1")->text(), "Uložený");
  EXPECT_EQ(rezim(), "[Prohlížení]");
}

TEST_F(SProgramem, DateButtonsSetWholeDaysAndTheClearButtonsEmpty) {
  zalozFakturu();
  // An empty payment date starts at today, and confirming today stores it.
  p.odpovidac.potom(zvolDatum(QDate(2017, 3, 15)));
  QTest::mouseClick(p.najdi<QPushButton>("Tl_Datum4"), Qt::LeftButton);
  EXPECT_EQ(p.odpovidac.posledni().titulek, "Datum");
  EXPECT_EQ(p.pole("DBEd_DatumUhrady")->text(), "15.3.2017");
  EXPECT_EQ(rezim(), "[Editace]");
  p.okno->Akce_UlozitFakturuExecute();
  EXPECT_EQ(zDatabaze("DatumUhrady", 1), "2017-03-15");

  // Confirming the date a field already holds changes nothing.
  p.odpovidac.potom(zvolDatum(QDate(2017, 3, 15)));
  QTest::mouseClick(p.najdi<QPushButton>("Tl_Datum1"), Qt::LeftButton);
  EXPECT_EQ(rezim(), "[Prohlížení]");
  p.odpovidac.potom(zvolDatum(QDate(2017, 4, 30)));
  QTest::mouseClick(p.najdi<QPushButton>("Tl_Datum3"), Qt::LeftButton);
  EXPECT_EQ(p.pole("DBEd_DatumSplatnosti")->text(), "30.4.2017");
  p.odpovidac.odmitni();
  QTest::mouseClick(p.najdi<QPushButton>("Tl_Datum2"), Qt::LeftButton);
  p.okno->Akce_UlozitFakturuExecute();
  EXPECT_EQ(zDatabaze("DatumSplatnosti", 1), "2017-04-30");
  EXPECT_EQ(zDatabaze("DatumVystaveni", 1), "2017-03-15");

  pis("DBEd_Uhrada", "100");
  p.okno->Akce_UlozitFakturuExecute();
  QTest::mouseClick(p.najdi<QPushButton>("Tl_Datum4Del"), Qt::LeftButton);
  EXPECT_EQ(rezim(), "[Editace]");
  EXPECT_FALSE(p.okno->Akce_TiskFaktury->isEnabled());
  QTest::mouseClick(p.najdi<QPushButton>("Tl_UhradaDel"), Qt::LeftButton);
  EXPECT_EQ(p.pole("DBEd_DatumUhrady")->text(), "");
  EXPECT_EQ(p.pole("DBEd_Uhrada")->text(), "");
  p.okno->Akce_UlozitFakturuExecute();
  EXPECT_TRUE(p.hodnota("SELECT DatumUhrady FROM Faktura WHERE Id = 1").isNull());
  EXPECT_TRUE(p.hodnota("SELECT Uhrada FROM Faktura WHERE Id = 1").isNull());
}

TEST_F(SProgramem, ADatabaseErrorOnSaveIsShownAndTheHeaderStaysInEditMode) {
  zalozFakturu();
  pis("DBEd_Nazev1", "Změna");
  p.sql("CREATE TRIGGER zamek BEFORE UPDATE ON Faktura BEGIN SELECT RAISE(ABORT, 'zamčeno'); END");
  p.odpovidac.stiskni(QMessageBox::Ok);
  p.okno->Akce_UlozitFakturu->trigger();
  EXPECT_TRUE(p.odpovidac.posledni().text.contains("zamčeno"));
  EXPECT_EQ(rezim(), "[Editace]");
  EXPECT_EQ(p.pole("DBEd_Nazev1")->text(), "Změna");
}

TEST_F(SProgramem, OpeningAYearWithoutInvoicesSaysSo) {
  p.odpovidac.stiskni(QMessageBox::Ok);
  p.okno->Akce_OtevritFakturu->trigger();
  EXPECT_EQ(p.odpovidac.posledni().text, "V aktuálním roce 2017 není nalezena ani jedna faktura.");
  EXPECT_EQ(p.odpovidac.posledni().ikona, QMessageBox::NoIcon);
}

TEST_F(SProgramem, TheYearIsSetThroughThePickerAndWrittenAtOnce) {
  p.odpovidac.potom([](QDialog& d) {
    auto* rok = d.findChild<QComboBox*>("CBox_Rok");
    rok->setCurrentIndex(rok->findText("2016"));
    return stiskniOk(d);
  });
  QTest::mouseClick(p.najdi<QLabel>("La_AktualniObdobi"), Qt::LeftButton);
  EXPECT_EQ(p.odpovidac.posledni().titulek, "Nastavte rok");
  EXPECT_EQ(p.najdi<QLabel>("La_AktualniObdobi")->text(), "Období 2016");
  EXPECT_EQ(p.okno->Nastaveni.AktualniRok, 2016);
  QFile ini(p.cesta("Tarvion.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("AktualniRok=2016"));

  // Cancelling keeps the year.
  p.odpovidac.odmitni();
  p.okno->Akce_NastaveniRoku->trigger();
  EXPECT_EQ(p.okno->Nastaveni.AktualniRok, 2016);

  // With an invoice open the label refuses, although its menu command is disabled.
  zalozFakturu();
  p.odpovidac.stiskni(QMessageBox::Ok);
  QTest::mouseClick(p.najdi<QLabel>("La_AktualniObdobi"), Qt::LeftButton);
  EXPECT_EQ(p.odpovidac.posledni().text, "Nelze měnit období pokud je otevřena faktura.");
  EXPECT_FALSE(p.okno->Akce_NastaveniRoku->isEnabled());
}

TEST_F(SProgramem, YearListsAndCounts) {
  EXPECT_TRUE(p.okno->SeznamRoku().isEmpty());
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('FA20160001')");
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('FA20180001')");
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('20170001')");
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('FA20170002')");
  EXPECT_EQ(p.okno->SeznamRoku().join(","), "2016,2017,2018");
  EXPECT_EQ(p.okno->PocetFakturRoku(2017), 2);
  EXPECT_EQ(p.okno->PocetFakturRoku(2019), 0);
  QMenu menu;
  QStringList zvolene;
  ASSERT_TRUE(p.okno->NaplnitMenuRoku(&menu, 2, [&](QAction* a) { zvolene << a->text(); }));
  QStringList polozky;
  for (QAction* a : menu.actions()) polozky << a->objectName() + ":" + a->text() + ":" + a->data().toString();
  EXPECT_EQ(polozky.join(","), "PMenu_Rok_2018:2018:2,PMenu_Rok_2017:2017:2,PMenu_Rok_2016:2016:2");
  menu.actions()[1]->trigger();
  EXPECT_EQ(zvolene, QStringList{"2017"});
}

namespace {

// An earlier invoice with a customer and three items, and a new one open.
struct SVzorem : SProgramem {
  void SetUp() override {
    SProgramem::SetUp();
    p.sql("INSERT INTO Faktura (Cislo, VariabilniSymbol, Prijemce, Vyskladneni, FormaUhrady, "
          "DatumUhrady, Mena, KodOdberatele, Nazev1, Nazev2, OdpovednaOsoba, UliceCislo, PSC, "
          "Mesto, Stat, IC, DIC, Komentar1, Komentar2, Castka, Uhrada) VALUES ('FA20160009', "
          "'999', 'Sklad', 'Brno', 'H', '2016-05-01', 'EUR', 'K1', 'O''Brien s.r.o.', 'Pobočka', "
          "'Jan Novák', 'Dlouhá 5', '60200', 'Brno', 'Česko', '12345678', 'CZ12345678', "
          "'Děkujeme', 'Druhý', 1236, 1236)");
    for (const char* polozka :
         {"(1, 'A', 'Práce', 'hod', 2, 266.65, 533.30, 21, 111.99, 533.30, 0)",
          "(1, 'B', 'Materiál', 'ks', 1, 508.75, 508.75, 15, 76.31, 508.75, 0)",
          "(1, 'MSG', 'Poznámka', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 1)",
          "(1, 'C', 'Doprava', 'km', 1, 193.45, 193.45, 10, 19.35, 193.45, 0)"})
      p.sql(QString("INSERT INTO Polozky (Id_Faktura, Kod, OznaceniDodavky, MerJednotka, "
                    "PocetMJ, CenaMJ, CenaBezDPH, SazbaDPH, DPH, CenaCelkem, PouzeText) VALUES ") +
            polozka);
    zalozFakturu();  // Id 2
    pis("DBEd_VariabilniSymbol", "777");
    p.sql("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky, CenaCelkem) VALUES (2, 'Vlastní', 10.4)");
  }
  // Presses the pattern button, picks the year from the menu and the invoice from the list.
  QStringList prevezmi(const char* tlacitko, const QString& rok, const QString& cislo) {
    QStringList nabidnute;
    QTest::mouseClick(p.najdi<QPushButton>(tlacitko), Qt::LeftButton);
    auto* menu = p.najdi<QMenu>("PMenu_Rok");
    menu->hide();
    p.odpovidac.potom(vyberFakturu(cislo, &nabidnute));
    for (QAction* a : menu->actions())
      if (a->text() == rok) a->trigger();
    return nabidnute;
  }
};

}  // namespace

TEST_F(SVzorem, CustomerCopyTakesTheCustomerAndLeavesItemsAndOwnFields) {
  const QStringList nabidnute = prevezmi("Tl_VybratOdberatele", "2016", "FA20160009");
  EXPECT_EQ(nabidnute, QStringList{"FA20160009"});
  EXPECT_EQ(p.odpovidac.posledni().titulek, "Otevřít fakturu, rok 2016");
  EXPECT_EQ(rezim(), "[Prohlížení]");
  EXPECT_EQ(zDatabaze("Nazev1", 2), "O'Brien s.r.o.");
  EXPECT_EQ(zDatabaze("Stat", 2), "Česko");
  EXPECT_EQ(zDatabaze("FormaUhrady", 2), "H");
  EXPECT_EQ(zDatabaze("Komentar2", 2), "Druhý");
  EXPECT_EQ(zDatabaze("VariabilniSymbol", 2), "777");  // pending edit posted first, kept
  EXPECT_EQ(zDatabaze("Cislo", 2), "20170001");
  EXPECT_EQ(zDatabaze("DatumPlneni", 2), "2017-03-15");
  EXPECT_EQ(zDatabaze("DatumUhrady", 2), "");
  EXPECT_EQ(zDatabaze("Uhrada", 2), "");
  EXPECT_EQ(p.hodnota("SELECT Count(*) FROM Polozky WHERE Id_Faktura = 2").toInt(), 1);
  EXPECT_EQ(zDatabaze("Castka", 2), "10");  // the own items' total, rounded
  EXPECT_EQ(p.pole("DBEd_Nazev1")->text(), "O'Brien s.r.o.");
}

TEST_F(SVzorem, WholeInvoiceCopyReplacesTheItemsAndRecountsTheTotal) {
  prevezmi("Tl_VybratVzorFaktury", "2016", "FA20160009");
  db::DataSet polozky(p.okno->ADOConnection1);
  polozky.nastavSql("SELECT * FROM Polozky WHERE Id_Faktura = 2 ORDER BY Id");
  polozky.otevri();
  QStringList kopie;
  for (polozky.prvni(); !polozky.eof(); polozky.dalsi())
    kopie << polozky.text("Kod") + "/" + polozky.text("CenaCelkem") + "/" +
                 polozky.text("SazbaDPH") + "/" + polozky.text("PouzeText");
  EXPECT_EQ(kopie.join(" "), "A/533.3/21/0 B/508.75/15/0 MSG///1 C/193.45/10/0");
  // 1235.50 rounds to whole units as 1236 (an exact half goes to the even neighbour).
  EXPECT_EQ(zDatabaze("Castka", 2), "1236");
  EXPECT_EQ(p.najdi<QLabel>("DB_Castka")->text(), QString("1 236,00").replace(' ', QChar(0xA0)));
  EXPECT_EQ(p.najdi<QLabel>("La_CelkemPolozek")->text(), "4");
  EXPECT_EQ(p.najdi<QLabel>("La_CelkemFaktura")->text(), "1235,50");
  EXPECT_EQ(p.hodnota("SELECT Count(*) FROM Polozky WHERE Id_Faktura = 1").toInt(), 4);
}

TEST_F(SVzorem, ThePatternListNeverOffersTheOpenInvoice) {
  p.okno->Akce_UlozitFakturuExecute();
  p.sql("INSERT INTO Faktura (Cislo) VALUES ('20170099')");
  const QStringList nabidnute = prevezmi("Tl_VybratVzorFaktury", "2017", "");
  EXPECT_EQ(nabidnute, QStringList{"20170099"});
  // Nothing chosen: nothing copied, the own item stays.
  EXPECT_EQ(p.hodnota("SELECT Count(*) FROM Polozky WHERE Id_Faktura = 2").toInt(), 1);
}

TEST_F(SVzorem, AFailedDeleteLeavesTheInvoiceConsistentAndSaysSo) {
  p.sql("CREATE TRIGGER bez_mazani BEFORE DELETE ON Polozky BEGIN SELECT RAISE(ABORT, 'ne'); END");
  prevezmi("Tl_VybratVzorFaktury", "2016", "FA20160009");
  bool varovani = false;
  for (const auto& z : p.odpovidac.zobrazene())
    if (z.titulek == "Chyba" && z.ikona == QMessageBox::Warning &&
        z.text == "Při mazání původních záznamů faktury nastala neočekávaná chyba. Vložení údajů "
                  "z vybrané faktury nelze dokončit.")
      varovani = true;
  EXPECT_TRUE(varovani);
  EXPECT_EQ(p.hodnota("SELECT Count(*) FROM Polozky WHERE Id_Faktura = 2").toInt(), 1);
  EXPECT_EQ(zDatabaze("Castka", 2), "10");
  EXPECT_EQ(rezim(), "[Prohlížení]");
}

TEST_F(SProgramem, PatternButtonsWithoutAnyYearSayThereIsNone) {
  zalozFakturu();
  p.sql("UPDATE Faktura SET Cislo = 'X' WHERE Id = 1");
  p.odpovidac.stiskni(QMessageBox::Ok);
  QTest::mouseClick(p.najdi<QPushButton>("Tl_VybratOdberatele"), Qt::LeftButton);
  // "X" still yields a (short) year text, so a menu appears; only an empty table has none.
  p.najdi<QMenu>("PMenu_Rok")->hide();
  p.sql("DELETE FROM Faktura");
  QTest::mouseClick(p.najdi<QPushButton>("Tl_VybratOdberatele"), Qt::LeftButton);
  EXPECT_EQ(p.odpovidac.posledni().text, "Není platný rok.");
}

TEST_F(SProgramem, AYearTheSettingsFileCannotTakeStaysForTheRunAndTheUserIsTold) {
  p.okno.reset();
  ASSERT_TRUE(QDir(p.slozka.path()).mkdir("Tarvion.ini"));  // in the way of the file
  p.spust();
  p.odpovidac
      .potom([](QDialog& d) {
        auto* rok = d.findChild<QComboBox*>("CBox_Rok");
        rok->setCurrentIndex(rok->findText("2016"));
        return stiskniOk(d);
      })
      .stiskni(QMessageBox::Ok);
  p.okno->Akce_NastaveniRoku->trigger();
  EXPECT_EQ(p.odpovidac.posledni().text,
            "Unable to write to " + p.cesta("Tarvion.ini"));
  EXPECT_EQ(p.najdi<QLabel>("La_AktualniObdobi")->text(), "Období 2016");
  EXPECT_EQ(p.okno->Nastaveni.AktualniRok, 2016);
}

TEST_F(SProgramem, TheTotalFollowsTheItemsRoundedAsTheSettingsSay) {
  zalozFakturu();
  p.okno->Akce_UlozitFakturuExecute();
  const struct {
    int zaokrouhleni;
    const char* forma;
    double polozky;
    const char* castka;
  } pripady[] = {
      {0, "PP", 1234.50, "1234"},    {1, "PP", 1234.50, "1234.5"}, {1, "H", 1234.50, "1234"},
      {1, "pp", 1234.50, "1234"},    {2, "H", 1234.50, "1234.5"},  {0, "PP", 1235.50, "1236"},
      {0, "H", 100.50, "100"},       {0, "H", 101.50, "102"},      {7, "PP", 55.0, "102"},
  };
  for (const auto& c : pripady) {
    p.okno->Nastaveni.ZaokrouhlFakturu = c.zaokrouhleni;
    p.sql("UPDATE Faktura SET FormaUhrady = ? WHERE Id = 1", {c.forma});
    p.okno->ZobrazFakturu(-1, false);
    p.okno->ZobrazFakturu(1, true);
    p.sql("DELETE FROM Polozky");
    // Split so that the sum is not exact in binary.
    p.sql("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky, CenaCelkem) VALUES (1, 'a', ?)",
          {c.polozky - 21.12});
    p.sql("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky, CenaCelkem) VALUES (1, 'b', 21.12)");
    p.sql("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky, PouzeText) VALUES (1, 'text', 1)");
    p.okno->PrepocitejCastku();
    EXPECT_EQ(zDatabaze("Castka", 1), c.castka)
        << c.zaokrouhleni << " " << c.forma << " " << c.polozky;
    EXPECT_EQ(rezim(), "[Prohlížení]");
  }
}

TEST_F(SProgramem, TheItemPageIsLaidOutForVatPayersAndOthers) {
  zalozFakturu();
  p.sql("INSERT INTO Polozky (Id_Faktura, Kod, OznaceniDodavky, CenaBezDPH, SazbaDPH, DPH, "
        "CenaCelkem) VALUES (1, 'A', 'Práce', 100, 21, 21, 121)");
  for (bool platce : {false, true}) {
    p.okno->Nastaveni.Platce = platce;
    p.okno->ZobrazFakturu(-1, false);
    p.okno->ZobrazFakturu(1, true);
    auto* mrizka = p.najdi<QTableView>("DBGrid1");
    QStringList titulky;
    for (int i = 0; i < mrizka->model()->columnCount(); ++i)
      titulky << mrizka->model()->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(titulky.join("|"),
              platce ? "Kód|Označení dodávky|MJ|Počet MJ|Cena MJ|Cena bez DPH|Sazba|DPH|Cena celkem"
                     : "Kód|Označení dodávky|MJ|Počet MJ|Cena MJ|Cena celkem");
    EXPECT_EQ(mrizka->columnWidth(1), platce ? 240 : 430);
    EXPECT_EQ(p.najdi<QLabel>("La_SADPH")->isHidden(), !platce);
    EXPECT_EQ(p.najdi<QLabel>("La_CelkemFaktura")->text(), "121,00");
    EXPECT_EQ(p.najdi<QLabel>("La_Poradi")->text(), "1");
    EXPECT_EQ(p.najdi<QLabel>("La_CelkemPolozek")->text(), "1");
    EXPECT_EQ(p.najdi<QLabel>("DB_Mena2")->text(), "CZK");
  }
  EXPECT_EQ(p.najdi<QLabel>("La_SADPH")->text(), "21,00");
  EXPECT_EQ(p.najdi<QLabel>("La_APSazbaDPH")->text(), "21");
}
