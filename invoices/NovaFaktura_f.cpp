#include "invoices/NovaFaktura_f.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "common/Pomocne.h"

namespace {

constexpr int kNejnizsi = 1;
constexpr int kNejvyssi = 9999;

// A spin control without its own text, in the manner of an up-down tied to an edit box:
// the position lives here, the edit box beside it only shows it.
class TUpDown : public QAbstractSlider {
 public:
  explicit TUpDown(QWidget* rodic) : QAbstractSlider(rodic) {
    setOrientation(Qt::Vertical);
    // The edit box keeps the focus, as with the original control.
    setFocusPolicy(Qt::NoFocus);
    nahoru_ = pridejSipku(Qt::UpArrow, "Nahoru", SliderSingleStepAdd);
    dolu_ = pridejSipku(Qt::DownArrow, "Dolu", SliderSingleStepSub);
  }

 protected:
  void resizeEvent(QResizeEvent* udalost) override {
    QAbstractSlider::resizeEvent(udalost);
    const int polovina = height() / 2;
    nahoru_->setGeometry(0, 0, width(), polovina);
    dolu_->setGeometry(0, polovina, width(), height() - polovina);
  }

 private:
  QToolButton* pridejSipku(Qt::ArrowType smer, const char* nazev, SliderAction akce) {
    auto* sipka = new QToolButton(this);
    sipka->setObjectName(QString::fromLatin1(nazev));
    sipka->setArrowType(smer);
    sipka->setAutoRepeat(true);
    sipka->setFocusPolicy(Qt::NoFocus);
    QObject::connect(sipka, &QToolButton::clicked, this, [this, akce] { triggerAction(akce); });
    return sipka;
  }

  QToolButton* nahoru_;
  QToolButton* dolu_;
};

// Ed_CisloKeyPress: only digits, the full stop and Backspace get typed; the arrow keys move
// the spin control as they would with the edit box as its buddy.
class FiltrCisla : public QObject {
 public:
  FiltrCisla(QAbstractSlider* upDown, QObject* rodic) : QObject(rodic), upDown_(upDown) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* udalost) override {
    if (udalost->type() != QEvent::KeyPress) return QObject::eventFilter(objekt, udalost);
    auto* klavesa = static_cast<QKeyEvent*>(udalost);
    switch (klavesa->key()) {
      case Qt::Key_Up:
        upDown_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
      case Qt::Key_Down:
        upDown_->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
      // Keys the dialog acts on, not characters for the box.
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        return QObject::eventFilter(objekt, udalost);
      default:
        break;
    }
    // Ctrl with a letter types a control character (paste, cut, undo), which is not one of
    // the accepted ones; Ctrl with the arrows and Home/End only moves the caret.
    const bool ctrl = klavesa->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (ctrl && klavesa->key() >= Qt::Key_A && klavesa->key() <= Qt::Key_Z) return true;
    for (const QChar znak : klavesa->text()) {
      const char16_t z = znak.unicode();
      if ((z >= u'0' && z <= u'9') || z == u'.' || z == u'\b') continue;
      return true;
    }
    return QObject::eventFilter(objekt, udalost);
  }

 private:
  QAbstractSlider* upDown_;
};

QLabel* popiska(const QString& text, const char* nazev, QWidget* rodic, int x, int y) {
  auto* la = new QLabel(text, rodic);
  la->setObjectName(QString::fromLatin1(nazev));
  la->setGeometry(x, y, 120, 17);
  return la;
}

}  // namespace

