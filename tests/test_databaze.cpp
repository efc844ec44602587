// The database file, its schema and the statements the program runs on it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "app/db/DataSet.h"
#include "app/db/JetSql.h"
#include "common/Pomocne.h"
#include "tests/DocasnaDatabaze.h"

using db::DataSet;

namespace {

QByteArray obsah(const QString& cesta) {
  QFile f(cesta);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

void zapis(const QString& cesta, const QByteArray& data) {
  QFile f(cesta);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
}

qint64 vlozFakturu(db::Pripojeni& p, const QString& cislo) {
  p.proved("INSERT INTO Faktura (Cislo, Castka) VALUES (?, 0)", {cislo});
  return p.posledniVlozeneId();
}

QVariant jednaHodnota(db::Pripojeni& p, const QString& sql, const QVariantList& parametry = {}) {
  DataSet d(p);
  d.nastavSql(sql, parametry);
  d.otevri();
  return d.eof() ? QVariant() : d.hodnotaRadku(0, 0);
}

}  // namespace

TEST(JetSql, TranslatesTheIdiomsOfTheProgramsStatements) {
  const struct {
    const char* jet;
    const char* sqlite;
  } pripady[] = {
      {"SELECT TOP 1, Cislo FROM Faktura  WHERE LEFT(RIGHT(Cislo, 8), 4) = ? ORDER BY ID DESC",
       "SELECT Cislo FROM Faktura  WHERE substr(substr(Cislo, -8), 1, 4) = ? ORDER BY ID DESC "
       "LIMIT 1"},
      {"SELECT TOP 5 Id FROM Faktura;", "SELECT Id FROM Faktura LIMIT 5"},
      {"INSERT INTO Faktura (DatumPlneni) VALUES (#2016-03-01#);",
       "INSERT INTO Faktura (DatumPlneni) VALUES ('2016-03-01')"},
      {"SELECT 'LEFT(x, 1) #2016-03-01#' FROM Faktura", "SELECT 'LEFT(x, 1) #2016-03-01#' FROM Faktura"},
      {"SELECT left( Nazev1 , 2 ), Right(Mesto, Id + 1) FROM Faktura",
       "SELECT substr(Nazev1, 1, 2), substr(Mesto, -(Id + 1)) FROM Faktura"},
      {"SELECT * FROM Faktura f LEFT JOIN Polozky p ON p.Id_Faktura = f.Id",
       "SELECT * FROM Faktura f LEFT JOIN Polozky p ON p.Id_Faktura = f.Id"},
  };
  for (const auto& p : pripady) EXPECT_EQ(db::prelozJetSql(p.jet), QString(p.sqlite)) << p.jet;
}

TEST(Databaze, NewFileHasTheSchemaAndStartsIdsAtOneWithoutReuse) {
  DocasnaDatabaze d;
  DataSet f(d.pripojeni, "Faktura");
  f.nastavSql("SELECT * FROM Faktura");
  f.otevri();
  QStringList jmena;
  for (const auto& p : f.pole()) jmena << p.jmeno;
  EXPECT_EQ(jmena.join(","),
            "Id,Cislo,VariabilniSymbol,Objednavka,Prijemce,Vyskladneni,FormaUhrady,DatumPlneni,"
            "DatumVystaveni,DatumSplatnosti,DatumUhrady,Mena,KodOdberatele,Nazev1,Nazev2,"
            "OdpovednaOsoba,UliceCislo,PSC,Mesto,Stat,IC,DIC,Komentar1,Komentar2,Castka,Uhrada");
  EXPECT_EQ(f.popisPole("cislo").velikost, 16);
  EXPECT_EQ(f.popisPole("Komentar2").velikost, 255);
  EXPECT_EQ(f.popisPole("Castka").typ, db::TypPole::Penize);
  EXPECT_EQ(f.popisPole("DatumUhrady").typ, db::TypPole::Datum);

  EXPECT_EQ(vlozFakturu(d.pripojeni, "FA20170001"), 1);
  EXPECT_EQ(vlozFakturu(d.pripojeni, "FA20170002"), 2);
  d.pripojeni.proved("DELETE FROM Faktura WHERE Id = 2");
  EXPECT_EQ(vlozFakturu(d.pripojeni, "FA20170003"), 3);
  d.pripojeni.proved("INSERT INTO Polozky (OznaceniDodavky) VALUES ('x')");
  EXPECT_EQ(d.pripojeni.posledniVlozeneId(), 1);
}

TEST(Databaze, EngineRefusesWhatTheSchemaForbidsWithCzechMessages) {
  DocasnaDatabaze d;
  vlozFakturu(d.pripojeni, "FA20170001");
  const struct {
    const char* sql;
    QVariantList parametry;
    const char* zprava;
  } pripady[] = {
      {"INSERT INTO Faktura (Cislo) VALUES (?)", {"fa20170001"}, "Cislo"},
      {"INSERT INTO Faktura (Mena) VALUES (?)", {"CZK"}, "Pole Cislo musí být vyplněno."},
      {"INSERT INTO Faktura (Cislo) VALUES (?)", {"12345678901234567"},
       "Text pole Cislo je delší než povolených 16 znaků."},
      {"INSERT INTO Faktura (Cislo, PSC) VALUES (?, ?)", {"X20170009", "1234567"},
       "Text pole PSC je delší než povolených 6 znaků."},
      {"INSERT INTO Polozky (Kod) VALUES (?)", {"A"}, "Pole OznaceniDodavky musí být vyplněno."},
  };
  for (const auto& p : pripady) {
    try {
      d.pripojeni.proved(p.sql, p.parametry);
      ADD_FAILURE() << "accepted: " << p.sql;
    } catch (const db::ChybaDatabaze& e) {
      EXPECT_TRUE(e.text().contains(QString::fromUtf8(p.zprava))) << e.text().toStdString();
    }
  }
  EXPECT_EQ(jednaHodnota(d.pripojeni, "SELECT Count(*) AS C FROM Faktura").toInt(), 1);
  // Czech letters count as one character each.
  EXPECT_NO_THROW(d.pripojeni.proved("INSERT INTO Faktura (Cislo, PSC) VALUES (?, ?)",
                                     {"Č20170002", "ŽŠČŘĎŤ"}));
}

TEST(Databaze, AnApostropheInAnyValueIsStoredAndFoundAsTyped) {
  DocasnaDatabaze d;
  const QString cislo = "A'B20170001";
  vlozFakturu(d.pripojeni, cislo);
  d.pripojeni.proved("UPDATE Faktura SET Nazev1 = ? WHERE Cislo = ?", {"O'Brien; --", cislo});
  EXPECT_EQ(jednaHodnota(d.pripojeni, "SELECT Count(*) AS Celkem FROM Faktura WHERE Cislo = ?",
                         {cislo})
                .toInt(),
            1);
  EXPECT_EQ(jednaHodnota(d.pripojeni, "SELECT Nazev1 FROM Faktura WHERE Cislo = ?", {cislo})
                .toString(),
            "O'Brien; --");
}

TEST(Databaze, RunsEveryStatementOfTheProgram) {
  DocasnaDatabaze d;
  auto& p = d.pripojeni;
  p.proved("INSERT INTO Faktura (Cislo, FormaUhrady, DatumPlneni, DatumVystaveni, "
           "DatumSplatnosti, Mena, Castka) VALUES (?, ?, " + DatumSQL(QDate(2016, 12, 25)) +
               ", " + DatumSQL(QDate(2016, 12, 25)) + ", " + DatumSQL(QDate(2017, 1, 8)) +
               ", ?, 0);",
           {"FA20160007", "PP", "CZK"});
  vlozFakturu(p, "FA20180001");
  vlozFakturu(p, "FA20160002");
  vlozFakturu(p, "20170001");
  for (const char* text : {"MSG", "MSG", "jiné"})
    p.proved("INSERT INTO Polozky (Id_Faktura, Kod, OznaceniDodavky, CenaBezDPH, DPH, "
             "CenaCelkem) VALUES (1, ?, ?, 100.5, 21, 121.5)",
             {QString(text), QString("Zpráva ") + text});

  const QString rok = "LEFT(RIGHT(Cislo, 8), 4)";
  EXPECT_EQ(jednaHodnota(p, "SELECT * FROM Faktura WHERE Id = 1").toInt(), 1);
  EXPECT_EQ(jednaHodnota(p, "SELECT Cislo FROM Faktura WHERE Id = 3").toString(), "FA20160002");
  EXPECT_EQ(jednaHodnota(p, "SELECT TOP 1, Cislo FROM Faktura  WHERE " + rok +
                                " = ? ORDER BY ID DESC", {"2016"}).toString(),
            "FA20160002");
  EXPECT_EQ(jednaHodnota(p, "SELECT Count(*) AS Celkem FROM Faktura WHERE Cislo = ?",
                         {"fa20160007"}).toInt(), 1);
  EXPECT_EQ(jednaHodnota(p, "SELECT Max(Id) AS PosledniId FROM Faktura").toInt(), 4);
  EXPECT_EQ(jednaHodnota(p, "SELECT COUNT(*) AS CelkovyPocetfaktur FROM Faktura WHERE " + rok +
                                " = ?", {"2016"}).toInt(), 2);
  {
    DataSet roky(p);
    roky.nastavSql("SELECT F.Rok FROM ( SELECT DISTINCT " + rok +
                   " AS Rok FROM Faktura ) AS F  ORDER BY Rok ASC");
    roky.otevri();
    QStringList seznam;
    for (roky.prvni(); !roky.eof(); roky.dalsi()) seznam << roky.text("rok");
    EXPECT_EQ(seznam.join(","), "2016,2017,2018");
  }
  {
    DataSet seznam(p);
    seznam.nastavSql("SELECT * FROM Faktura WHERE " + rok + " = ?" + " AND NOT(Id = 1) " +
                         " ORDER BY Id", {"2016"});
    seznam.otevri();
    ASSERT_EQ(seznam.pocetRadku(), 1);
    EXPECT_EQ(seznam.text("Cislo"), "FA20160002");
  }
  EXPECT_DOUBLE_EQ(jednaHodnota(p, "SELECT Sum(CenaBezDPH) AS SA FROM Polozky WHERE Id_Faktura = 1")
                       .toDouble(), 301.5);
  EXPECT_TRUE(jednaHodnota(p, "SELECT Sum(DPH) AS SA FROM Polozky WHERE Id_Faktura = 2").isNull());
  EXPECT_DOUBLE_EQ(jednaHodnota(p, "SELECT SUM(CenaCelkem) AS Celkem FROM Polozky WHERE "
                                   "Id_Faktura = 1").toDouble(), 364.5);
  EXPECT_EQ(jednaHodnota(p, "SELECT * FROM  Polozky WHERE Id_Faktura in (SELECT Id FROM Faktura "
                            "WHERE " + rok + " = ?" + ")", {"2016"}).toInt(), 1);
  EXPECT_EQ(jednaHodnota(p, "SELECT OznaceniDodavky FROM Polozky WHERE (Id_Faktura = 1) AND "
                            "(Kod = ?)", {"MSG"}).toString(), "Zpráva MSG");
  EXPECT_EQ(jednaHodnota(p, "SELECT Kod FROM Polozky WHERE Id = 3").toString(), "jiné");
  p.proved("DELETE FROM Polozky WHERE Id_Faktura = 1");
  EXPECT_TRUE(jednaHodnota(p, "SELECT * FROM Polozky WHERE Id_Faktura = 1 ORDER BY Id").isNull());
  EXPECT_EQ(jednaHodnota(p, "SELECT DatumSplatnosti FROM Faktura WHERE Id = 1").toString(),
            "2017-01-08");
}

TEST(Databaze, SumsOfMoneyComeOutExact) {
  DocasnaDatabaze d;
  // Added as doubles these give 1235.4999999999998.
  for (double castka : {533.30, 508.75, 172.33, 21.12})
    d.pripojeni.proved("INSERT INTO Polozky (Id_Faktura, OznaceniDodavky, CenaCelkem) "
                       "VALUES (1, 'x', ?)", {castka});
  DataSet s(d.pripojeni);
  s.nastavSql("SELECT SUM(CenaCelkem) AS Celkem FROM Polozky WHERE Id_Faktura = ?", {1});
  s.otevri();
  EXPECT_EQ(s.penize("Celkem"), 1235.5);
  EXPECT_EQ(Zaokrouhli(0, s.penize("Celkem")), 1236.0);
}

TEST(Databaze, ConnectingRefusesFilesThatAreNotOurDatabaseAndLeavesThemAlone) {
  QTemporaryDir slozka;
  QByteArray nahodne(5000, '\0');
  for (int i = 0; i < nahodne.size(); ++i) nahodne[i] = char((i * 7919 + 13) % 251);

  const QString cizi = slozka.filePath("cizi.mdb");
  {
    db::Pripojeni p;
    ASSERT_TRUE(db::ZalozitDatabazi(cizi));
    p.otevri(cizi);
    p.proved("ALTER TABLE Polozky RENAME TO Jine");
  }
  const struct {
    const char* nazev;
    QByteArray data;
  } soubory[] = {
      {"nahodne.mdb", nahodne},
      {"prazdny.mdb", QByteArray()},
      {"text.mdb", QByteArray("Tohle není databáze.\n")},
  };
  for (const auto& s : soubory) {
    const QString cesta = slozka.filePath(s.nazev);
    zapis(cesta, s.data);
    db::Pripojeni p;
    EXPECT_FALSE(db::PripojitDatabazi(p, cesta)) << s.nazev;
    EXPECT_EQ(obsah(cesta), s.data) << s.nazev;
  }
  const QByteArray predtim = obsah(cizi);
  db::Pripojeni p;
  EXPECT_FALSE(db::PripojitDatabazi(p, cizi));
  EXPECT_EQ(obsah(cizi), predtim);

  // A folder under the database's name cannot be read as a file.
  ASSERT_TRUE(QDir(slozka.path()).mkdir("slozka.mdb"));
  EXPECT_FALSE(db::PripojitDatabazi(p, slozka.filePath("slozka.mdb")));
  EXPECT_FALSE(db::PripojitDatabazi(p, slozka.filePath("neni.mdb")));
  EXPECT_FALSE(QFile::exists(slozka.filePath("neni.mdb")));
}

TEST(Databaze, CreatingFailsCleanlyWhereTheFolderCannotBeWritten) {
  QTemporaryDir slozka;
  EXPECT_FALSE(db::ZalozitDatabazi(slozka.filePath("chybi/Tarvion.mdb")));
  EXPECT_TRUE(QDir(slozka.path()).entryList(QDir::Files).isEmpty());
}

TEST(Databaze, TheStockShellReadsAndWritesTheFile) {
  const QString shell = QStandardPaths::findExecutable("sqlite3");
  if (shell.isEmpty()) GTEST_SKIP() << "sqlite3 shell not installed";
  DocasnaDatabaze d;
  vlozFakturu(d.pripojeni, "FA20170001");
  QProcess proces;
  proces.start(shell, {d.cesta, "INSERT INTO Faktura (Cislo) VALUES ('FA20170002'); "
                                "SELECT Cislo FROM Faktura WHERE substr(substr(Cislo, -8), 1, 4) "
                                "= '2017' ORDER BY Id; PRAGMA integrity_check;"});
  ASSERT_TRUE(proces.waitForFinished());
  EXPECT_EQ(proces.exitCode(), 0) << proces.readAllStandardError().toStdString();
  EXPECT_EQ(QString::fromUtf8(proces.readAllStandardOutput()), "FA20170001\nFA20170002\nok\n");
}
