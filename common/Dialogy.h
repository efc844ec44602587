#pragma once
// Message boxes, question boxes, the text window and the number, date and year input
// dialogs. Every modal window of the program is run through Dialogy::spustModalne, the one
// place a test replaces to answer dialogs and read what they showed.
#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>

class QDialog;
class QWidget;

namespace Dialogy {
// Answer codes of the question boxes.
constexpr int Ano = 6;
constexpr int Ne = 7;
constexpr int Zrusit = 2;

// Runs a modal dialog and returns what exec() would: QDialog::Accepted/Rejected, or the
// QMessageBox::StandardButton pressed for a message box.
int spustModalne(QDialog& dialog);
// Replaces the runner (tests); an empty function restores the real exec().
using Spoustec = std::function<int(QDialog& dialog)>;
void nastavSpoustec(Spoustec spoustec);

// The window that dialogs centre on and are owned by: the active window, else the main one.
QWidget* vlastnik();
// The program's title, used as the caption when a box is given none.
QString titulekAplikace();
}  // namespace Dialogy

void Zprava(const QString& text);
void Informace(const QString& text);
void InformaceTitulek(const QString& titulek, const QString& text);
void Varovani(const QString& titulek, const QString& text);
// Kinds 1, 2 (Yes/No) and 3, 4 (Yes/No/Cancel); any other kind shows nothing and gives 0.
int Dotaz(const QString& titulek, const QString& text, int druh);
int DotazAnoNe(const QString& titulek, const QString& text);
// The general handler for an error no command caught: the error's own text.
void ChybaAplikace(const QString& text);

void ZobrazText(const QString& titulek, const QString& text, bool svislyPosuvnik);
bool ZadejCislo(double& hodnota, const QString& titulek, const QString& popiska);
// prazdne: the field being edited holds no date yet and datum only proposes one, so
// confirming the shown date counts as a change. An invalid datum is treated the same way,
// showing today.
bool ZadejDatum(QDate& datum, const QString& titulek, bool prazdne = false);
bool ZadejRok(uint16_t& rok, uint16_t nejnizsiRok, const QString& titulek);

// The number dialog's text of a value: 15 significant digits, decimal comma, no grouping
// ("0", "12,5", "1234567,25"; "1E-6" and "1,5E15" outside the fixed range).
QString ObecnyFormat(double hodnota);
// Keeps the digits, ',' and '-' in their order: "1.234,5" -> "1234,5".
QString FiltrCisla(const QString& text);

// Opens a URL or file with the desktop's associated application.
bool OtevriDokument(const QString& cil, const QString& parametry);
