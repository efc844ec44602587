#include "invoices/Otevrit_f.h"

#include <QHeaderView>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>

#include "app/db/DataSet.h"
#include "common/BezpecnyPrikaz.h"
#include "common/Dialogy.h"
#include "common/Format.h"

namespace {

struct Sloupec {
  const char* titulek;
  bool vpravo;
  int sirka;
};

constexpr Sloupec kSloupce[] = {
    {"Číslo", false, 150}, {"Datum", true, 70},     {"Odběratel", false, 220},
    {"Celkem", true, 80},  {"Splatnost", true, 70}, {"Uhrazeno", true, 70},
    {"Měna", false, 50},
};
constexpr int kPocetSloupcu = int(sizeof(kSloupce) / sizeof(kSloupce[0]));

// The widths were set for a smaller font: a date must still show whole.
int sirkaSloupce(const QWidget& okno, int i) {
  const int datum = okno.fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + 12;
  return i == 1 || i == 4 ? qMax(kSloupce[i].sirka, datum) : kSloupce[i].sirka;
}

QTreeWidget* seznam(const TOtevrit& okno) {
  return okno.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
}

QPushButton* tlacitkoOk(const TOtevrit& okno) {
  return okno.findChild<QPushButton*>(QStringLiteral("Tl_Ok"));
}

void ListView1Click(TOtevrit& okno) {
  tlacitkoOk(okno)->setEnabled(!seznam(okno)->selectedItems().isEmpty());
}

void Tl_OkClick(TOtevrit& okno) {
  const QList<QTreeWidgetItem*> vybrane = seznam(okno)->selectedItems();
  if (vybrane.isEmpty())
    Informace(QStringLiteral("Není vybrána žádná položka"));
  else
    okno.VybraneId = vybrane.first()->data(0, Qt::UserRole).toInt();
  // Closed with Ok either way; the caller looks at VybraneId.
  okno.accept();
}

// The list's own click signals only come for clicks on a row; the dialog reacts to clicks
// anywhere in it, and a click beside the rows leaves nothing selected.
class MysVSeznamu : public QObject {
 public:
  MysVSeznamu(TOtevrit& okno, QTreeWidget& seznam)
      : QObject(&seznam), okno_(okno), seznam_(seznam) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* udalost) override {
    const QEvent::Type typ = udalost->type();
    if (typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonRelease ||
        typ == QEvent::MouseButtonDblClick) {
      auto* mys = static_cast<QMouseEvent*>(udalost);
      if (mys->button() == Qt::LeftButton) {
        QTreeWidgetItem* radek = seznam_.itemAt(mys->position().toPoint());
        if (typ != QEvent::MouseButtonRelease && !radek) seznam_.clearSelection();
        if (typ == QEvent::MouseButtonRelease) ListView1Click(okno_);
        if (typ == QEvent::MouseButtonDblClick) {
          // The second press of a double click chooses the row under it, as any press does.
          if (radek) seznam_.setCurrentItem(radek);
          Tl_OkClick(okno_);
          return true;
        }
      }
    }
    return QObject::eventFilter(objekt, udalost);
  }

 private:
  TOtevrit& okno_;
  QTreeWidget& seznam_;
};

// "0.00", an empty amount as nought.
QString penize(const QVariant& hodnota) {
  return FormatPenizeBezOddelovace(hodnota.isNull() ? 0.0
                                                    : db::naDesetitisiciny(hodnota.toDouble()));
}

// "dd.mm.yyyy" of a stored date ("yyyy-mm-dd", perhaps with a time); empty when there is none.
QString datum(const QVariant& hodnota) {
  if (hodnota.isNull()) return {};
  const QString t = hodnota.toString();
  if (t.size() < 10 || t[4] != u'-' || t[7] != u'-') return {};
  const QStringView v(t);
  const QDate d(v.mid(0, 4).toInt(), v.mid(5, 2).toInt(), v.mid(8, 2).toInt());
  return FormatDatumDvoumistne(d);
}

}  // namespace

