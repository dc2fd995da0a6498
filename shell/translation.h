// The texts the player reads are Japanese in the code: they are the source
// texts of the translations, and what the program shows unless another
// language is chosen. The mark the translation tools look for is
// QT_TRANSLATE_NOOP (rules/text_mark.h). A whole text is translated where it is
// shown (message boxes, the board, the menus); a text built from parts goes
// through translate() and fill() before it is shown.
//
// Contexts of the translation file: "Menu" menu items, "Message" message-box
// texts and titles, "Board" texts drawn on the board.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "rules/text_mark.h"

namespace zarvo {

enum class Language { Japanese, English };

// "ja" / "en": the value of the settings line and the suffix of the translation file.
const char* language_code(Language language);
std::optional<Language> language_of_code(std::string_view code);
// The language for a locale name such as "ja_JP", "en-US" or "C": Japanese for
// ja* and for the plain C/POSIX locale (the program's own texts), English otherwise.
Language language_of_locale(std::string_view name);

class Translator {
 public:
  virtual ~Translator() = default;
  virtual std::string translate(const char* context, std::string_view source) = 0;
  // From now on every text in `language`; the window retranslates what it shows.
  virtual void use_language(Language language) = 0;
};

// Qt keeps its translations for the whole process, and so does this hook: the
// window installs its translator and takes it away when it goes. Without one
// every text is the program's own.
void install_translator(Translator* translator);
void remove_translator(Translator* translator);
std::string translate(const char* context, std::string_view source);
void use_language(Language language);

// A pattern with %1, %2 ... replaced by the values in order.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace zarvo
