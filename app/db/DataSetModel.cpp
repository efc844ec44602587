#include "app/db/DataSetModel.h"

#include "app/db/DataSet.h"
#include "common/Format.h"

namespace db {

DataSetModel::DataSetModel(DataSet& data, QObject* rodic) : QAbstractTableModel(rodic), data_(data) {
  // Rows come and go with appends, posts, deletes and reloads; a reset keeps it simple and
  // an invoice has few items.
  connect(&data_, &DataSet::dataZmenena, this, [this](const QString& pole) {
    if (pole.isEmpty()) {
      beginResetModel();
      endResetModel();
    } else if (data_.aktualniRadek() >= 0 && data_.aktualniRadek() < rowCount()) {
      emit dataChanged(index(data_.aktualniRadek(), 0),
                       index(data_.aktualniRadek(), columnCount() - 1));
    }
  });
  connect(&data_, &DataSet::stavZmenen, this, [this] {
    beginResetModel();
    endResetModel();
  });
}

void DataSetModel::nastavSloupce(std::vector<SloupecMrizky> sloupce) {
  beginResetModel();
  sloupce_ = std::move(sloupce);
  endResetModel();
}

int DataSetModel::rowCount(const QModelIndex& rodic) const {
  return rodic.isValid() || !data_.jeOtevreny() ? 0 : data_.pocetRadku();
}

int DataSetModel::columnCount(const QModelIndex& rodic) const {
  return rodic.isValid() ? 0 : int(sloupce_.size());
}

QString DataSetModel::text(int radek, const SloupecMrizky& sloupec) const {
  const int i = data_.indexPole(sloupec.pole);
  if (i < 0) return {};
  const QVariant v = data_.hodnotaRadku(radek, i);
  if (v.isNull()) return {};
  switch (data_.pole()[i].typ) {
    case TypPole::Penize:
      return FormatPenize(naDesetitisiciny(v.toDouble()));
    case TypPole::Realne:
      return FormatCislo(v.toDouble());
    case TypPole::Datum:
      return FormatDatum(QDate::fromString(v.toString().left(10), "yyyy-MM-dd"));
    default:
      return v.toString();
  }
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() >= int(sloupce_.size())) return {};
  const SloupecMrizky& s = sloupce_[index.column()];
  if (role == Qt::DisplayRole) return text(index.row(), s);
  if (role == Qt::TextAlignmentRole) return int(s.zarovnani | Qt::AlignVCenter);
  return {};
}

QVariant DataSetModel::headerData(int sekce, Qt::Orientation smer, int role) const {
  if (smer == Qt::Vertical) {
    if (role == Qt::DisplayRole) return sekce == data_.aktualniRadek() ? QString("▶") : QString();
    return {};
  }
  if (sekce < 0 || sekce >= int(sloupce_.size())) return {};
  if (role == Qt::DisplayRole) return sloupce_[sekce].titulek;
  if (role == Qt::TextAlignmentRole) return int(sloupce_[sekce].zarovnaniTitulku | Qt::AlignVCenter);
  return {};
}

}  // namespace db
