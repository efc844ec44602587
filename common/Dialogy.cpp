#include "common/Dialogy.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "common/Chyba.h"
#include "common/Hodiny.h"
#include "common/Pomocne.h"

namespace {

Dialogy::Spoustec& spoustec() {
  static Dialogy::Spoustec s;
  return s;
}

// The window sizes we lay out by are outer sizes of a dialog with a classic frame (3 px
// borders, a 22 px caption); Qt sizes the client area, and the coordinates of the controls
// were chosen for what is left inside that frame.
constexpr int kRamSirka = 6;
constexpr int kRamVyska = 28;
constexpr int kTlacitkoSirka = 75;
constexpr int kTlacitkoVyska = 25;
constexpr int kPasVyska = 41;

void pripravOkno(QDialog& okno, const char* nazev, const QString& titulek, int vnejsiSirka,
                 int vnejsiVyska) {
  okno.setObjectName(QString::fromLatin1(nazev));
  okno.setWindowTitle(titulek);
  okno.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  okno.setFixedSize(vnejsiSirka - kRamSirka, vnejsiVyska - kRamVyska);
}

// White client area with the button-face band at the bottom that the buttons sit on.
void pridejSpodniPas(QDialog& okno) {
  const QColor plochaTlacitek = QApplication::palette().color(QPalette::Button);
  QPalette bila = okno.palette();
  bila.setColor(QPalette::Window, Qt::white);
  okno.setPalette(bila);
  okno.setAutoFillBackground(true);

  auto* pas = new QFrame(&okno);
  pas->setObjectName(QStringLiteral("Shape1"));
  pas->setFrameShape(QFrame::NoFrame);
  QPalette barva = pas->palette();
  barva.setColor(QPalette::Window, plochaTlacitek);
  pas->setPalette(barva);
  pas->setAutoFillBackground(true);
  pas->setGeometry(0, okno.height() - kPasVyska, okno.width(), kPasVyska);
  pas->lower();
}

int horniOkrajTlacitek(const QDialog& okno) { return okno.height() - kTlacitkoVyska - 7; }

QPushButton* pridejTlacitka(QDialog& okno, int okX, int stornoX, int y) {
  auto* ok = new QPushButton(QStringLiteral("Ok"), &okno);
  ok->setObjectName(QStringLiteral("Tl_Ok"));
  ok->setGeometry(okX, y, kTlacitkoSirka, kTlacitkoVyska);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &okno, &QDialog::accept);

  auto* storno = new QPushButton(QStringLiteral("Storno"), &okno);
  storno->setObjectName(QStringLiteral("Tl_Storno"));
  storno->setGeometry(stornoX, y, kTlacitkoSirka, kTlacitkoVyska);
  QObject::connect(storno, &QPushButton::clicked, &okno, &QDialog::reject);
  return ok;
}

void PovolOk(QWidget* okno) {
  if (auto* ok = okno->findChild<QPushButton*>(QStringLiteral("Tl_Ok"))) ok->setEnabled(true);
}

class FiltrKlavesCisla : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objekt, QEvent* udalost) override {
    if (udalost->type() == QEvent::KeyPress) {
      auto* klavesa = static_cast<QKeyEvent*>(udalost);
      // Shortcuts (Ctrl+V, Ctrl+A, ...) are not typed characters.
      const Qt::KeyboardModifiers m = klavesa->modifiers();
      const bool zkratka = (m & (Qt::ControlModifier | Qt::MetaModifier)) && !(m & Qt::AltModifier);
      if (!zkratka) {
        for (const QChar znak : klavesa->text()) {
          const char16_t z = znak.unicode();
          // Control characters: Backspace, Enter, Esc, Tab.
          if (z < 0x20 || z == 0x7f) continue;
          if ((z >= u'0' && z <= u'9') || z == u',' || z == u'-' || z == u'.') continue;
          QApplication::beep();
          return true;
        }
      }
    }
    return QObject::eventFilter(objekt, udalost);
  }
};

