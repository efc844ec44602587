#pragma once
// Small text, number and date helpers with exact formats that several windows rely on.
#include <QDate>
#include <QString>
#include <cstdint>

// Year of today's local date (from Hodiny).
uint16_t RokDnes();
// "major.minor" of the program's product version, e.g. "1.5".
QString CtiVerziProgramu();
// Fixed-width field padded with '0': mode 0 appends, 2 prepends, 1 splits (half in front).
QString DoplnNulami(const QString& text, int sirka, int rezim);
// Czech (and a few neighbouring) accented letters replaced by plain ones.
QString BezDiakritiky(const QString& text);
// '0' for flag 0, '1' for flag 1, otherwise the default character.
QChar ZnakLogicke(uint8_t priznak, QChar vychozi);
// Rounds to a multiple of 10^rad, exact halves to even, with an 80-bit quotient.
double Zaokrouhli(int rad, double hodnota);
// "#yyyy-mm-dd#": a date literal in the SQL dialect of the program's statements.
QString DatumSQL(const QDate& datum);