TNovaFaktura::TNovaFaktura(QWidget* vlastnik, const QString& prefix, int rok, int navrh)
    : QDialog(vlastnik) {
  setObjectName(QStringLiteral("NovaFaktura"));
  setWindowTitle(QStringLiteral("Nová faktura"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(310, 200);

  auto* skupina = new QGroupBox(QStringLiteral("Sestavení čísla pro novou fakturu"), this);
  skupina->setObjectName(QStringLiteral("GBox_Cislo"));
  skupina->setGeometry(8, 8, 294, 112);

  popiska(QStringLiteral("Prefix (nepovinný)"), "La_Prefix", skupina, 12, 26);
  auto* edPrefix = new QLineEdit(skupina);
  edPrefix->setObjectName(QStringLiteral("Ed_Prefix"));
  edPrefix->setMaxLength(8);
  edPrefix->setGeometry(140, 24, 105, 21);
  edPrefix->setText(prefix);

  popiska(QStringLiteral("Rok"), "La_Rok", skupina, 12, 54);
  auto* edRok = new QLineEdit(QString::number(rok), skupina);
  edRok->setObjectName(QStringLiteral("Ed_Rok"));
  edRok->setReadOnly(true);
  edRok->setFocusPolicy(Qt::ClickFocus);
  edRok->setGeometry(140, 52, 49, 21);
  QPalette seda = edRok->palette();
  seda.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
  edRok->setPalette(seda);

  popiska(QStringLiteral("Číslo"), "La_Cislo", skupina, 12, 82);
  auto* edCislo = new QLineEdit(skupina);
  edCislo->setObjectName(QStringLiteral("Ed_Cislo"));
  edCislo->setMaxLength(4);
  edCislo->setGeometry(140, 80, 41, 21);
  auto* upDown = new TUpDown(skupina);
  upDown->setObjectName(QStringLiteral("UpDown_Cislo"));
  upDown->setGeometry(181, 80, 16, 21);
  upDown->setRange(kNejnizsi, kNejvyssi);
  upDown->setValue(std::clamp(navrh, kNejnizsi, kNejvyssi));
  edCislo->setText(QString::number(upDown->value()));
  edCislo->installEventFilter(new FiltrCisla(upDown, edCislo));

  auto* laCisloCele = new QLabel(this);
  laCisloCele->setObjectName(QStringLiteral("La_CisloCele"));
  laCisloCele->setTextFormat(Qt::PlainText);
  laCisloCele->setAlignment(Qt::AlignCenter);
  QFont velke = laCisloCele->font();
  velke.setPointSize(14);
  velke.setBold(true);
  laCisloCele->setFont(velke);
  laCisloCele->setGeometry(8, 126, 294, 30);

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Tl_Ok"));
  ok->setGeometry(72, 166, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* storno = new QPushButton(QStringLiteral("Storno"), this);
  storno->setObjectName(QStringLiteral("Tl_Storno"));
  storno->setGeometry(163, 166, 75, 25);
  connect(storno, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(edPrefix, edCislo);
  setTabOrder(edCislo, ok);
  setTabOrder(ok, storno);

  // Ed_PrefixChange
  auto obnovNahled = [this, laCisloCele] { laCisloCele->setText(CisloCele()); };

  // Typing moves the position only while the text is a whole number in range; the text is
  // left as typed ("0012" stays), so the position must not write it back meanwhile.
  auto zPsani = std::make_shared<bool>(false);
  connect(edCislo, &QLineEdit::textChanged, this, [upDown, zPsani, obnovNahled](const QString& t) {
    bool jeCislo = false;
    const int n = t.toInt(&jeCislo);
    if (jeCislo && n >= kNejnizsi && n <= kNejvyssi) {
      *zPsani = true;
      upDown->setValue(n);
      *zPsani = false;
    }
    obnovNahled();
  });
  connect(upDown, &QAbstractSlider::valueChanged, this, [edCislo, zPsani, obnovNahled](int n) {
    if (!*zPsani) edCislo->setText(QString::number(n));
    obnovNahled();
  });
  connect(edPrefix, &QLineEdit::textChanged, this, obnovNahled);
  obnovNahled();
}

QString TNovaFaktura::CisloCele() const {
  const auto* edPrefix = findChild<QLineEdit*>(QStringLiteral("Ed_Prefix"));
  const auto* edRok = findChild<QLineEdit*>(QStringLiteral("Ed_Rok"));
  const auto* upDown = findChild<QAbstractSlider*>(QStringLiteral("UpDown_Cislo"));
  return edPrefix->text() + edRok->text() + DoplnNulami(QString::number(upDown->value()), 4, 2);
}
