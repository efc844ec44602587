// New invoices: the proposed number, the duplicate check, the insert with the defaults.
#include <QDialog>

#include "app/Hlavni_f.h"
#include "app/db/DataSet.h"
#include "common/Dialogy.h"
#include "common/Hodiny.h"
#include "common/Pomocne.h"
#include "invoices/NovaFaktura_f.h"

void THlavni::Akce_NovaFakturaExecute() {
  const int rok = Nastaveni.AktualniRok;
  QString posledni = PosledniCisloRoku(rok);
  if (posledni.size() > 4) posledni = posledni.right(4);
  bool cislem = false;
  const int navrh = posledni.toInt(&cislem);
  // A number from elsewhere whose tail is not a sequence starts the year afresh.
  TNovaFaktura dialog(this, Nastaveni.Prefix, rok, cislem ? navrh + 1 : 1);
  const int vysledek = Dialogy::spustModalne(dialog);
  const QString cislo = dialog.CisloCele();
  if (vysledek != QDialog::Accepted) return;

  if (ExistujeCislo(cislo)) {
    Zprava("Faktura s číslem " + cislo + " již existuje. Zadejte jiné číslo.");
    return;
  }
  if (DotazAnoNe("Založení nové faktury",
                 "Opravdu chcete založit novou fakturu s číslem: " + cislo + " ?") != Dialogy::Ano)
    return;
  if (VlozFakturu(cislo, Nastaveni.VychoziFormaUhrady, Nastaveni.VychoziMena,
                  Nastaveni.VychoziDobaSplatnosti))
    ZobrazFakturu(PosledniIdFaktury(), true);
  else
    Zprava("Fakturu s číslem " + cislo + " se nepodařilo založit!");
}

QString THlavni::PosledniCisloRoku(int rok) {
  const QVariant cislo = JednaHodnota(
      "SELECT TOP 1, Cislo FROM Faktura  WHERE LEFT(RIGHT(Cislo, 8), 4) = ? ORDER BY ID DESC",
      {QString::number(rok)}, "Cislo");
  return cislo.isNull() ? QString("0") : cislo.toString();
}

bool THlavni::ExistujeCislo(const QString& cislo) {
  return JednaHodnota("SELECT Count(*) AS Celkem FROM Faktura WHERE Cislo = ?", {cislo}, "Celkem")
             .toInt() > 0;
}

bool THlavni::VlozFakturu(const QString& cislo, const QString& formaUhrady, const QString& mena,
                          int dobaSplatnosti) {
  const QDate dnes = Hodiny::dnes();
  try {
    ADOConnection1.proved(
        "INSERT INTO Faktura (Cislo, FormaUhrady, DatumPlneni, DatumVystaveni, DatumSplatnosti, "
        "Mena, Castka) VALUES (?, ?, " +
            DatumSQL(dnes) + ", " + DatumSQL(dnes) + ", " + DatumSQL(dnes.addDays(dobaSplatnosti)) +
            ", ?, 0);",
        {cislo, formaUhrady, mena});
  } catch (const Chyba&) {
    return false;
  }
  return true;
}
