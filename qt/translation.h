// The window's side of the translation hook: Qt's own translation system with
// the English file built into the program.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

#include "shell/translation.h"

namespace zarvo {

class QtTranslator final : public Translator {
 public:
  QtTranslator();
  ~QtTranslator() override;
  std::string translate(const char* context, std::string_view source) override;
  // Installs or removes the English translation; every widget is told at once.
  void use_language(Language language) override;
  Language language() const { return language_; }

 private:
  std::unique_ptr<QTranslator> english_;
  Language language_ = Language::Japanese;
};

// The language the system's locale asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
Language system_language();

// A Japanese source text in the window's language.
QString tr_text(const char* context, std::string_view source);

}  // namespace zarvo
