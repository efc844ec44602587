#include "app/Hlavni_f.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/db/DataSet.h"
#include "app/db/DataSetModel.h"
#include "app/db/Databaze.h"
#include "app/db/PoleEditace.h"
#include "common/BezpecnyPrikaz.h"
#include "common/Dialogy.h"
#include "invoices/Penize.h"

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

void obarvi(QWidget* w, const QColor& barva, QPalette::ColorRole role = QPalette::WindowText) {
  QPalette p = w->palette();
  p.setColor(role, barva);
  w->setPalette(p);
}

QLabel* tucnyPopisek(const QString& nazev, QWidget* rodic) {
  auto* l = new QLabel(rodic);
  l->setObjectName(nazev);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

// A button that follows its command: caption (unless given its own), hint and enabled state.
QPushButton* tlacitkoAkce(QAction* akce, QWidget* rodic, const QString& nazev,
                          const QString& vlastniTitulek = {}) {
  auto* t = new QPushButton(rodic);
  t->setObjectName(nazev);
  auto sladit = [t, akce, vlastniTitulek] {
    t->setText(vlastniTitulek.isEmpty() ? akce->text() : vlastniTitulek);
    t->setToolTip(akce->toolTip());
    t->setStatusTip(akce->statusTip());
    t->setEnabled(akce->isEnabled());
  };
  sladit();
  QObject::connect(akce, &QAction::changed, t, sladit);
  QObject::connect(t, &QPushButton::clicked, akce, &QAction::trigger);
  return t;
}

QPushButton* maleTlacitko(const QString& nazev, const QString& titulek, const QString& napoveda,
                          QWidget* rodic) {
  auto* t = new QPushButton(titulek, rodic);
  t->setObjectName(nazev);
  t->setToolTip(napoveda);
  t->setStatusTip(napoveda);
  t->setFocusPolicy(Qt::NoFocus);
  t->setFixedWidth(24);
  return t;
}

}  // namespace

THlavni::THlavni(const QString& slozkaProgramu, QWidget* rodic) : QMainWindow(rodic) {
  setObjectName("Hlavni");
  SlozkaProgramu = QDir::cleanPath(slozkaProgramu) + QDir::separator();
  ADODataSet_Faktura = std::make_unique<db::DataSet>(ADOConnection1, "Faktura");
  ADODataSet_Polozky = std::make_unique<db::DataSet>(ADOConnection1, "Polozky");
  ADODataSet_Funkce = std::make_unique<db::DataSet>(ADOConnection1);
  VytvorAkce();
  VytvorOkno();
  VytvorMenu();
  // Watches the year label and, for the command keys, every control of the window.
  qApp->installEventFilter(this);
  FormCreate();
}

THlavni::~THlavni() {
  qApp->removeEventFilter(this);
  FormClose();
  // The controls and the grid model refer to the datasets, which go before the base class
  // would delete the controls.
  delete takeCentralWidget();
}

QAction* THlavni::akce(const QString& nazev, const QString& titulek, const QString& napoveda,
                       const QString& kategorie, const QKeySequence& zkratka,
                       std::function<void()> provedeni) {
  auto* a = new QAction(titulek, this);
  a->setObjectName(nazev);
  a->setToolTip(napoveda);
  a->setStatusTip(napoveda);
  a->setProperty("kategorie", kategorie);
  if (!zkratka.isEmpty()) a->setShortcut(zkratka);
  a->setShortcutContext(Qt::WindowShortcut);
  if (provedeni)
    connect(a, &QAction::triggered, this, [provedeni] { BezpecnyPrikaz(provedeni); });
  addAction(a);
  return a;
}

