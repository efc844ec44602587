#pragma once
// How numbers and dates are written on screen, in the Czech manner whatever the machine.
#include <QDate>
#include <QString>

// "#,##0.00": "1 234,50" (thousands separated).
QString FormatPenize(double hodnota);
// "0.00": "1234,50".
QString FormatPenizeBezOddelovace(double hodnota);
// Short date "d.M.yyyy"; empty for an invalid date.
QString FormatDatum(const QDate& datum);
// "dd.mm.yyyy"; empty for an invalid date.
QString FormatDatumDvoumistne(const QDate& datum);
// General number: up to 15 significant digits, decimal comma, no thousands separator.
QString FormatCislo(double hodnota);
// Reads a number typed in the Czech manner ("1 234,5"; a full stop also counts as the
// decimal point when there is no comma). False when it is not a number.
bool PrectiCislo(const QString& text, double& hodnota);
