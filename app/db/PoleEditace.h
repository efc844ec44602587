#pragma once
// Ties an edit box or an editable combo box to one field of a dataset: the control shows
// the current row's value, and typing switches the dataset to edit mode and sets the field.
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class QLineEdit;

namespace db {
class DataSet;

class PoleEditace : public QObject {
  Q_OBJECT
 public:
  PoleEditace(QWidget* ovladac, DataSet& data, QString pole);
  void obnov();  // shows the current value again

 protected:
  bool eventFilter(QObject* objekt, QEvent* udalost) override;

 private:
  void upraveno(const QString& text);
  QString zobrazeni(bool proUpravy) const;
  QLineEdit* radek() const;

  QPointer<QWidget> ovladac_;
  DataSet& data_;
  QString pole_;
  QString chyba_;        // a typed value that is not valid for the field
  bool zapisuji_ = false;
};

}  // namespace db