void THlavni::VytvorAkce() {
  const QString h = "Hlavni";
  const QString p = "Polozky";
  Akce_NovaFaktura = akce("Akce_NovaFaktura", "Nová", "Založení nové faktury", h,
                          QKeySequence("Ctrl+N"), [this] { Akce_NovaFakturaExecute(); });
  Akce_OtevritFakturu = akce("Akce_OtevritFakturu", "Otevřít", "Otevřít fakturu", h,
                             QKeySequence("Ctrl+O"), [this] { Akce_OtevritFakturuExecute(); });
  Akce_ZavritFakturu = akce("Akce_ZavritFakturu", "Zavřít", "Zavřít fakturu", h, {},
                            [this] { ZobrazFakturu(-1, false); });
  Akce_UlozitFakturu = akce("Akce_UlozitFakturu", "Uložit", "Uložit změny", h,
                            QKeySequence("Ctrl+S"), [this] { Akce_UlozitFakturuExecute(); });
  Akce_Storno = akce("Akce_Storno", "Storno", "Stornovat změny", h, {},
                     [this] { Akce_StornoExecute(); });
  // The item commands come with the item editor; until then they do nothing.
  Akce_NovaPolozka = akce("Akce_NovaPolozka", "Nová položka", "Nová položka faktury", p,
                          QKeySequence(Qt::Key_Insert), {});
  Akce_EditacePolozky = akce("Akce_EditacePolozky", "Editace", "Editace vybrané položky", p,
                             QKeySequence(Qt::SHIFT | Qt::Key_Insert), {});
  Akce_SmazaniPolozky = akce("Akce_SmazaniPolozky", "Smazat", "Smazání vybrané položky", p,
                             QKeySequence(Qt::SHIFT | Qt::Key_Delete), {});
  Akce_TiskFaktury = akce("Akce_TiskFaktury", "Tisk", "Tisk", h, QKeySequence("Ctrl+P"), {});
  Akce_TiskPrijmovehoDokladu = akce("Akce_TiskPrijmovehoDokladu", "Příj. doklad",
                                    "Tisk příjmového dokladu", h, {}, {});
  Akce_Prehledy = akce("Akce_Prehledy", "Přehledy", "Přehledy - generátor sestav", h, {}, {});
  Akce_NastaveniRoku = akce("Akce_NastaveniRoku", "Nastavení roku", "Nastavení roku", h, {},
                            [this] { Akce_NastaveniRokuExecute(); });
  Akce_Konfig = akce("Akce_Konfig", "Nastavení programu", "Nastavení programu", h, {}, {});
  const QString kontrola = "Kontrola keoficientů pro výpočet DPH zhora";
  Akce_KontrolaKoefDPH = akce("Akce_KontrolaKoefDPH", kontrola, kontrola, h, {},
                              [this] { Akce_KontrolaKoefDPHExecute(); });
  const QString napoveda = "Podrobná nápověda (on-line)";
  Akce_Napoveda = akce("Akce_Napoveda", napoveda, napoveda, h, {},
                       [] { OtevriDokument("https://tarvion.cz/napoveda", {}); });
  const QString domu = "Tarvion - domovská stránka";
  Akce_WebDomu = akce("Akce_WebDomu", domu, domu, h, QKeySequence(Qt::Key_F1),
                      [] { OtevriDokument("https://tarvion.cz", {}); });
  const QString fr = "Dokumentace k tiskovému modulu (on-line)";
  Akce_WebFR = akce("Akce_WebFR", fr, fr, h, {},
                    [] { OtevriDokument("https://tarvion.cz/tiskmod", {}); });
  Akce_OProgramu = akce("Akce_OProgramu", "O programu", "O programu", h, {}, {});
  Akce_Konec = akce("Akce_Konec", "Konec", "Ukončení programu", h, {}, [this] { close(); });
  const QString nav = "FormularNavigace";
  Akce_StiskEnter = akce("Akce_StiskEnter", {}, {}, nav, QKeySequence(Qt::Key_Return),
                         [this] { Navigace(true); });
  Akce_StiskEnter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  Akce_StiskVpravo = akce("Akce_StiskVpravo", {}, {}, nav, QKeySequence(Qt::CTRL | Qt::Key_Right),
                          [this] { Navigace(true); });
  Akce_StiskVlevo = akce("Akce_StiskVlevo", {}, {}, nav, QKeySequence(Qt::CTRL | Qt::Key_Left),
                         [this] { Navigace(false); });
}