TOtevrit::TOtevrit(QWidget* vlastnik, db::DataSet& funkce) : QDialog(vlastnik), funkce_(funkce) {
  setObjectName(QStringLiteral("Otevrit"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  int sirka = 42;  // frame, margins and the vertical scroll bar
  for (int i = 0; i < kPocetSloupcu; ++i) sirka += sirkaSloupce(*this, i);
  setFixedSize(sirka, 400);

  auto* lv = new QTreeWidget(this);
  lv->setObjectName(QStringLiteral("ListView1"));
  lv->setGeometry(8, 8, width() - 16, height() - 57);
  lv->setRootIsDecorated(false);
  lv->setItemsExpandable(false);
  lv->setUniformRowHeights(true);
  lv->setAllColumnsShowFocus(true);
  lv->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv->setSelectionMode(QAbstractItemView::SingleSelection);
  lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lv->setSortingEnabled(false);
  lv->setColumnCount(kPocetSloupcu);
  QHeaderView* hlavicka = lv->header();
  hlavicka->setSectionsClickable(false);
  hlavicka->setSectionsMovable(false);
  hlavicka->setStretchLastSection(false);
  QTreeWidgetItem* titulky = lv->headerItem();
  for (int i = 0; i < kPocetSloupcu; ++i) {
    titulky->setText(i, QString::fromUtf8(kSloupce[i].titulek));
    titulky->setTextAlignment(
        i, (kSloupce[i].vpravo ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    lv->setColumnWidth(i, sirkaSloupce(*this, i));
  }
  // The chosen row stays marked while the buttons have the focus.
  QPalette barvy = lv->palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    barvy.setColor(QPalette::Inactive, role, barvy.color(QPalette::Active, role));
  lv->setPalette(barvy);
  lv->viewport()->installEventFilter(new MysVSeznamu(*this, *lv));

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Tl_Ok"));
  ok->setGeometry(width() - 168, height() - 37, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { Tl_OkClick(*this); });
  auto* storno = new QPushButton(QStringLiteral("Storno"), this);
  storno->setObjectName(QStringLiteral("Tl_Storno"));
  storno->setGeometry(width() - 83, height() - 37, 75, 25);
  connect(storno, &QPushButton::clicked, this, &QDialog::reject);

  // FormCreate
  ok->setEnabled(false);
  lv->setFocus();
}

void TOtevrit::NaplnSeznam(int rok, const QString& dalsiPodminka) {
  QTreeWidget* lv = seznam(*this);
  lv->clear();

  funkce_.zavri();
  funkce_.nastavSql(
      "SELECT * FROM Faktura WHERE LEFT(RIGHT(Cislo, 8), 4) = ?" + dalsiPodminka + " ORDER BY Id",
      {QString::number(rok)});
  db::ZavriNaKonci zavreni(funkce_);
  funkce_.otevri();

  // Fields looked up once: a year can hold thousands of invoices.
  const int id = funkce_.indexPole(QStringLiteral("Id"));
  const int cislo = funkce_.indexPole(QStringLiteral("Cislo"));
  const int datumVystaveni = funkce_.indexPole(QStringLiteral("DatumVystaveni"));
  const int nazev1 = funkce_.indexPole(QStringLiteral("Nazev1"));
  const int castka = funkce_.indexPole(QStringLiteral("Castka"));
  const int datumSplatnosti = funkce_.indexPole(QStringLiteral("DatumSplatnosti"));
  const int uhrada = funkce_.indexPole(QStringLiteral("Uhrada"));
  const int mena = funkce_.indexPole(QStringLiteral("Mena"));

  // Built apart and added at once, so the list is laid out only once.
  QList<QTreeWidgetItem*> radky;
  radky.reserve(funkce_.pocetRadku());
  try {
    for (int r = 0; r < funkce_.pocetRadku(); ++r) {
      const auto pole = [this, r](int i) { return funkce_.hodnotaRadku(r, i); };
      auto* radek = new QTreeWidgetItem;
      radky.append(radek);
      radek->setText(0, pole(cislo).toString());
      radek->setText(1, datum(pole(datumVystaveni)));
      radek->setText(2, pole(nazev1).toString());
      radek->setText(3, penize(pole(castka)));
      radek->setText(4, datum(pole(datumSplatnosti)));
      radek->setText(5, penize(pole(uhrada)));
      radek->setText(6, pole(mena).toString());
      for (int i = 0; i < kPocetSloupcu; ++i)
        if (kSloupce[i].vpravo) radek->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
      radek->setData(0, Qt::UserRole, pole(id).toLongLong());
    }
  } catch (...) {
    qDeleteAll(radky);
    throw;
  }
  lv->addTopLevelItems(radky);
}

void TOtevrit::showEvent(QShowEvent* udalost) {
  QDialog::showEvent(udalost);
  // Only when the dialog is shown, not when the window manager restores it.
  if (udalost->spontaneous()) return;
  setWindowTitle("Otevřít fakturu, rok " + QString::number(Rok));
  bool naplneno = false;
  BezpecnyPrikaz([this, &naplneno] {
    NaplnSeznam(Rok, DalsiPodminka);
    naplneno = true;
  });
  // A failed query abandons the choice; closing now would stall a modal loop not yet running.
  if (!naplneno) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}
