#include "app/db/Databaze.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "app/db/Pripojeni.h"

static void nactiZdroje() { Q_INIT_RESOURCE(sablona_databaze); }

namespace db {

QString SablonaDatabaze() {
  nactiZdroje();
  QFile f(":/databaze.sql");
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

bool ZalozitDatabazi(const QString& cesta) {
  const QString skript = SablonaDatabaze();
  if (skript.isEmpty()) return false;

  QTemporaryFile docasny(cesta + ".XXXXXX");
  if (!docasny.open()) return false;
  const QString docasnaCesta = docasny.fileName();
  docasny.close();

  bool hotovo = false;
  {
    sqlite3* spojeni = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(docasnaCesta).constData(), &spojeni,
                        SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      const QByteArray sql = skript.toUtf8();
      hotovo = sqlite3_exec(spojeni, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    hotovo = sqlite3_close(spojeni) == SQLITE_OK && hotovo;
  }
  if (!hotovo) return false;
  docasny.setAutoRemove(false);
  if (std::rename(QFile::encodeName(docasnaCesta).constData(),
                  QFile::encodeName(cesta).constData()) != 0) {
    QFile::remove(docasnaCesta);
    return false;
  }
  return true;
}

bool PripojitDatabazi(Pripojeni& pripojeni, const QString& cesta) {
  return pripojeni.otevri(cesta);
}

}  // namespace db