void THlavni::VytvorOkno() {
  setWindowTitle("Tarvion");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  auto* stred = new QWidget(this);
  setCentralWidget(stred);
  auto* svisle = new QVBoxLayout(stred);
  svisle->setContentsMargins(0, 0, 0, 0);
  svisle->setSpacing(0);

  auto* panel = new QFrame(stred);
  panel->setObjectName("Panel_Nastroje");
  panel->setFixedHeight(41);
  auto* nastroje = new QHBoxLayout(panel);
  nastroje->setContentsMargins(6, 4, 6, 4);
  nastroje->addWidget(tlacitkoAkce(Akce_NovaFaktura, panel, "Tl_NovaFaktura"));
  nastroje->addWidget(tlacitkoAkce(Akce_OtevritFakturu, panel, "Tl_OtevritFakturu"));
  nastroje->addWidget(tlacitkoAkce(Akce_ZavritFakturu, panel, "Tl_ZavritFakturu"));
  nastroje->addSpacing(16);
  La_AktualniObdobi = tucnyPopisek("La_AktualniObdobi", panel);
  obarvi(La_AktualniObdobi, QColor(0, 137, 194));
  La_AktualniObdobi->setCursor(Qt::PointingHandCursor);
  nastroje->addWidget(La_AktualniObdobi);
  nastroje->addStretch(1);
  nastroje->addWidget(tlacitkoAkce(Akce_Prehledy, panel, "Tl_Prehledy"));
  nastroje->addWidget(tlacitkoAkce(Akce_Konfig, panel, "Tl_Konfig", "Nastavení"));
  nastroje->addWidget(tlacitkoAkce(Akce_Konec, panel, "Tl_Konec"));
  svisle->addWidget(panel);

  auto* cara = new QFrame(stred);
  cara->setFrameShape(QFrame::HLine);
  cara->setFrameShadow(QFrame::Sunken);
  svisle->addWidget(cara);

  PageControl1 = new QTabWidget(stred);
  PageControl1->setObjectName("PageControl1");
  auto* tab1 = new QWidget;
  tab1->setObjectName("TabSheet1");
  auto* tab2 = new QWidget;
  tab2->setObjectName("TabSheet2");
  PageControl1->addTab(tab1, "Vstupní údaje");
  PageControl1->addTab(tab2, "Položky");
  VytvorStranuHlavicky(tab1);
  VytvorStranuPolozek(tab2);
  svisle->addWidget(PageControl1, 1);
  svisle->addStretch(0);  // holds the toolbar at the top while no invoice is open
  statusBar();

  // Our fonts are larger than the ones the layout was drawn for: keep at least its size.
  setMinimumSize(780, 630);
  resize(minimumSize().expandedTo(sizeHint()));
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void THlavni::VytvorStranuHlavicky(QWidget* strana) {
  auto editace = [this](const QString& nazev, QWidget* rodic, bool jenCteni = false) {
    auto* e = new QLineEdit(rodic);
    e->setObjectName(nazev);
    e->setReadOnly(jenCteni);
    vazaneOvladace_ << e;
    return e;
  };
  auto radek = [](QGridLayout* m, int r, int sloupec, const QString& popisek, QWidget* ovladac,
                  QWidget* tlacitko = nullptr) {
    m->addWidget(new QLabel(popisek), r, sloupec);
    m->addWidget(ovladac, r, sloupec + 1);
    if (tlacitko) m->addWidget(tlacitko, r, sloupec + 2);
  };
  const QString kalendar = "Vyvolá kalendář";

  auto* svisle = new QVBoxLayout(strana);

  // Invoice data.
  auto* gVstup = new QGroupBox("Vstupní údaje", strana);
  gVstup->setObjectName("GBox_VstupniUdaje");
  auto* mVstup = new QGridLayout(gVstup);
  auto* cislo = editace("DBEd_Cislo", gVstup, true);
  cislo->setFocusPolicy(Qt::ClickFocus);
  obarvi(cislo, QColor(220, 220, 220), QPalette::Base);
  Tl_VybratVzorFaktury = maleTlacitko("Tl_VybratVzorFaktury", "...",
                                      "Vybrat vzor podle existující faktury", gVstup);
  Tl_VybratVzorFaktury->setProperty("tag", 1);
  radek(mVstup, 0, 0, "Číslo faktury", cislo, Tl_VybratVzorFaktury);
  radek(mVstup, 1, 0, "Variabilni symbol", editace("DBEd_VariabilniSymbol", gVstup));
  radek(mVstup, 2, 0, "Objednávka", editace("DBEd_Objednavka", gVstup));
  radek(mVstup, 3, 0, "Příjemce", editace("DBEd_Prijemce", gVstup));
  radek(mVstup, 4, 0, "Místo vyskladnění", editace("DBEd_Vyskladneni", gVstup));
  auto* forma = new QComboBox(gVstup);
  forma->setObjectName("DBCBoxFormaUhrady");
  forma->setEditable(true);
  forma->addItems({"PP", "H"});
  forma->setInsertPolicy(QComboBox::NoInsert);
  forma->setCompleter(nullptr);  // what is typed is stored, not silently completed
  vazaneOvladace_ << forma;
  radek(mVstup, 0, 3, "Forma úhrady", forma);
  const char* datumy[3][2] = {{"DBEd_DatumPlneni", "Datum plnění"},
                              {"DBEd_DatumVystaveni", "Datum vystavení"},
                              {"DBEd_DatumSplatnosti", "Datum splatnosti"}};
  for (int i = 0; i < 3; ++i) {
    auto* t = maleTlacitko(QString("Tl_Datum%1").arg(i + 1), "...", kalendar, gVstup);
    connect(t, &QPushButton::clicked, this, [this, i] { BezpecnyPrikaz([this, i] { TlacitkoData(i + 1); }); });
    radek(mVstup, i + 1, 3, datumy[i][1], editace(datumy[i][0], gVstup, true), t);
  }
  radek(mVstup, 4, 3, "Měna", editace("DBEd_Mena", gVstup));
  svisle->addWidget(gVstup);

  // Customer.
  auto* gOdberatel = new QGroupBox("Odběratel", strana);
  gOdberatel->setObjectName("GBox_Odberatel");
  auto* mOdb = new QGridLayout(gOdberatel);
  Tl_VybratOdberatele = maleTlacitko("Tl_VybratOdberatele", "...",
                                     "Přenést údaje odběratele z jiné existující faktury",
                                     gOdberatel);
  Tl_VybratOdberatele->setProperty("tag", 2);
  radek(mOdb, 0, 0, "Kód odběratele", editace("DBEd_KodOdberatele", gOdberatel),
        Tl_VybratOdberatele);
  radek(mOdb, 1, 0, "Název 1", editace("DBEd_Nazev1", gOdberatel));
  radek(mOdb, 2, 0, "Název 2", editace("DBEd_Nazev2", gOdberatel));
  radek(mOdb, 3, 0, "Odpovědná osoba", editace("DBEd_OdpovednaOsoba", gOdberatel));
  radek(mOdb, 0, 3, "Ulice, číslo", editace("DBEd_UliceCislo", gOdberatel));
  radek(mOdb, 1, 3, "PSČ", editace("DBEd_PSC", gOdberatel));
  radek(mOdb, 2, 3, "Město", editace("DBEd_Mesto", gOdberatel));
  radek(mOdb, 3, 3, "IČ", editace("DBEd_IC", gOdberatel));
  radek(mOdb, 4, 3, "DIČ", editace("DBEd_DIC", gOdberatel));
  svisle->addWidget(gOdberatel);
  for (auto* t : {Tl_VybratVzorFaktury, Tl_VybratOdberatele}) {
    connect(t, &QPushButton::clicked, this, [this, t] {
      BezpecnyPrikaz([this, t] { VybratVzor(t->property("tag").toInt()); });
    });
  }

  auto* gKomentare = new QGroupBox("Komentáře připojené k faktuře", strana);
  gKomentare->setObjectName("GBox_Komentare");
  auto* mKom = new QGridLayout(gKomentare);
  radek(mKom, 0, 0, "Komentář 1", editace("DBEd_Komentar1", gKomentare));
  radek(mKom, 1, 0, "Komentář 2", editace("DBEd_Komentar2", gKomentare));
  svisle->addWidget(gKomentare);

  auto* uhrady = new QHBoxLayout;
  auto* gDatumUhrady = new QGroupBox("Datum úhrady", strana);
  gDatumUhrady->setObjectName("GBox_DatumUhrady");
  auto* mDU = new QHBoxLayout(gDatumUhrady);
  mDU->addWidget(editace("DBEd_DatumUhrady", gDatumUhrady, true));
  auto* tDatum4 = maleTlacitko("Tl_Datum4", "...", kalendar, gDatumUhrady);
  connect(tDatum4, &QPushButton::clicked, this, [this] { BezpecnyPrikaz([this] { TlacitkoData(4); }); });
  auto* tDatum4Del = maleTlacitko("Tl_Datum4Del", "x", "Zruší datum úhrady", gDatumUhrady);
  connect(tDatum4Del, &QPushButton::clicked, this,
          [this] { BezpecnyPrikaz([this] { VymazPole("DatumUhrady"); }); });
  mDU->addWidget(tDatum4);
  mDU->addWidget(tDatum4Del);
  auto* gUhrada = new QGroupBox("Úhrada ", strana);
  gUhrada->setObjectName("GBox_Uhrada");
  auto* mU = new QHBoxLayout(gUhrada);
  auto* uhrada = editace("DBEd_Uhrada", gUhrada);
  uhrada->setAlignment(Qt::AlignRight);
  mU->addWidget(uhrada);
  auto* tUhradaDel = maleTlacitko("Tl_UhradaDel", "x", "Zruší částku úhrady úhrady", gUhrada);
  connect(tUhradaDel, &QPushButton::clicked, this,
          [this] { BezpecnyPrikaz([this] { VymazPole("Uhrada"); }); });
  mU->addWidget(tUhradaDel);
  uhrady->addWidget(gDatumUhrady);
  uhrady->addWidget(gUhrada);
  svisle->addLayout(uhrady);
  svisle->addStretch(1);

  auto* spodek = new QHBoxLayout;
  La_Rezim = new QLabel(strana);
  La_Rezim->setObjectName("La_Rezim");
  spodek->addWidget(La_Rezim);
  spodek->addStretch(1);
  auto* castka = tucnyPopisek("DB_Castka", strana);
  castka->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  obarvi(castka, kMaroon);
  auto* mena = tucnyPopisek("DB_Mena", strana);
  obarvi(mena, kMaroon);
  spodek->addWidget(castka);
  spodek->addWidget(mena);
  spodek->addSpacing(16);
  spodek->addWidget(tlacitkoAkce(Akce_UlozitFakturu, strana, "Tl_UlozitFakturu"));
  spodek->addWidget(tlacitkoAkce(Akce_Storno, strana, "Tl_Storno"));
  spodek->addWidget(tlacitkoAkce(Akce_TiskFaktury, strana, "Tl_TiskFaktury"));
  Tl_PMenuTisk = new QPushButton("...", strana);
  Tl_PMenuTisk->setObjectName("Tl_PMenuTisk");
  Tl_PMenuTisk->setFocusPolicy(Qt::NoFocus);
  Tl_PMenuTisk->setFixedWidth(24);
  spodek->addWidget(Tl_PMenuTisk);
  spodek->addWidget(tlacitkoAkce(Akce_TiskPrijmovehoDokladu, strana, "Tl_TiskPrijmovehoDokladu"));
  svisle->addLayout(spodek);

  PMenu_Tisk = new QMenu(this);
  PMenu_Tisk->setObjectName("PMenu_Tisk");
  const std::pair<const char*, int> varianty[] = {{"Základní faktura", 1}, {"Proforma faktura", 2},
                                                  {"Daňový doklad", 3},    {"Dobropis", 4},
                                                  {"Dodací list", 6},      {"Cenová nabídka", 10}};
  for (const auto& [titulek, tag] : varianty) PMenu_Tisk->addAction(titulek)->setData(tag);
  connect(Tl_PMenuTisk, &QPushButton::clicked, this,
          [this] { PMenu_Tisk->popup(Tl_PMenuTisk->mapToGlobal(QPoint(0, Tl_PMenuTisk->height()))); });

  PMenu_Rok = new QMenu(this);
  PMenu_Rok->setObjectName("PMenu_Rok");

  // Tab order follows the fields as they are read, across the group boxes.
  for (int i = 1; i < vazaneOvladace_.size(); ++i)
    setTabOrder(vazaneOvladace_[i - 1], vazaneOvladace_[i]);
}

void THlavni::VytvorStranuPolozek(QWidget* strana) {
  auto* svisle = new QVBoxLayout(strana);
  auto* horni = new QHBoxLayout;
  horni->addWidget(tlacitkoAkce(Akce_NovaPolozka, strana, "Tl_NovaPolozka"));
  horni->addWidget(tlacitkoAkce(Akce_EditacePolozky, strana, "Tl_EditacePolozky"));
  horni->addWidget(tlacitkoAkce(Akce_SmazaniPolozky, strana, "Tl_SmazaniPolozky"));
  horni->addStretch(1);
  svisle->addLayout(horni);

  DBGrid1 = new QTableView(strana);
  DBGrid1->setObjectName("DBGrid1");
  modelPolozek_ = new db::DataSetModel(*ADODataSet_Polozky, DBGrid1);
  DBGrid1->setModel(modelPolozek_);
  DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  DBGrid1->horizontalHeader()->setSectionsClickable(false);
  DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
  connect(DBGrid1, &QTableView::doubleClicked, Akce_EditacePolozky, &QAction::trigger);
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& i) {
            if (i.isValid()) BezpecnyPrikaz([this, i] { ADODataSet_Polozky->jdiNa(i.row()); });
          });
  svisle->addWidget(DBGrid1, 1);

  auto* souhrn = new QFrame(strana);
  souhrn->setObjectName("Panel_Souhrn");
  auto* m = new QGridLayout(souhrn);
  const char* hlavicky[] = {"Základ", "Sazba DPH", "DPH", "Úhrnem"};
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(hlavicky[i], souhrn);
    l->setObjectName(QString("La_Hlavicka%1").arg(i + 1));
    l->setAlignment(Qt::AlignRight);
    m->addWidget(l, 0, i + 2);
  }
  m->addWidget(new QLabel("Aktuální položka", souhrn), 1, 0);
  m->addWidget(new QLabel("Celkem", souhrn), 2, 0);
  const char* aktualni[] = {"La_Poradi", "La_APCelkem", "La_APSazbaDPH", "La_APDPH",
                            "La_CelkemRadek"};
  for (int i = 0; i < 5; ++i) {
    auto* l = tucnyPopisek(aktualni[i], souhrn);
    l->setAlignment(Qt::AlignRight);
    obarvi(l, kNavy);
    m->addWidget(l, 1, i + 1);
  }
  const char* celkem[] = {"La_CelkemPolozek", "La_SACelkem", "La_SADPH", "La_CelkemFaktura"};
  const int sloupce[] = {1, 2, 4, 5};
  for (int i = 0; i < 4; ++i) {
    auto* l = tucnyPopisek(celkem[i], souhrn);
    l->setAlignment(Qt::AlignRight);
    obarvi(l, kMaroon);
    m->addWidget(l, 2, sloupce[i]);
  }
  auto* mena2 = tucnyPopisek("DB_Mena2", souhrn);
  obarvi(mena2, kMaroon);
  m->addWidget(mena2, 2, 6);
  m->setColumnStretch(7, 1);
  svisle->addWidget(souhrn);
}

