// Start-up, the window's commands and keys, and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>

#include "tests/ProgramVeSlozce.h"

namespace {

QByteArray obsah(const QString& cesta) {
  QFile f(cesta);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

void ocekavejBezFaktury(ProgramVeSlozce& p) {
  EXPECT_TRUE(p.najdi<QTabWidget>("PageControl1")->isHidden());
  EXPECT_EQ(p.okno->windowTitle(), "Tarvion");
  for (QAction* a : {p.okno->Akce_NovaFaktura, p.okno->Akce_OtevritFakturu,
                     p.okno->Akce_NastaveniRoku, p.okno->Akce_Konfig})
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  for (QAction* a : {p.okno->Akce_ZavritFakturu, p.okno->Akce_UlozitFakturu, p.okno->Akce_Storno,
                     p.okno->Akce_TiskFaktury, p.okno->Akce_TiskPrijmovehoDokladu})
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  EXPECT_FALSE(p.najdi("Tl_PMenuTisk")->isEnabled());
}

}  // namespace

TEST(Spusteni, FirstStartInAnEmptyFolderCreatesSesAndTheDatabase) {
  ProgramVeSlozce p;
  p.spust();
  EXPECT_TRUE(QFileInfo(p.cesta("Ses")).isDir());
  EXPECT_TRUE(QFileInfo(p.cesta("Tarvion.mdb")).isFile());
  EXPECT_FALSE(QFileInfo::exists(p.cesta("Tarvion.ini")));
  EXPECT_TRUE(p.odpovidac.zobrazene().empty());
  EXPECT_FALSE(p.okno->MaSkoncit());
  EXPECT_EQ(p.najdi<QLabel>("La_AktualniObdobi")->text(), "Období 2017");
  ocekavejBezFaktury(p);
  EXPECT_DOUBLE_EQ(p.okno->KoefDPH1, 0.1736);
  EXPECT_DOUBLE_EQ(p.okno->KoefDPH2, 0.1304);
  EXPECT_DOUBLE_EQ(p.okno->KoefDPH3, 0.0909);
}

TEST(Spusteni, AYearBelow2015IsRaisedInMemoryOnly) {
  ProgramVeSlozce p;
  p.ini("[Nastaveni]\r\nAktualniRok=2012\r\n");
  p.spust();
  EXPECT_EQ(p.najdi<QLabel>("La_AktualniObdobi")->text(), "Období 2015");
  EXPECT_EQ(p.okno->Nastaveni.AktualniRok, 2015);
  EXPECT_TRUE(obsah(p.cesta("Tarvion.ini")).contains("AktualniRok=2012"));
}

TEST(Spusteni, AFileThatIsNotADatabaseEndsTheProgramAndStaysUntouched) {
  ProgramVeSlozce p;
  const QByteArray cizi = "Toto je dopis, ne databáze.\n";
  {
    QFile f(p.cesta("Tarvion.mdb"));
    f.open(QIODevice::WriteOnly);
    f.write(cizi);
  }
  p.spust();
  ASSERT_EQ(p.odpovidac.zobrazene().size(), 1u);
  const auto& z = p.odpovidac.posledni();
  EXPECT_EQ(z.text, "Selhalo připojení k databázi. Aplikace bude ukončena.");
  EXPECT_EQ(z.titulek, "Tarvion");
  EXPECT_EQ(z.ikona, QMessageBox::Warning);
  EXPECT_TRUE(p.okno->MaSkoncit());
  EXPECT_EQ(obsah(p.cesta("Tarvion.mdb")), cizi);
}

TEST(Spusteni, WithoutTheTemplateFolderTheWindowOpensWithoutData) {
  ProgramVeSlozce p;
  {
    QFile f(p.cesta("Ses"));  // a file in the way of the folder
    f.open(QIODevice::WriteOnly);
  }
  p.spust();
  ASSERT_EQ(p.odpovidac.zobrazene().size(), 1u);
  EXPECT_EQ(p.odpovidac.posledni().text,
            "Nebyl nalezen adresář Ses a pokus o jeho založení selhal.\n"
            "Chybu napravíte přeinstalací programu.");
  EXPECT_EQ(p.odpovidac.posledni().ikona, QMessageBox::Information);
  EXPECT_FALSE(p.okno->MaSkoncit());
  EXPECT_FALSE(QFileInfo::exists(p.cesta("Tarvion.mdb")));
  ocekavejBezFaktury(p);
  // A command then reports the missing database instead of failing silently.
  p.odpovidac.stiskni(QMessageBox::Ok);
  p.okno->Akce_OtevritFakturu->trigger();
  EXPECT_EQ(p.odpovidac.zobrazene().size(), 2u);
  EXPECT_EQ(p.odpovidac.posledni().ikona, QMessageBox::Critical);
}

TEST(HlavniOkno, CommandsCarryTheirCaptionsHintsCategoriesAndKeys) {
  ProgramVeSlozce p;
  p.spust();
  const struct {
    const char* nazev;
    const char* titulek;
    const char* napoveda;
    const char* kategorie;
    const char* zkratka;
  } akce[] = {
      {"Akce_NovaFaktura", "Nová", "Založení nové faktury", "Hlavni", "Ctrl+N"},
      {"Akce_OtevritFakturu", "Otevřít", "Otevřít fakturu", "Hlavni", "Ctrl+O"},
      {"Akce_ZavritFakturu", "Zavřít", "Zavřít fakturu", "Hlavni", ""},
      {"Akce_UlozitFakturu", "Uložit", "Uložit změny", "Hlavni", "Ctrl+S"},
      {"Akce_Storno", "Storno", "Stornovat změny", "Hlavni", ""},
      {"Akce_NovaPolozka", "Nová položka", "Nová položka faktury", "Polozky", "Ins"},
      {"Akce_EditacePolozky", "Editace", "Editace vybrané položky", "Polozky", "Shift+Ins"},
      {"Akce_SmazaniPolozky", "Smazat", "Smazání vybrané položky", "Polozky", "Shift+Del"},
      {"Akce_TiskFaktury", "Tisk", "Tisk", "Hlavni", "Ctrl+P"},
      {"Akce_TiskPrijmovehoDokladu", "Příj. doklad", "Tisk příjmového dokladu", "Hlavni", ""},
      {"Akce_Prehledy", "Přehledy", "Přehledy - generátor sestav", "Hlavni", ""},
      {"Akce_NastaveniRoku", "Nastavení roku", "Nastavení roku", "Hlavni", ""},
      {"Akce_Konfig", "Nastavení programu", "Nastavení programu", "Hlavni", ""},
      {"Akce_KontrolaKoefDPH", "Kontrola keoficientů pro výpočet DPH zhora",
       "Kontrola keoficientů pro výpočet DPH zhora", "Hlavni", ""},
      {"Akce_Napoveda", "Podrobná nápověda (on-line)", "Podrobná nápověda (on-line)", "Hlavni", ""},
      {"Akce_WebDomu", "Tarvion - domovská stránka", "Tarvion - domovská stránka", "Hlavni", "F1"},
      {"Akce_WebFR", "Dokumentace k tiskovému modulu (on-line)",
       "Dokumentace k tiskovému modulu (on-line)", "Hlavni", ""},
      {"Akce_OProgramu", "O programu", "O programu", "Hlavni", ""},
      {"Akce_Konec", "Konec", "Ukončení programu", "Hlavni", ""},
      {"Akce_StiskEnter", "", "", "FormularNavigace", "Return"},
      {"Akce_StiskVpravo", "", "", "FormularNavigace", "Ctrl+Right"},
      {"Akce_StiskVlevo", "", "", "FormularNavigace", "Ctrl+Left"},
  };
  for (const auto& a : akce) {
    auto* x = p.okno->findChild<QAction*>(a.nazev);
    ASSERT_TRUE(x) << a.nazev;
    EXPECT_EQ(x->text(), QString::fromUtf8(a.titulek)) << a.nazev;
    EXPECT_EQ(x->toolTip(), QString::fromUtf8(a.napoveda).isEmpty() ? x->toolTip()
                                                                   : QString::fromUtf8(a.napoveda))
        << a.nazev;
    EXPECT_EQ(x->property("kategorie").toString(), a.kategorie) << a.nazev;
    EXPECT_EQ(x->shortcut().toString(QKeySequence::PortableText), a.zkratka) << a.nazev;
  }
  EXPECT_EQ(p.najdi<QPushButton>("Tl_Konfig")->text(), "Nastavení");
  EXPECT_EQ(p.najdi<QPushButton>("Tl_Konec")->toolTip(), "Ukončení programu");
}

TEST(HlavniOkno, MenusListTheCommandsInOrder) {
  ProgramVeSlozce p;
  p.spust();
  auto popis = [](QMenu* m) {
    QStringList r;
    for (QAction* a : m->actions()) r << (a->isSeparator() ? "—" : a->text());
    return r.join("|");
  };
  EXPECT_EQ(popis(p.najdi<QMenu>("HMenu_Faktury")), "Nová|Otevřít|Zavřít|—|Konec");
  EXPECT_EQ(popis(p.najdi<QMenu>("HMenu_Nastroje")),
            "Přehledy|—|Nastavení roku|Nastavení programu|—|"
            "Kontrola keoficientů pro výpočet DPH zhora");
  EXPECT_EQ(popis(p.najdi<QMenu>("HMenu_Napoveda")),
            "Podrobná nápověda (on-line)|Tarvion - domovská stránka|"
            "Dokumentace k tiskovému modulu (on-line)|—|O programu");
  QStringList tisk;
  for (QAction* a : p.najdi<QMenu>("PMenu_Tisk")->actions())
    tisk << a->text() + "=" + a->data().toString();
  EXPECT_EQ(tisk.join("|"),
            "Základní faktura=1|Proforma faktura=2|Daňový doklad=3|Dobropis=4|Dodací list=6|"
            "Cenová nabídka=10");
}

TEST(HlavniOkno, CoefficientCheckShowsTheThreeRates) {
  ProgramVeSlozce p;
  p.spust();
  QString text;
  p.odpovidac.potom([&](QDialog& d) {
    text = d.findChild<QPlainTextEdit*>() ? d.findChild<QPlainTextEdit*>()->toPlainText() : "";
    return int(QDialog::Rejected);
  });
  p.okno->Akce_KontrolaKoefDPH->trigger();
  EXPECT_EQ(p.odpovidac.posledni().titulek, "Koeficienty DPH pro jednotlivé sazby");
  EXPECT_EQ(text.remove(u'\r'), "DPH 21%   0,1736\nDPH 15%   0,1304\nDPH 10%   0,0909");
}

namespace {

// The program with one invoice open in browse mode.
struct SOtevrenouFakturou : ::testing::Test {
  ProgramVeSlozce p;
  void SetUp() override {
    p.spust();
    p.sql("INSERT INTO Faktura (Cislo, Nazev1, Mena, Castka) VALUES ('FA20170001', 'Alfa', 'CZK', 0)");
    p.okno->ZobrazFakturu(1, true);
    QApplication::setActiveWindow(p.okno.get());
  }
  QWidget* fokus() const { return QApplication::focusWidget(); }
};

}  // namespace

TEST_F(SOtevrenouFakturou, EnterAndCtrlArrowsWalkTheHeaderFieldsOnly) {
  auto* mena = p.pole("DBEd_Mena");
  mena->setFocus();
  QTest::keyClick(mena, Qt::Key_Return);
  EXPECT_EQ(fokus(), p.pole("DBEd_KodOdberatele"));
  QTest::keyClick(fokus(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(fokus(), p.pole("DBEd_Nazev1"));
  QTest::keyClick(fokus(), Qt::Key_Left, Qt::ControlModifier);
  QTest::keyClick(fokus(), Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(fokus(), mena);
  // The number is skipped: it is no tab stop.
  p.pole("DBEd_VariabilniSymbol")->setFocus();
  QTest::keyClick(fokus(), Qt::Key_Left, Qt::ControlModifier);
  EXPECT_NE(fokus(), p.pole("DBEd_Cislo"));

  // On the item page Enter does nothing.
  p.najdi<QTabWidget>("PageControl1")->setCurrentIndex(1);
  auto* mrizka = p.najdi("DBGrid1");
  mrizka->setFocus();
  QTest::keyClick(mrizka, Qt::Key_Return);
  EXPECT_EQ(fokus(), mrizka);
}

TEST_F(SOtevrenouFakturou, ItemKeysReachTheItemCommandsFromInsideAnEditBox) {
  QApplication::clipboard()->setText("VLOZENO");
  auto* nazev = p.pole("DBEd_Nazev1");
  nazev->setFocus();
  nazev->setCursorPosition(4);
  const struct {
    QAction* akce;
    Qt::Key klavesa;
    Qt::KeyboardModifiers modifikator;
  } pripady[] = {{p.okno->Akce_NovaPolozka, Qt::Key_Insert, Qt::NoModifier},
                 {p.okno->Akce_EditacePolozky, Qt::Key_Insert, Qt::ShiftModifier},
                 {p.okno->Akce_SmazaniPolozky, Qt::Key_Delete, Qt::ShiftModifier}};
  for (const auto& c : pripady) {
    QSignalSpy spusteno(c.akce, &QAction::triggered);
    QTest::keyClick(nazev, c.klavesa, c.modifikator);
    EXPECT_EQ(spusteno.count(), 1) << c.akce->objectName().toStdString();
  }
  EXPECT_EQ(nazev->text(), "Alfa");  // nothing pasted or cut
  EXPECT_FALSE(nazev->hasAcceptableInput() && nazev->text().contains("VLOZENO"));
}

TEST_F(SOtevrenouFakturou, ClosingTheWindowWhileBrowsingAsksNothing) {
  EXPECT_TRUE(p.okno->close());
  EXPECT_TRUE(p.odpovidac.zobrazene().empty());
}

TEST_F(SOtevrenouFakturou, ClosingTheWindowWhileEditingAsksAndEachAnswerDoesItsPart) {
  auto* nazev = p.pole("DBEd_Nazev1");
  nazev->setFocus();
  nazev->selectAll();
  QTest::keyClicks(nazev, "Beta");
  EXPECT_EQ(p.najdi<QLabel>("La_Rezim")->text(), "[Editace]");

  p.odpovidac.stiskni(QMessageBox::Cancel);
  EXPECT_FALSE(p.okno->close());
  const auto& otazka = p.odpovidac.posledni();
  EXPECT_EQ(otazka.titulek, "Pozor!");
  EXPECT_EQ(otazka.text,
            "Faktura je v režimu editace. Pokud byly hodnoty záznamu změněny, požadujete jejich "
            "uložení?");
  EXPECT_EQ(otazka.ikona, QMessageBox::Question);
  EXPECT_EQ(otazka.tlacitka, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(otazka.vychozi, QMessageBox::No);
  EXPECT_EQ(nazev->text(), "Beta");
  EXPECT_EQ(p.okno->ADODataSet_Faktura->stav(), db::StavDat::Editace);

  p.odpovidac.stiskni(QMessageBox::No);
  EXPECT_TRUE(p.okno->close());
  EXPECT_EQ(p.hodnota("SELECT Nazev1 FROM Faktura WHERE Id = 1").toString(), "Alfa");
}

TEST_F(SOtevrenouFakturou, YesInTheClosingQuestionSavesAndAFailedSaveKeepsTheWindowOpen) {
  auto* nazev = p.pole("DBEd_Nazev1");
  nazev->setFocus();
  QTest::keyClicks(nazev, "X");
  // The database refuses the change (as another program's rule might).
  p.sql("CREATE TRIGGER zamek BEFORE UPDATE ON Faktura BEGIN SELECT RAISE(ABORT, 'zamčeno'); END");
  p.odpovidac.stiskni(QMessageBox::Yes).stiskni(QMessageBox::Ok);
  EXPECT_FALSE(p.okno->close());
  EXPECT_TRUE(p.odpovidac.posledni().text.contains("zamčeno"));
  EXPECT_EQ(p.okno->ADODataSet_Faktura->stav(), db::StavDat::Editace);

  p.sql("DROP TRIGGER zamek");
  p.odpovidac.stiskni(QMessageBox::Yes);
  EXPECT_TRUE(p.okno->close());
  EXPECT_EQ(p.hodnota("SELECT Nazev1 FROM Faktura WHERE Id = 1").toString(), "AlfaX");
}
