#pragma once
// The main window: owns the program folder, the settings, the database connection with the
// datasets of the open invoice, and every command of the program.
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/Nastaveni.h"
#include "app/db/Pripojeni.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace db {
class DataSet;
class DataSetModel;
}  // namespace db

class THlavni : public QMainWindow {
  Q_OBJECT
 public:
  // slozkaProgramu: the folder that holds the settings, the database and "Ses".
  explicit THlavni(const QString& slozkaProgramu, QWidget* rodic = nullptr);
  ~THlavni() override;

  // Start-up failed in a way that ends the program.
  bool MaSkoncit() const { return maSkoncit_; }

  // Shared state.
  QString SlozkaProgramu;
  TNastaveni Nastaveni;
  double KoefDPH1 = 0;
  double KoefDPH2 = 0;
  double KoefDPH3 = 0;
  db::Pripojeni ADOConnection1;
  std::unique_ptr<db::DataSet> ADODataSet_Faktura;
  std::unique_ptr<db::DataSet> ADODataSet_Polozky;
  std::unique_ptr<db::DataSet> ADODataSet_Funkce;

  // The open invoice.
  void ZobrazFakturu(int id, bool zobrazit);
  int PosledniIdFaktury();
  QString CisloFaktury(int id);
  void PrevezmiHlavicku(int idVzoru);
  void PrevezmiPolozky(int idVzoru);
  bool JeOtevrenaFaktura() const;

  // Numbering and creation.
  QString PosledniCisloRoku(int rok);
  bool ExistujeCislo(const QString& cislo);
  bool VlozFakturu(const QString& cislo, const QString& formaUhrady, const QString& mena,
                   int dobaSplatnosti);

  // The accounting year.
  QStringList SeznamRoku();
  bool NaplnitMenuRoku(QMenu* menu, int tag, const std::function<void(QAction*)>& priKliknuti);
  int PocetFakturRoku(int rok);

  // Items and totals.
  double SoucetPolozek(int idFaktury, const QString& sloupec);
  void PrepocitejCastku();
  void NastavSloupcePolozek();

  // Commands.
  QAction* Akce_NovaFaktura;
  QAction* Akce_OtevritFakturu;
  QAction* Akce_ZavritFakturu;
  QAction* Akce_UlozitFakturu;
  QAction* Akce_Storno;
  QAction* Akce_NovaPolozka;
  QAction* Akce_EditacePolozky;
  QAction* Akce_SmazaniPolozky;
  QAction* Akce_TiskFaktury;
  QAction* Akce_TiskPrijmovehoDokladu;
  QAction* Akce_Prehledy;
  QAction* Akce_NastaveniRoku;
  QAction* Akce_Konfig;
  QAction* Akce_KontrolaKoefDPH;
  QAction* Akce_Napoveda;
  QAction* Akce_WebDomu;
  QAction* Akce_WebFR;
  QAction* Akce_OProgramu;
  QAction* Akce_Konec;
  QAction* Akce_StiskEnter;
  QAction* Akce_StiskVpravo;
  QAction* Akce_StiskVlevo;

  void Akce_NovaFakturaExecute();
  void Akce_OtevritFakturuExecute();
  void Akce_UlozitFakturuExecute();
  void Akce_StornoExecute();
  void Akce_NastaveniRokuExecute();
  void Akce_KontrolaKoefDPHExecute();

 protected:
  void closeEvent(QCloseEvent* udalost) override;
  bool eventFilter(QObject* objekt, QEvent* udalost) override;

 private:
  void FormCreate();
  bool FormCloseQuery();
  void FormClose();
  void VytvorAkce();
  void VytvorOkno();
  void VytvorStranuHlavicky(QWidget* strana);
  void VytvorStranuPolozek(QWidget* strana);
  void VytvorMenu();
  void NavazOvladace();
  void DataSource_FakturaStateChange();
  void DataSource_PolozkyDataChange();
  void ADODataSet_PolozkyAfterInsert();
  void ADODataSet_PolozkyBeforePost();
  void RozvrhniSouhrn();
  void Navigace(bool dopredu);
  void TlacitkoData(int cislo);
  void VymazPole(const QString& pole);
  void VybratVzor(int tag);
  void VyberVzor(QAction* polozka);
  QVariant JednaHodnota(const QString& sql, const QVariantList& parametry, const QString& pole);
  QAction* akce(const QString& nazev, const QString& titulek, const QString& napoveda,
                const QString& kategorie, const QKeySequence& zkratka,
                std::function<void()> provedeni);

  bool maSkoncit_ = false;
  bool nacteno_ = false;  // start-up got as far as the database
  QTabWidget* PageControl1 = nullptr;
  QLabel* La_AktualniObdobi = nullptr;
  QLabel* La_Rezim = nullptr;
  QPushButton* Tl_PMenuTisk = nullptr;
  QPushButton* Tl_VybratVzorFaktury = nullptr;
  QPushButton* Tl_VybratOdberatele = nullptr;
  QMenu* PMenu_Rok = nullptr;
  QMenu* PMenu_Tisk = nullptr;
  QTableView* DBGrid1 = nullptr;
  db::DataSetModel* modelPolozek_ = nullptr;
  QList<QWidget*> vazaneOvladace_;  // the header's data-bound edit boxes and combo box
};
