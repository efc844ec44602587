// The open invoice: loading and closing it, header modes, save and cancel, the date and
// clear buttons, and copying from an earlier invoice.
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "app/Hlavni_f.h"
#include "app/db/DataSet.h"
#include "common/Dialogy.h"
#include "common/Hodiny.h"
#include "invoices/Otevrit_f.h"

using db::StavDat;

void THlavni::ZobrazFakturu(int id, bool zobrazit) {
  const StavDat stav = ADODataSet_Faktura->stav();
  if (stav == StavDat::Editace || stav == StavDat::Vkladani) {
    const int odpoved = Dotaz("Pozor!",
                              "Formulář je v režimu editace. Pokud byly hodnoty záznamu změněny, "
                              "požadujete jejich uložení?",
                              3);
    if (odpoved == Dialogy::Ano)
      Akce_UlozitFakturuExecute();  // a failed post stops here, the invoice stays open
    else if (odpoved == Dialogy::Ne)
      Akce_StornoExecute();
    else
      return;
  }

  PageControl1->setVisible(zobrazit);
  PageControl1->setEnabled(zobrazit);
  for (QAction* a : {Akce_NovaFaktura, Akce_OtevritFakturu, Akce_NastaveniRoku, Akce_Konfig})
    a->setEnabled(!zobrazit);
  Akce_ZavritFakturu->setEnabled(zobrazit);

  if (zobrazit) {
    ADODataSet_Faktura->zavri();
    ADODataSet_Faktura->nastavSql("SELECT * FROM Faktura WHERE Id = ?", {id});
    ADODataSet_Faktura->otevri();
    if (ADODataSet_Faktura->eof()) {
      // Removed behind the program's back: nothing to show, and editing an empty header
      // would only add a row without a number.
      ZobrazFakturu(-1, false);
      Zprava(QString("Faktura s Id %1 nebyla v databázi nalezena.").arg(id));
      return;
    }
    ADODataSet_Polozky->zavri();
    ADODataSet_Polozky->nastavSql("SELECT * FROM Polozky WHERE Id_Faktura = ? ORDER BY Id", {id});
    ADODataSet_Polozky->otevri();
    setWindowTitle("Tarvion - " + ADODataSet_Faktura->text("Cislo"));
    NastavSloupcePolozek();
    PageControl1->setCurrentIndex(0);
    if (auto* vs = findChild<QLineEdit*>("DBEd_VariabilniSymbol")) vs->setFocus();
  } else {
    setWindowTitle("Tarvion");
    if (ADODataSet_Polozky->jeOtevreny()) ADODataSet_Polozky->zavri();
    if (ADODataSet_Faktura->jeOtevreny()) ADODataSet_Faktura->zavri();
  }
  DataSource_FakturaStateChange();
}

void THlavni::DataSource_FakturaStateChange() {
  const StavDat stav = ADODataSet_Faktura->stav();
  switch (stav) {
    case StavDat::Prohlizeni:
      La_Rezim->setText("[Prohlížení]");
      break;
    case StavDat::Editace:
      La_Rezim->setText("[Editace]");
      break;
    case StavDat::Vkladani:
      La_Rezim->setText("[Vkládání]");
      break;
    case StavDat::Neaktivni:
      break;
  }
  const bool upravy = stav == StavDat::Editace || stav == StavDat::Vkladani;
  Akce_UlozitFakturu->setEnabled(upravy);
  Akce_Storno->setEnabled(upravy);
  const bool tisk = stav == StavDat::Prohlizeni;
  Akce_TiskFaktury->setEnabled(tisk);
  Tl_PMenuTisk->setEnabled(tisk);
  Akce_TiskPrijmovehoDokladu->setEnabled(tisk);
}

void THlavni::Akce_UlozitFakturuExecute() {
  const StavDat stav = ADODataSet_Faktura->stav();
  if (stav == StavDat::Editace || stav == StavDat::Vkladani) ADODataSet_Faktura->uloz();
}

void THlavni::Akce_StornoExecute() { ADODataSet_Faktura->zrus(); }

void THlavni::Akce_OtevritFakturuExecute() {
  const int rok = Nastaveni.AktualniRok;
  if (PocetFakturRoku(rok) == 0) {
    Zprava("V aktuálním roce " + QString::number(rok) + " není nalezena ani jedna faktura.");
    return;
  }
  TOtevrit dialog(this, *ADODataSet_Funkce);
  dialog.Rok = rok;
  const bool ok = Dialogy::spustModalne(dialog) == QDialog::Accepted;
  const int id = dialog.VybraneId;
  if (ok && id != 0) ZobrazFakturu(id, true);
}

int THlavni::PosledniIdFaktury() {
  return JednaHodnota("SELECT Max(Id) AS PosledniId FROM Faktura", {}, "PosledniId").toInt();
}

QString THlavni::CisloFaktury(int id) {
  return JednaHodnota("SELECT Cislo FROM Faktura WHERE Id = ?", {id}, "Cislo").toString();
}

void THlavni::TlacitkoData(int cislo) {
  static const char* const pole[] = {"DatumPlneni", "DatumVystaveni", "DatumSplatnosti",
                                     "DatumUhrady"};
  if (cislo < 1 || cislo > 4 || !ADODataSet_Faktura->jeOtevreny()) return;
  const QString jmeno = pole[cislo - 1];
  const bool prazdne = ADODataSet_Faktura->jeNull(jmeno);
  QDate datum = prazdne ? Hodiny::dnes() : ADODataSet_Faktura->datum(jmeno);
  // On an empty field the proposed day is no value yet: confirming it stores it.
  if (!ZadejDatum(datum, "Datum", prazdne)) return;
  if (ADODataSet_Faktura->stav() == StavDat::Prohlizeni) ADODataSet_Faktura->edituj();
  ADODataSet_Faktura->nastav(jmeno, datum);
}