// Any click into the calendar counts, the month arrows and the month and year picker too.
class KlikVKalendari : public QObject {
 public:
  KlikVKalendari(QWidget* okno, QObject* rodic) : QObject(rodic), okno_(okno) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* udalost) override {
    if (udalost->type() == QEvent::MouseButtonPress) PovolOk(okno_);
    return QObject::eventFilter(objekt, udalost);
  }

 private:
  QWidget* okno_;
};

double prevedCislo(const QString& text) {
  static const QRegularExpression tvar(QStringLiteral("^-?([0-9]+(,[0-9]*)?|,[0-9]+)$"));
  bool ok = false;
  double hodnota = 0;
  if (tvar.match(text).hasMatch()) {
    QString s = text;
    s.replace(u',', u'.');
    hodnota = QLocale::c().toDouble(s, &ok);
  }
  if (!ok) throw Chyba(QStringLiteral("„%1“ není platné číslo.").arg(text));
  return hodnota;
}

int ukazZpravu(const QString& titulek, const QString& text, QMessageBox::Icon ikona,
               QMessageBox::StandardButtons tlacitka, QMessageBox::StandardButton vychozi) {
  QMessageBox okno(ikona, titulek.isEmpty() ? Dialogy::titulekAplikace() : titulek, text,
                   tlacitka, Dialogy::vlastnik());
  okno.setTextFormat(Qt::PlainText);
  okno.setDefaultButton(vychozi);
  // Czech captions whether or not Qt's own translations are installed.
  const struct {
    QMessageBox::StandardButton tlacitko;
    const char* text;
  } popisky[] = {{QMessageBox::Ok, "OK"},
                 {QMessageBox::Yes, "&Ano"},
                 {QMessageBox::No, "&Ne"},
                 {QMessageBox::Cancel, "Storno"}};
  for (const auto& p : popisky)
    if (QAbstractButton* b = okno.button(p.tlacitko)) b->setText(QString::fromUtf8(p.text));
  return Dialogy::spustModalne(okno);
}

}  // namespace

namespace Dialogy {

int spustModalne(QDialog& dialog) {
  if (const Spoustec& s = spoustec()) return s(dialog);
  return dialog.exec();
}

void nastavSpoustec(Spoustec novy) { spoustec() = std::move(novy); }

QWidget* vlastnik() {
  if (QWidget* aktivni = QApplication::activeWindow()) return aktivni;
  const QWidgetList okna = QApplication::topLevelWidgets();
  for (QWidget* okno : okna)
    if (okno->isVisible() && qobject_cast<QMainWindow*>(okno)) return okno;
  return nullptr;
}

QString titulekAplikace() {
  const QString nazev = QApplication::applicationName();
  return nazev.isEmpty() ? QStringLiteral("Tarvion") : nazev;
}

}  // namespace Dialogy

void Zprava(const QString& text) {
  ukazZpravu(QString(), text, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok);
}

