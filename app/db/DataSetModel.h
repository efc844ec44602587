#pragma once
// A read-only table model over a dataset, for grids: one column per configured field.
#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace db {
class DataSet;

struct SloupecMrizky {
  QString pole;
  QString titulek;
  Qt::Alignment zarovnaniTitulku = Qt::AlignLeft;
  Qt::Alignment zarovnani = Qt::AlignLeft;
  int sirka = 64;
};

class DataSetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DataSetModel(DataSet& data, QObject* rodic = nullptr);

  void nastavSloupce(std::vector<SloupecMrizky> sloupce);
  const std::vector<SloupecMrizky>& sloupce() const { return sloupce_; }

  int rowCount(const QModelIndex& rodic = {}) const override;
  int columnCount(const QModelIndex& rodic = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;

 private:
  QString text(int radek, const SloupecMrizky& sloupec) const;
  DataSet& data_;
  std::vector<SloupecMrizky> sloupce_;
};

}  // namespace db