void THlavni::VymazPole(const QString& pole) {
  if (!ADODataSet_Faktura->jeOtevreny()) return;
  if (ADODataSet_Faktura->stav() == StavDat::Prohlizeni) ADODataSet_Faktura->edituj();
  ADODataSet_Faktura->nastav(pole, QVariant());
}

void THlavni::VybratVzor(int tag) {
  if (!ADODataSet_Faktura->jeOtevreny()) return;
  if (!NaplnitMenuRoku(PMenu_Rok, tag, [this](QAction* a) { VyberVzor(a); })) return;
  // Beside the pressed button, where the eye already is.
  QPushButton* tlacitko = tag == 2 ? Tl_VybratOdberatele : Tl_VybratVzorFaktury;
  PMenu_Rok->popup(tlacitko->mapToGlobal(QPoint(tlacitko->width(), 0)));
}

void THlavni::VyberVzor(QAction* polozka) {
  const int rok = polozka->text().toInt();
  const int tag = polozka->data().toInt();
  const int idOtevrene = static_cast<int>(ADODataSet_Faktura->cele("Id"));
  TOtevrit dialog(this, *ADODataSet_Funkce);
  dialog.Rok = rok;
  dialog.DalsiPodminka = " AND NOT(Id = " + QString::number(idOtevrene) + ") ";
  const bool ok = Dialogy::spustModalne(dialog) == QDialog::Accepted;
  const int idVzoru = dialog.VybraneId;
  const QString cislo = CisloFaktury(idVzoru);
  if (!ok || cislo.isEmpty() || idVzoru == 0) return;
  PrevezmiHlavicku(idVzoru);
  if (tag == 1)
    PrevezmiPolozky(idVzoru);
  else
    PrepocitejCastku();
}

void THlavni::PrevezmiHlavicku(int idVzoru) {
  static const char* const prvni[] = {"Prijemce", "Vyskladneni", "FormaUhrady"};
  static const char* const dalsi[] = {"Mena",       "KodOdberatele", "Nazev1",         "Nazev2",
                                      "OdpovednaOsoba", "UliceCislo", "PSC",            "Mesto",
                                      "Stat",       "IC",            "DIC",            "Komentar1",
                                      "Komentar2"};
  QMap<QString, QString> vzor;
  {
    db::ZavriNaKonci zavri(*ADODataSet_Funkce);
    ADODataSet_Funkce->zavri();
    ADODataSet_Funkce->nastavSql("SELECT * FROM Faktura WHERE Id = ?", {idVzoru});
    ADODataSet_Funkce->otevri();
    if (ADODataSet_Funkce->pocetRadku() != 1) return;
    for (const char* p : prvni) vzor[p] = ADODataSet_Funkce->text(p);
    for (const char* p : dalsi) vzor[p] = ADODataSet_Funkce->text(p);
  }
  if (ADODataSet_Faktura->stav() == StavDat::Editace) ADODataSet_Faktura->uloz();
  ADODataSet_Faktura->edituj();
  for (const char* p : prvni) ADODataSet_Faktura->nastav(p, vzor[p]);
  ADODataSet_Faktura->nastav("DatumUhrady", QVariant());
  for (const char* p : dalsi) ADODataSet_Faktura->nastav(p, vzor[p]);
  ADODataSet_Faktura->nastav("Castka", 0.0);
  ADODataSet_Faktura->nastav("Uhrada", QVariant());
  ADODataSet_Faktura->uloz();
}

void THlavni::PrevezmiPolozky(int idVzoru) {
  const qint64 id = ADODataSet_Faktura->cele("Id");
  try {
    ADOConnection1.proved("DELETE FROM Polozky WHERE Id_Faktura = ?", {id});
  } catch (const Chyba&) {
    Varovani("Chyba",
             "Při mazání původních záznamů faktury nastala neočekávaná chyba. Vložení údajů z "
             "vybrané faktury nelze dokončit.");
    // The header copy already zeroed the total; the items are still there, so count again.
    PrepocitejCastku();
    return;
  }
  ADODataSet_Polozky->zavri();
  ADODataSet_Polozky->otevri();

  // A query of its own: every append refreshes the summary, which uses the scratch query.
  db::DataSet vzor(ADOConnection1);
  vzor.nastavSql("SELECT * FROM Polozky WHERE Id_Faktura = ?", {idVzoru});
  vzor.otevri();
  if (!vzor.jePrazdny()) {
    const StavDat stav = ADODataSet_Polozky->stav();
    if (stav == StavDat::Editace || stav == StavDat::Vkladani) ADODataSet_Polozky->uloz();
    static const char* const sloupce[] = {"Kod",        "OznaceniDodavky", "MerJednotka",
                                          "PocetMJ",    "CenaMJ",          "CenaBezDPH",
                                          "SazbaDPH",   "DPH",             "CenaCelkem",
                                          "PouzeText"};
    for (vzor.prvni(); !vzor.eof(); vzor.dalsi()) {
      ADODataSet_Polozky->pridej();
      ADODataSet_Polozky->nastav("Id_Faktura", id);
      for (const char* s : sloupce) ADODataSet_Polozky->nastav(s, vzor.hodnota(s));
      ADODataSet_Polozky->uloz();
    }
  }
  vzor.zavri();
  PrepocitejCastku();
}