void THlavni::VytvorMenu() {
  QMenuBar* mb = menuBar();
  mb->setObjectName("MainMenu1");
  QMenu* faktury = mb->addMenu("Faktury");
  faktury->setObjectName("HMenu_Faktury");
  faktury->addActions({Akce_NovaFaktura, Akce_OtevritFakturu, Akce_ZavritFakturu});
  faktury->addSeparator();
  faktury->addAction(Akce_Konec);
  QMenu* nastroje = mb->addMenu("Nástroje");
  nastroje->setObjectName("HMenu_Nastroje");
  nastroje->addAction(Akce_Prehledy);
  nastroje->addSeparator();
  nastroje->addActions({Akce_NastaveniRoku, Akce_Konfig});
  nastroje->addSeparator();
  nastroje->addAction(Akce_KontrolaKoefDPH);
  QMenu* napoveda = mb->addMenu("Nápověda");
  napoveda->setObjectName("HMenu_Napoveda");
  napoveda->addActions({Akce_Napoveda, Akce_WebDomu, Akce_WebFR});
  napoveda->addSeparator();
  napoveda->addAction(Akce_OProgramu);
}

void THlavni::FormCreate() {
  QApplication::setApplicationName("Tarvion");
  setWindowTitle("Tarvion");

  const QString ses = SlozkaProgramu + "Ses";
  if (!QFileInfo(ses).isDir()) QDir().mkpath(ses);
  if (!QFileInfo(ses).isDir()) {
    // The window still opens, without settings and database; its commands then report
    // that the database is not connected.
    Informace("Nebyl nalezen adresář Ses a pokus o jeho založení selhal.\n"
              "Chybu napravíte přeinstalací programu.");
    ZobrazFakturu(-1, false);
    return;
  }

  Nastaveni = NacistNastaveni(SlozkaProgramu + "Tarvion.ini");
  if (Nastaveni.AktualniRok < 2015) Nastaveni.AktualniRok = 2015;
  La_AktualniObdobi->setText("Období " + QString::number(Nastaveni.AktualniRok));

  const QString databaze = SlozkaProgramu + "Tarvion.mdb";
  if (!QFileInfo::exists(databaze)) db::ZalozitDatabazi(databaze);
  if (!QFileInfo::exists(databaze)) {
    Varovani({}, "Nebyl nalezen soubor databáze \"" + QDir::toNativeSeparators(databaze) +
                     "\" a pokus o jeho nové založení selhal.\nAplikace bude ukončena.");
    maSkoncit_ = true;
    return;
  }
  if (!db::PripojitDatabazi(ADOConnection1, databaze)) {
    Varovani({}, "Selhalo připojení k databázi. Aplikace bude ukončena.");
    maSkoncit_ = true;
    return;
  }

  KoefDPH1 = KoeficientDPH(Nastaveni.SazbaDPH1);
  KoefDPH2 = KoeficientDPH(Nastaveni.SazbaDPH2);
  KoefDPH3 = KoeficientDPH(Nastaveni.SazbaDPH3);
  NavazOvladace();
  nacteno_ = true;
  ZobrazFakturu(-1, false);
}

