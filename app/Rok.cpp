// The accounting year: its label and command, the years present and the invoices of a year.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "app/Hlavni_f.h"
#include "app/db/DataSet.h"
#include "common/BezpecnyPrikaz.h"
#include "common/Dialogy.h"

void THlavni::Akce_NastaveniRokuExecute() {
  if (JeOtevrenaFaktura()) {
    Zprava("Nelze měnit období pokud je otevřena faktura.");
    return;
  }
  uint16_t rok = static_cast<uint16_t>(Nastaveni.AktualniRok);
  if (rok < 2015) rok = 2015;
  if (!ZadejRok(rok, 2015, "Nastavte rok")) return;
  // The year holds for this run even if the file cannot take it.
  Nastaveni.AktualniRok = rok;
  La_AktualniObdobi->setText("Období " + QString::number(rok));
  UlozitAktualniRok(SlozkaProgramu + "Tarvion.ini", rok);
}

QStringList THlavni::SeznamRoku() {
  db::ZavriNaKonci zavri(*ADODataSet_Funkce);
  ADODataSet_Funkce->zavri();
  ADODataSet_Funkce->nastavSql(
      "SELECT F.Rok FROM ( SELECT DISTINCT LEFT(RIGHT(Cislo, 8), 4) AS Rok FROM Faktura ) AS F  "
      "ORDER BY Rok ASC");
  ADODataSet_Funkce->otevri();
  QStringList roky;
  for (ADODataSet_Funkce->prvni(); !ADODataSet_Funkce->eof(); ADODataSet_Funkce->dalsi())
    roky << ADODataSet_Funkce->text("Rok");
  return roky;
}

bool THlavni::NaplnitMenuRoku(QMenu* menu, int tag,
                              const std::function<void(QAction*)>& priKliknuti) {
  const QStringList roky = SeznamRoku();
  if (roky.isEmpty()) {
    Zprava("Není platný rok.");
    return false;
  }
  menu->clear();
  for (auto i = roky.size() - 1; i >= 0; --i) {
    QAction* polozka = menu->addAction(roky[i]);
    polozka->setObjectName("PMenu_Rok_" + roky[i]);
    polozka->setData(tag);
    connect(polozka, &QAction::triggered, this,
            [priKliknuti, polozka] { BezpecnyPrikaz([&] { priKliknuti(polozka); }); });
  }
  return true;
}

int THlavni::PocetFakturRoku(int rok) {
  return JednaHodnota("SELECT COUNT(*) AS CelkovyPocetfaktur FROM Faktura WHERE "
                      "LEFT(RIGHT(Cislo, 8), 4) = ?",
                      {QString::number(rok)}, "CelkovyPocetFaktur")
      .toInt();
}
