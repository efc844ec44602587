#pragma once
// "Nová faktura": the user adjusts the proposed number of a new invoice.
#include <QDialog>
#include <QString>

class TNovaFaktura : public QDialog {
  Q_OBJECT
 public:
  // prefix: the setting "prefix"; rok: the accounting year; navrh: the proposed sequence
  // (bounded to 1..9999 by the spin control).
  TNovaFaktura(QWidget* vlastnik, const QString& prefix, int rok, int navrh);

  // Ed_Prefix + Ed_Rok + the spin position written with four digits: the number Ok creates.
  QString CisloCele() const;
};