void THlavni::NavazOvladace() {
  for (QWidget* w : vazaneOvladace_) {
    const QString pole = w->objectName() == "DBCBoxFormaUhrady" ? "FormaUhrady"
                                                                : w->objectName().mid(5);
    new db::PoleEditace(w, *ADODataSet_Faktura, pole);
  }
  new db::PoleEditace(findChild<QLabel*>("DB_Castka"), *ADODataSet_Faktura, "Castka");
  new db::PoleEditace(findChild<QLabel*>("DB_Mena"), *ADODataSet_Faktura, "Mena");
  new db::PoleEditace(findChild<QLabel*>("DB_Mena2"), *ADODataSet_Faktura, "Mena");

  connect(ADODataSet_Faktura.get(), &db::DataSet::stavZmenen, this,
          [this] { DataSource_FakturaStateChange(); });
  connect(ADODataSet_Polozky.get(), &db::DataSet::dataZmenena, this,
          [this] { DataSource_PolozkyDataChange(); });
  connect(ADODataSet_Polozky.get(), &db::DataSet::poVlozeni, this,
          [this] { ADODataSet_PolozkyAfterInsert(); });
  connect(ADODataSet_Polozky.get(), &db::DataSet::predUlozenim, this,
          [this] { ADODataSet_PolozkyBeforePost(); });
}

