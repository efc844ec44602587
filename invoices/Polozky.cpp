// The item page: grid columns, the summary panel, the record rules of items, and the
// invoice total that follows the items.
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "app/Hlavni_f.h"
#include "app/db/DataSet.h"
#include "app/db/DataSetModel.h"
#include "common/Format.h"
#include "common/Pomocne.h"

using db::StavDat;

double THlavni::SoucetPolozek(int idFaktury, const QString& sloupec) {
  // Only the three money columns are ever summed; the name is never the user's text.
  if (sloupec != "CenaBezDPH" && sloupec != "DPH" && sloupec != "CenaCelkem") return 0;
  return db::naDesetitisiciny(
      JednaHodnota("SELECT Sum(" + sloupec + ") AS SA FROM Polozky WHERE Id_Faktura = ?",
                   {idFaktury}, "SA")
          .toDouble());
}

void THlavni::PrepocitejCastku() {
  if (!ADODataSet_Faktura->jeOtevreny() || ADODataSet_Faktura->eof()) return;
  if (ADODataSet_Faktura->stav() != StavDat::Editace) ADODataSet_Faktura->edituj();
  const double soucet = db::naDesetitisiciny(
      JednaHodnota("SELECT SUM(CenaCelkem) AS Celkem FROM Polozky WHERE Id_Faktura = ?",
                   {ADODataSet_Faktura->cele("Id")}, "Celkem")
          .toDouble());
  switch (Nastaveni.ZaokrouhlFakturu) {
    case 0:
      ADODataSet_Faktura->nastav("Castka", Zaokrouhli(0, soucet));
      break;
    case 1:
      ADODataSet_Faktura->nastav(
          "Castka", Zaokrouhli(ADODataSet_Faktura->text("FormaUhrady") == "PP" ? -2 : 0, soucet));
      break;
    case 2:
      ADODataSet_Faktura->nastav("Castka", Zaokrouhli(-2, soucet));
      break;
    default:
      break;
  }
  if (ADODataSet_Faktura->stav() == StavDat::Editace) ADODataSet_Faktura->uloz();
}

void THlavni::NastavSloupcePolozek() {
  const bool platce = Nastaveni.Platce;
  const auto vlevo = Qt::AlignLeft;
  const auto stred = Qt::AlignHCenter;
  const auto vpravo = Qt::AlignRight;
  std::vector<db::SloupecMrizky> sloupce{
      {"Kod", "Kód", vlevo, vlevo, 45},
      {"OznaceniDodavky", "Označení dodávky", vlevo, vlevo, platce ? 240 : 430},
      {"MerJednotka", "MJ", stred, stred, 45},
      {"PocetMJ", "Počet MJ", stred, vpravo, 50},
      {"CenaMJ", "Cena MJ", stred, vpravo, 70},
      {"CenaBezDPH", platce ? "Cena bez DPH" : "Cena celkem", stred, vpravo, 70},
  };
  if (platce) {
    sloupce.push_back({"SazbaDPH", "Sazba", stred, stred, 45});
    sloupce.push_back({"DPH", "DPH", stred, vpravo, 70});
    sloupce.push_back({"CenaCelkem", "Cena celkem", stred, vpravo, 75});
  }
  modelPolozek_->nastavSloupce(sloupce);
  // The widths were set for a smaller font: a title must still show whole.
  const QFontMetrics pismo(DBGrid1->horizontalHeader()->font());
  for (int i = 0; i < int(sloupce.size()); ++i)
    DBGrid1->setColumnWidth(
        i, qMax(sloupce[i].sirka, pismo.horizontalAdvance(sloupce[i].titulek) + 14));
  RozvrhniSouhrn();
  DataSource_PolozkyDataChange();
}

void THlavni::RozvrhniSouhrn() {
  auto* panel = findChild<QWidget*>("Panel_Souhrn");
  auto* m = qobject_cast<QGridLayout*>(panel->layout());
  const bool platce = Nastaveni.Platce;
  for (const char* n : {"La_Hlavicka2", "La_Hlavicka3", "La_APSazbaDPH", "La_APDPH", "La_SADPH"})
    findChild<QLabel*>(n)->setVisible(platce);
  auto umisti = [&](const char* nazev, int radek, int sloupec) {
    QLabel* l = findChild<QLabel*>(nazev);
    m->removeWidget(l);
    m->addWidget(l, radek, sloupec);
  };
  umisti("La_Hlavicka4", 0, platce ? 5 : 3);
  umisti("La_CelkemRadek", 1, platce ? 5 : 3);
  umisti("La_CelkemFaktura", 2, platce ? 5 : 3);
  umisti("DB_Mena2", 2, platce ? 6 : 4);
}

void THlavni::DataSource_PolozkyDataChange() {
  auto nastav = [this](const char* nazev, const QString& text) {
    findChild<QLabel*>(nazev)->setText(text);
  };
  auto& p = *ADODataSet_Polozky;
  if (!p.jeOtevreny() || !ADODataSet_Faktura->jeOtevreny()) return;
  const bool radek = !p.eof();
  nastav("La_Poradi", QString::number(p.cisloZaznamu()));
  nastav("La_CelkemPolozek",
         QString::number(p.pocetRadku() - (p.stav() == StavDat::Vkladani ? 1 : 0)));
  nastav("La_APCelkem", FormatPenizeBezOddelovace(radek ? p.penize("CenaBezDPH") : 0));
  nastav("La_CelkemRadek", FormatPenizeBezOddelovace(radek ? p.penize("CenaCelkem") : 0));
  const int id = static_cast<int>(ADODataSet_Faktura->cele("Id"));
  nastav("La_SACelkem", FormatPenizeBezOddelovace(SoucetPolozek(id, "CenaBezDPH")));
  nastav("La_CelkemFaktura", FormatPenizeBezOddelovace(SoucetPolozek(id, "CenaCelkem")));
  if (Nastaveni.Platce) {
    nastav("La_APSazbaDPH", radek ? p.text("SazbaDPH") : QString());
    nastav("La_APDPH", radek && !p.jeNull("DPH") ? FormatPenizeBezOddelovace(p.penize("DPH"))
                                                 : QString());
    nastav("La_SADPH", FormatPenizeBezOddelovace(SoucetPolozek(id, "DPH")));
  }
  // Keep the grid's highlighted row on the dataset's current item.
  const int r = p.aktualniRadek();
  if (r >= 0 && r < modelPolozek_->rowCount() && DBGrid1->currentIndex().row() != r)
    DBGrid1->selectRow(r);
}

void THlavni::ADODataSet_PolozkyAfterInsert() {
  ADODataSet_Polozky->nastav("PouzeText", false);
  ADODataSet_Polozky->nastav("Id_Faktura", ADODataSet_Faktura->cele("Id"));
}

void THlavni::ADODataSet_PolozkyBeforePost() {
  if (!ADODataSet_Polozky->logicke("PouzeText")) return;
  for (const char* s : {"MerJednotka", "PocetMJ", "CenaMJ", "CenaBezDPH", "SazbaDPH", "DPH",
                        "CenaCelkem"})
    ADODataSet_Polozky->nastav(s, QVariant());
}
