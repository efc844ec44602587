-- The empty invoice database. Text sizes and required columns are enforced here, so the
-- file keeps its rules also when the stock sqlite3 shell writes to it.
CREATE TABLE Faktura (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  Cislo VARCHAR(16) NOT NULL COLLATE NOCASE CHECK (length(Cislo) <= 16),
  VariabilniSymbol VARCHAR(11) CHECK (length(VariabilniSymbol) <= 11),
  Objednavka VARCHAR(30) CHECK (length(Objednavka) <= 30),
  Prijemce VARCHAR(40) CHECK (length(Prijemce) <= 40),
  Vyskladneni VARCHAR(40) CHECK (length(Vyskladneni) <= 40),
  FormaUhrady VARCHAR(2) CHECK (length(FormaUhrady) <= 2),
  DatumPlneni DATETIME,
  DatumVystaveni DATETIME,
  DatumSplatnosti DATETIME,
  DatumUhrady DATETIME,
  Mena VARCHAR(3) CHECK (length(Mena) <= 3),
  KodOdberatele VARCHAR(10) CHECK (length(KodOdberatele) <= 10),
  Nazev1 VARCHAR(40) CHECK (length(Nazev1) <= 40),
  Nazev2 VARCHAR(40) CHECK (length(Nazev2) <= 40),
  OdpovednaOsoba VARCHAR(30) CHECK (length(OdpovednaOsoba) <= 30),
  UliceCislo VARCHAR(30) CHECK (length(UliceCislo) <= 30),
  PSC VARCHAR(6) CHECK (length(PSC) <= 6),
  Mesto VARCHAR(30) CHECK (length(Mesto) <= 30),
  Stat VARCHAR(20) CHECK (length(Stat) <= 20),
  IC VARCHAR(8) CHECK (length(IC) <= 8),
  DIC VARCHAR(12) CHECK (length(DIC) <= 12),
  Komentar1 VARCHAR(255) CHECK (length(Komentar1) <= 255),
  Komentar2 VARCHAR(255) CHECK (length(Komentar2) <= 255),
  Castka CURRENCY,
  Uhrada CURRENCY
);
CREATE UNIQUE INDEX Faktura_Cislo ON Faktura (Cislo COLLATE NOCASE);
-- Finds the invoices of a year; the expression is the one the year queries use.
CREATE INDEX Faktura_Rok ON Faktura (substr(substr(Cislo, -8), 1, 4));

CREATE TABLE Polozky (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  Id_Faktura INTEGER,
  Kod VARCHAR(10) CHECK (length(Kod) <= 10),
  OznaceniDodavky VARCHAR(100) NOT NULL CHECK (length(OznaceniDodavky) <= 100),
  MerJednotka VARCHAR(3) CHECK (length(MerJednotka) <= 3),
  PocetMJ DOUBLE,
  CenaMJ CURRENCY,
  CenaBezDPH CURRENCY,
  SazbaDPH INTEGER,
  DPH CURRENCY,
  CenaCelkem CURRENCY,
  PouzeText BOOLEAN
);
CREATE INDEX Polozky_Id_Faktura ON Polozky (Id_Faktura);