bool THlavni::FormCloseQuery() {
  const db::StavDat stav = ADODataSet_Faktura->stav();
  if (stav != db::StavDat::Editace && stav != db::StavDat::Vkladani) return true;
  const int odpoved = Dotaz("Pozor!",
                            "Faktura je v režimu editace. Pokud byly hodnoty záznamu změněny, "
                            "požadujete jejich uložení?",
                            3);
  if (odpoved == Dialogy::Ano) {
    bool ulozeno = false;
    BezpecnyPrikaz([&] {
      Akce_UlozitFakturuExecute();
      ulozeno = true;
    });
    return ulozeno;
  }
  if (odpoved == Dialogy::Ne) {
    Akce_StornoExecute();
    return true;
  }
  return false;
}

void THlavni::FormClose() {
  for (auto* d : {ADODataSet_Polozky.get(), ADODataSet_Faktura.get(), ADODataSet_Funkce.get()})
    if (d && d->jeOtevreny()) d->zavri();
  ADOConnection1.zavri();
}

void THlavni::closeEvent(QCloseEvent* udalost) {
  if (!FormCloseQuery()) {
    udalost->ignore();
    return;
  }
  FormClose();
  udalost->accept();
}

bool THlavni::JeOtevrenaFaktura() const { return !PageControl1->isHidden(); }

