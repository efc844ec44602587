#pragma once
// The whole program in a temporary folder: the main window created as at start, with its
// dialogs answered by a script and today fixed.
#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/Hlavni_f.h"
#include "app/db/DataSet.h"
#include "app/db/Databaze.h"
#include "common/Hodiny.h"
#include "tests/SkriptovanyOdpovidac.h"

struct ProgramVeSlozce {
  QTemporaryDir slozka;
  SkriptovanyOdpovidac odpovidac;
  std::unique_ptr<THlavni> okno;

  explicit ProgramVeSlozce(QDate dnes = QDate(2017, 3, 15)) {
    Hodiny::nastav(QDateTime(dnes, QTime(10, 30)));
  }
  ~ProgramVeSlozce() {
    okno.reset();
    Hodiny::nastav({});
  }

  QString cesta(const QString& jmeno) const { return slozka.filePath(jmeno); }
  void ini(const QByteArray& obsah) {
    QFile f(cesta("Tarvion.ini"));
    f.open(QIODevice::WriteOnly);
    f.write(obsah);
  }
  THlavni& spust() {
    okno = std::make_unique<THlavni>(slozka.path());
    okno->show();
    QApplication::setActiveWindow(okno.get());
    return *okno;
  }
  template <typename T = QWidget>
  T* najdi(const QString& nazev) const {
    return okno->findChild<T*>(nazev);
  }
  QLineEdit* pole(const QString& nazev) const { return najdi<QLineEdit>(nazev); }

  // A statement straight on the program's database.
  void sql(const QString& prikaz, const QVariantList& parametry = {}) {
    okno->ADOConnection1.proved(prikaz, parametry);
  }
  // Read from the file through a connection of its own: what is really stored.
  QVariant hodnota(const QString& dotaz, const QVariantList& parametry = {}) {
    db::Pripojeni spojeni;
    if (!spojeni.otevri(cesta("Tarvion.mdb"))) return QString("<databáze nejde otevřít>");
    db::DataSet d(spojeni);
    d.nastavSql(dotaz, parametry);
    d.otevri();
    return d.eof() ? QVariant() : d.hodnotaRadku(0, 0);
  }
};

// Types text as key presses, also letters outside ASCII, which QTest::keyClicks cannot.
inline void napis(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent stisk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &stisk);
    QKeyEvent pusteni(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &pusteni);
  }
}

// Presses Ok of a dialog the way a user would and reports how it ended.
inline int stiskniOk(QDialog& d) {
  auto* ok = d.findChild<QPushButton*>("Tl_Ok");
  if (!ok) return QDialog::Rejected;
  QTest::mouseClick(ok, Qt::LeftButton);
  return d.result();
}

// Picks a day in the date dialog and confirms it.
inline SkriptovanyOdpovidac::Odpoved zvolDatum(QDate datum) {
  return [datum](QDialog& d) {
    auto* kalendar = d.findChild<QCalendarWidget*>("MonthCalendar1");
    kalendar->setSelectedDate(datum);
    emit kalendar->clicked(datum);
    return stiskniOk(d);
  };
}

// In the open-invoice dialog: records the listed numbers, clicks the row of the number
// (when given) and confirms.
inline SkriptovanyOdpovidac::Odpoved vyberFakturu(const QString& cislo,
                                                  QStringList* nabidnute = nullptr) {
  return [cislo, nabidnute](QDialog& d) {
    auto* seznam = d.findChild<QTreeWidget*>("ListView1");
    for (int i = 0; i < seznam->topLevelItemCount(); ++i) {
      QTreeWidgetItem* r = seznam->topLevelItem(i);
      if (nabidnute) *nabidnute << r->text(0);
      if (r->text(0) == cislo) {
        seznam->scrollToItem(r);
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {},
                          seznam->visualItemRect(r).center());
      }
    }
    return stiskniOk(d);
  };
}

// In the new-invoice dialog: optionally types a prefix, then confirms.
inline SkriptovanyOdpovidac::Odpoved potvrdCislo(QString* cisloCele = nullptr) {
  return [cisloCele](QDialog& d) {
    if (cisloCele) *cisloCele = d.findChild<QLabel*>("La_CisloCele")->text();
    return stiskniOk(d);
  };
}
