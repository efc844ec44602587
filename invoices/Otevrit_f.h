#pragma once
// "Otevřít fakturu": lists the invoices of one year and returns the Id of the chosen one.
#include <QDialog>
#include <QString>

namespace db {
class DataSet;
}

class TOtevrit : public QDialog {
  Q_OBJECT
 public:
  // funkce: the main window's scratch query, used only while the list is filled.
  TOtevrit(QWidget* vlastnik, db::DataSet& funkce);

  int Rok = 0;
  QString DalsiPodminka;  // appended to the year condition, e.g. " AND NOT(Id = 5) "
  int VybraneId = 0;      // 0 until a row is confirmed

  void NaplnSeznam(int rok, const QString& dalsiPodminka);

 protected:
  void showEvent(QShowEvent* udalost) override;  // FormShow: caption, then the list

 private:
  db::DataSet& funkce_;
};