void THlavni::Navigace(bool dopredu) {
  if (PageControl1->currentIndex() != 0) return;
  QWidget* fokus = QApplication::focusWidget();
  if (!fokus || !isAncestorOf(fokus)) return;
  bool vazany = false;
  for (QWidget* w : vazaneOvladace_)
    if (w == fokus || w->isAncestorOf(fokus)) vazany = true;
  if (vazany) focusNextPrevChild(dopredu);
}

bool THlavni::eventFilter(QObject* objekt, QEvent* udalost) {
  if (objekt == La_AktualniObdobi && udalost->type() == QEvent::MouseButtonRelease) {
    BezpecnyPrikaz([this] { Akce_NastaveniRokuExecute(); });
    return true;
  }
  // The window's command keys win over what an edit box or grid would do with them
  // (overwrite mode, paste, cut, word moves).
  if (udalost->type() == QEvent::ShortcutOverride) {
    auto* w = qobject_cast<QWidget*>(objekt);
    if (w && (w == this || isAncestorOf(w))) {
      auto* klavesa = static_cast<QKeyEvent*>(udalost);
      const QKeySequence stisk(klavesa->keyCombination());
      for (QAction* a : actions()) {
        if (!a->isEnabled()) continue;
        for (const QKeySequence& z : a->shortcuts()) {
          if (z.matches(stisk) == QKeySequence::ExactMatch) {
            udalost->ignore();
            return true;
          }
        }
      }
    }
  }
  return QMainWindow::eventFilter(objekt, udalost);
}

QVariant THlavni::JednaHodnota(const QString& sql, const QVariantList& parametry,
                               const QString& pole) {
  db::ZavriNaKonci zavri(*ADODataSet_Funkce);
  ADODataSet_Funkce->zavri();
  ADODataSet_Funkce->nastavSql(sql, parametry);
  ADODataSet_Funkce->otevri();
  return ADODataSet_Funkce->eof() ? QVariant() : ADODataSet_Funkce->hodnota(pole);
}

void THlavni::Akce_KontrolaKoefDPHExecute() {
  auto radek = [](int sazba, double koef) {
    return "DPH " + QString::number(sazba) + "%   " + QString::number(koef, 'g', 15).replace(u'.', u',');
  };
  ZobrazText("Koeficienty DPH pro jednotlivé sazby",
             radek(Nastaveni.SazbaDPH1, KoefDPH1) + "\r\n" + radek(Nastaveni.SazbaDPH2, KoefDPH2) +
                 "\r\n" + radek(Nastaveni.SazbaDPH3, KoefDPH3),
             false);
}
