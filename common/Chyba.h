#pragma once
// An error with a text meant for the user; commands let it escape to BezpecnyPrikaz.
#include <QString>
#include <exception>

class Chyba : public std::exception {
 public:
  explicit Chyba(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
  const QString& text() const { return text_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString text_;
  QByteArray utf8_;
};
