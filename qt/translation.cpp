#include "qt/translation.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace zarvo {

QtTranslator::QtTranslator() { install_translator(this); }

QtTranslator::~QtTranslator() {
  remove_translator(this);
  if (english_) QCoreApplication::removeTranslator(english_.get());
}

std::string QtTranslator::translate(const char* context, std::string_view source) {
  return tr_text(context, source).toStdString();
}

void QtTranslator::use_language(Language language) {
  if (language == language_) return;
  if (language == Language::English) {
    if (!english_) {
      auto english = std::make_unique<QTranslator>();
      // A program built without its translation keeps its own texts.
      if (!english->load(QStringLiteral(":/i18n/zarvo_en.qm"))) return;
      english_ = std::move(english);
    }
    QCoreApplication::installTranslator(english_.get());
  } else if (english_) {
    QCoreApplication::removeTranslator(english_.get());
  }
  language_ = language;
  // Qt posts the change to the windows; they show the new texts before anything else happens.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language system_language() {
  const QStringList wanted = QLocale::system().uiLanguages();
  return language_of_locale((wanted.isEmpty() ? QLocale::system().name() : wanted.first()).toStdString());
}

QString tr_text(const char* context, std::string_view source) {
  const QByteArray bytes(source.data(), static_cast<qsizetype>(source.size()));
  return QCoreApplication::translate(context, bytes.constData());
}

}  // namespace zarvo
