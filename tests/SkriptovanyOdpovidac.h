#pragma once
// Answers the program's modal dialogs from a script and records what each one showed.
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "common/Dialogy.h"

struct ZobrazenyDialog {
  QString trida;      // class name of the window, e.g. "QMessageBox", "TNovaFaktura"
  QString nazev;      // objectName
  QString titulek;    // window title
  QString text;       // message text of a message box, else empty
  QMessageBox::Icon ikona = QMessageBox::NoIcon;
  QMessageBox::StandardButtons tlacitka;
  QMessageBox::StandardButton vychozi = QMessageBox::NoButton;
};

class SkriptovanyOdpovidac {
 public:
  using Odpoved = std::function<int(QDialog&)>;

  SkriptovanyOdpovidac();   // installs itself as the runner
  ~SkriptovanyOdpovidac();  // restores the real one

  // The next dialog is answered by this function (which may fill in controls first).
  SkriptovanyOdpovidac& potom(Odpoved odpoved);
  // The next message box is answered by pressing this button.
  SkriptovanyOdpovidac& stiskni(QMessageBox::StandardButton tlacitko);
  // The next dialog is accepted / rejected as it stands.
  SkriptovanyOdpovidac& prijmi();
  SkriptovanyOdpovidac& odmitni();

  const std::vector<ZobrazenyDialog>& zobrazene() const { return zobrazene_; }
  const ZobrazenyDialog& posledni() const { return zobrazene_.back(); }
  // Texts of all message boxes shown so far, in order.
  QStringList texty() const;
  // Dialogs that came with no scripted answer (each was rejected).
  int nevyrizene() const { return nevyrizene_; }
  int zbyvajici() const { return static_cast<int>(odpovedi_.size()); }

 private:
  int spust(QDialog& dialog);
  std::deque<Odpoved> odpovedi_;
  std::vector<ZobrazenyDialog> zobrazene_;
  int nevyrizene_ = 0;
};
