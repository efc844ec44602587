#pragma once
// The database file beside the program: created empty when missing, then connected.
#include <QString>

namespace db {
class Pripojeni;

// Writes an empty database to the path: built under a temporary name in the same folder and
// renamed into place, so no half-written file is ever left under the final name.
bool ZalozitDatabazi(const QString& cesta);
// Opens the file; false for anything that is not a Tarvion database (left untouched).
bool PripojitDatabazi(Pripojeni& pripojeni, const QString& cesta);
// The SQL script that creates the empty database.
QString SablonaDatabaze();
}  // namespace db