void Informace(const QString& text) {
  ukazZpravu(QString(), text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
}

void InformaceTitulek(const QString& titulek, const QString& text) {
  ukazZpravu(titulek, text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
}

void Varovani(const QString& titulek, const QString& text) {
  ukazZpravu(titulek, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
}

int Dotaz(const QString& titulek, const QString& text, int druh) {
  QMessageBox::Icon ikona;
  QMessageBox::StandardButtons tlacitka = QMessageBox::Yes | QMessageBox::No;
  switch (druh) {
    case 1:
      ikona = QMessageBox::Question;
      break;
    case 2:
      ikona = QMessageBox::Warning;
      break;
    case 3:
      ikona = QMessageBox::Question;
      tlacitka |= QMessageBox::Cancel;
      break;
    case 4:
      ikona = QMessageBox::Warning;
      tlacitka |= QMessageBox::Cancel;
      break;
    default:
      return 0;
  }
  const int odpoved = ukazZpravu(titulek, text, ikona, tlacitka, QMessageBox::No);
  if (odpoved == QMessageBox::Yes) return Dialogy::Ano;
  // Without a Cancel button, Esc and the close button mean No.
  if (odpoved == QMessageBox::No || druh <= 2) return Dialogy::Ne;
  return Dialogy::Zrusit;
}

int DotazAnoNe(const QString& titulek, const QString& text) {
  const int odpoved = ukazZpravu(titulek, text, QMessageBox::Question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  return odpoved == QMessageBox::Yes ? Dialogy::Ano : Dialogy::Ne;
}

void ChybaAplikace(const QString& text) {
  ukazZpravu(QString(), text, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
}

void ZobrazText(const QString& titulek, const QString& text, bool svislyPosuvnik) {
  QDialog okno(Dialogy::vlastnik());
  pripravOkno(okno, "ZobrazText", titulek.isEmpty() ? Dialogy::titulekAplikace() : titulek,
              450, 250);

  auto* memo = new QPlainTextEdit(&okno);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setGeometry(okno.rect());
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  memo->setVerticalScrollBarPolicy(svislyPosuvnik ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setPlainText(text);

  // Centred on the screen, not over the owner.
  QScreen* obrazovka =
      okno.parentWidget() ? okno.parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (obrazovka) {
    const QRect plocha = obrazovka->availableGeometry();
    okno.move(plocha.center() - QPoint(450 / 2, 250 / 2));
  }

  Dialogy::spustModalne(okno);
}

bool ZadejCislo(double& hodnota, const QString& titulek, const QString& popiska) {
  QDialog okno(Dialogy::vlastnik());
  pripravOkno(okno, "ZadejCislo", titulek, 220, 169);
  pridejSpodniPas(okno);

  auto* la = new QLabel(&okno);
  la->setObjectName(QStringLiteral("La_Popiska"));
  la->setGeometry(8, 8, 201, 33);
  la->setTextFormat(Qt::PlainText);
  la->setWordWrap(true);
  la->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  la->setText(popiska);

  const QString puvodni = ObecnyFormat(hodnota);
  auto* ed = new QLineEdit(puvodni, &okno);
  ed->setObjectName(QStringLiteral("Ed_CisloReal"));
  ed->setGeometry(64, 48, 73, 21);
  ed->installEventFilter(new FiltrKlavesCisla(ed));
  // Typing replaces the shown value.
  ed->selectAll();

  pridejTlacitka(okno, 24, 112, horniOkrajTlacitek(okno));
  ed->setFocus();

  if (Dialogy::spustModalne(okno) != QDialog::Accepted) return false;
  const QString text = ed->text();
  if (text == puvodni) return false;
  QString cisty = FiltrCisla(text);
  if (cisty.isEmpty()) cisty = QStringLiteral("0");
  hodnota = prevedCislo(cisty);
  return true;
}

bool ZadejDatum(QDate& datum, const QString& titulek, bool prazdne) {
  const bool bezHodnoty = prazdne || !datum.isValid();
  const QDate pocatecni = datum.isValid() ? datum : Hodiny::dnes();

  QDialog okno(Dialogy::vlastnik());
  pripravOkno(okno, "ZadejDatum", titulek, 210, 241);
  pridejSpodniPas(okno);

  auto* kalendar = new QCalendarWidget(&okno);
  kalendar->setObjectName(QStringLiteral("MonthCalendar1"));
  kalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  kalendar->setSelectedDate(pocatecni);
  kalendar->setGeometry(8, 8, okno.width() - 16, okno.height() - kPasVyska - 16);

  QPushButton* ok = pridejTlacitka(okno, 16, 112, horniOkrajTlacitek(okno));
  ok->setEnabled(false);
  QObject::connect(kalendar, &QCalendarWidget::clicked, &okno, [&okno] { PovolOk(&okno); });
  auto* klik = new KlikVKalendari(&okno, kalendar);
  kalendar->installEventFilter(klik);
  const QList<QWidget*> casti = kalendar->findChildren<QWidget*>();
  for (QWidget* cast : casti) cast->installEventFilter(klik);
  kalendar->setFocus();

  if (Dialogy::spustModalne(okno) != QDialog::Accepted) return false;
  const QDate zvolene = kalendar->selectedDate();
  if (!bezHodnoty && zvolene == datum) return false;
  datum = zvolene;
  return true;
}

bool ZadejRok(uint16_t& rok, uint16_t nejnizsiRok, const QString& titulek) {
  const int prvni = std::max<int>(RokDnes(), rok);
  const int posledni = std::min<int>(nejnizsiRok, rok);

  QDialog okno(Dialogy::vlastnik());
  pripravOkno(okno, "ZadejRok", titulek, 210, 181);
  pridejSpodniPas(okno);

  auto* seznam = new QComboBox(&okno);
  seznam->setObjectName(QStringLiteral("CBox_Rok"));
  seznam->setEditable(false);
  seznam->setMaxVisibleItems(7);
  for (int r = prvni; r >= posledni; --r) seznam->addItem(QString::number(r));
  seznam->setGeometry(64, 32, 81, seznam->sizeHint().height());
  seznam->setCurrentIndex(prvni - rok);

  pridejTlacitka(okno, 16, 112, 120);
  QObject::connect(seznam, &QComboBox::currentIndexChanged, &okno, [&okno] { PovolOk(&okno); });
  seznam->setFocus();

  if (Dialogy::spustModalne(okno) != QDialog::Accepted) return false;
  rok = static_cast<uint16_t>(seznam->currentText().toUInt());
  return true;
}

QString ObecnyFormat(double hodnota) {
  if (std::isnan(hodnota)) return QStringLiteral("NAN");
  if (std::isinf(hodnota)) return hodnota < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (hodnota == 0) return QStringLiteral("0");

  // "-d.ddddddddddddddde+XX": the 15 significant digits, correctly rounded.
  const QString vedecky = QString::number(hodnota, 'e', 14);
  const bool zaporne = vedecky.startsWith(u'-');
  const qsizetype e = vedecky.indexOf(u'e');
  QString cislice = vedecky.mid(zaporne ? 1 : 0, e - (zaporne ? 1 : 0));
  cislice.remove(u'.');
  while (cislice.size() > 1 && cislice.endsWith(u'0')) cislice.chop(1);
  const int exponent = vedecky.mid(e + 1).toInt();

  QString vysledek;
  if (exponent < -5 || exponent >= 14) {
    vysledek = cislice.left(1);
    if (cislice.size() > 1) vysledek += u',' + cislice.mid(1);
    vysledek += u'E' + QString::number(exponent);
  } else if (exponent < 0) {
    vysledek = QStringLiteral("0,") + QString(-exponent - 1, u'0') + cislice;
  } else {
    const int celych = exponent + 1;
    if (cislice.size() <= celych) {
      vysledek = cislice + QString(celych - cislice.size(), u'0');
    } else {
      vysledek = cislice.left(celych) + u',' + cislice.mid(celych);
    }
  }
  return zaporne ? u'-' + vysledek : vysledek;
}

QString FiltrCisla(const QString& text) {
  QString vysledek;
  for (const QChar znak : text) {
    const char16_t z = znak.unicode();
    if ((z >= u'0' && z <= u'9') || z == u',' || z == u'-') vysledek += znak;
  }
  return vysledek;
}

bool OtevriDokument(const QString& cil, const QString& parametry) {
  if (cil.trimmed().isEmpty()) return false;
  const QFileInfo soubor(cil);
  if (soubor.exists()) {
    // A program is started with the parameters as its one argument; a document goes to the
    // desktop's associated application, which takes nothing but the file.
    if (soubor.isFile() && soubor.isExecutable()) {
      const QStringList argumenty = parametry.isEmpty() ? QStringList() : QStringList{parametry};
      return QProcess::startDetached(soubor.absoluteFilePath(), argumenty);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(soubor.absoluteFilePath()));
  }
  const QUrl adresa(cil, QUrl::TolerantMode);
  if (!adresa.isValid() || adresa.scheme().size() < 2) return false;
  return QDesktopServices::openUrl(adresa);
}
