#include "app/db/PoleEditace.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "app/db/DataSet.h"
#include "common/Chyba.h"
#include "common/Format.h"

namespace db {

PoleEditace::PoleEditace(QWidget* ovladac, DataSet& data, QString pole)
    : QObject(ovladac), ovladac_(ovladac), data_(data), pole_(std::move(pole)) {
  if (QLineEdit* r = radek()) {
    connect(r, &QLineEdit::textEdited, this, &PoleEditace::upraveno);
    r->installEventFilter(this);
  }
  if (auto* combo = qobject_cast<QComboBox*>(ovladac)) {
    connect(combo, qOverload<int>(&QComboBox::activated), this,
            [this, combo](int i) { upraveno(combo->itemText(i)); });
  }
  connect(&data_, &DataSet::dataZmenena, this, [this](const QString& pole) {
    if (zapisuji_) return;
    if (pole.isEmpty() || pole.compare(pole_, Qt::CaseInsensitive) == 0) obnov();
  });
  connect(&data_, &DataSet::stavZmenen, this, [this](StavDat stav) {
    if (stav != StavDat::Editace && stav != StavDat::Vkladani) chyba_.clear();
    if (!zapisuji_) obnov();
  });
  data_.pridejKontrolu([this] {
    if (!chyba_.isEmpty()) {
      if (ovladac_) ovladac_->setFocus();
      throw Chyba(chyba_);
    }
  });
  obnov();
}

QLineEdit* PoleEditace::radek() const {
  if (auto* r = qobject_cast<QLineEdit*>(ovladac_.data())) return r;
  if (auto* combo = qobject_cast<QComboBox*>(ovladac_.data())) return combo->lineEdit();
  return nullptr;
}

QString PoleEditace::zobrazeni(bool proUpravy) const {
  if (!data_.jeOtevreny() || data_.indexPole(pole_) < 0 || data_.jeNull(pole_)) return {};
  switch (data_.popisPole(pole_).typ) {
    case TypPole::Penize:
      return proUpravy ? FormatPenizeBezOddelovace(data_.penize(pole_))
                       : FormatPenize(data_.penize(pole_));
    case TypPole::Datum:
      return FormatDatum(data_.datum(pole_));
    case TypPole::Realne:
      return FormatCislo(data_.realne(pole_));
    default:
      return data_.text(pole_);
  }
}

void PoleEditace::obnov() {
  if (!ovladac_) return;
  if (!chyba_.isEmpty()) return;  // keep what the user typed until it is mended or dropped
  const bool maFokus = ovladac_->hasFocus() || (radek() && radek()->hasFocus());
  const QString text = zobrazeni(maFokus);
  if (auto* label = qobject_cast<QLabel*>(ovladac_.data())) {
    label->setText(text);
    return;
  }
  QLineEdit* r = radek();
  if (!r) return;
  if (data_.jeOtevreny() && data_.indexPole(pole_) >= 0) {
    const Pole& p = data_.popisPole(pole_);
    r->setMaxLength(p.typ == TypPole::Text && p.velikost > 0 ? p.velikost : 32767);
  }
  if (r->text() != text) r->setText(text);
}

bool PoleEditace::eventFilter(QObject* objekt, QEvent* udalost) {
  if (udalost->type() == QEvent::FocusIn || udalost->type() == QEvent::FocusOut) {
    if (chyba_.isEmpty() && data_.jeOtevreny() && data_.indexPole(pole_) >= 0 &&
        data_.popisPole(pole_).typ == TypPole::Penize && !data_.jeNull(pole_)) {
      if (QLineEdit* r = radek()) r->setText(zobrazeni(udalost->type() == QEvent::FocusIn));
    }
  }
  return QObject::eventFilter(objekt, udalost);
}

void PoleEditace::upraveno(const QString& text) {
  if (!data_.jeOtevreny()) return;
  zapisuji_ = true;
  try {
    if (data_.stav() == StavDat::Prohlizeni) data_.edituj();
    QVariant hodnota;
    chyba_.clear();
    switch (data_.popisPole(pole_).typ) {
      case TypPole::Penize:
      case TypPole::Realne:
      case TypPole::Cele: {
        double cislo = 0;
        if (text.trimmed().isEmpty()) {
          hodnota = QVariant();
        } else if (PrectiCislo(text, cislo)) {
          hodnota = cislo;
        } else {
          chyba_ = QString("„%1“ není platné číslo.").arg(text);
          zapisuji_ = false;
          return;
        }
        break;
      }
      default:
        hodnota = text;
        break;
    }
    data_.nastav(pole_, hodnota);
  } catch (...) {
    zapisuji_ = false;
    throw;
  }
  zapisuji_ = false;
}

}  // namespace db
