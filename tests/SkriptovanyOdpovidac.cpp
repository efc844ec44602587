#include "tests/SkriptovanyOdpovidac.h"

#include <QPushButton>

SkriptovanyOdpovidac::SkriptovanyOdpovidac() {
  Dialogy::nastavSpoustec([this](QDialog& d) { return spust(d); });
}

SkriptovanyOdpovidac::~SkriptovanyOdpovidac() { Dialogy::nastavSpoustec({}); }

SkriptovanyOdpovidac& SkriptovanyOdpovidac::potom(Odpoved odpoved) {
  odpovedi_.push_back(std::move(odpoved));
  return *this;
}

SkriptovanyOdpovidac& SkriptovanyOdpovidac::stiskni(QMessageBox::StandardButton tlacitko) {
  return potom([tlacitko](QDialog&) { return static_cast<int>(tlacitko); });
}

SkriptovanyOdpovidac& SkriptovanyOdpovidac::prijmi() {
  return potom([](QDialog&) { return static_cast<int>(QDialog::Accepted); });
}

SkriptovanyOdpovidac& SkriptovanyOdpovidac::odmitni() {
  return potom([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
}

QStringList SkriptovanyOdpovidac::texty() const {
  QStringList vysledek;
  for (const auto& z : zobrazene_)
    if (z.trida == "QMessageBox") vysledek << z.text;
  return vysledek;
}

int SkriptovanyOdpovidac::spust(QDialog& dialog) {
  // Shown as exec() would, so the window's show-time work runs before it is answered.
  dialog.show();
  struct Skryj {
    QDialog& d;
    ~Skryj() { d.hide(); }
  } skryj{dialog};
  ZobrazenyDialog z;
  z.trida = dialog.metaObject()->className();
  z.nazev = dialog.objectName();
  z.titulek = dialog.windowTitle();
  if (auto* mb = qobject_cast<QMessageBox*>(&dialog)) {
    z.text = mb->text();
    z.ikona = mb->icon();
    z.tlacitka = mb->standardButtons();
    if (mb->defaultButton()) z.vychozi = mb->standardButton(mb->defaultButton());
  }
  zobrazene_.push_back(z);
  if (odpovedi_.empty()) {
    ++nevyrizene_;
    return qobject_cast<QMessageBox*>(&dialog) ? static_cast<int>(QMessageBox::Cancel)
                                              : static_cast<int>(QDialog::Rejected);
  }
  Odpoved odpoved = std::move(odpovedi_.front());
  odpovedi_.pop_front();
  const int vysledek = odpoved(dialog);
  // The real exec() leaves the result on the dialog; callers may read it from there.
  if (!qobject_cast<QMessageBox*>(&dialog)) dialog.setResult(vysledek);
  return vysledek;
}
