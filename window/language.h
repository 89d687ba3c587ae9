// The language the window speaks: the desktop's by default (LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG, as Qt reads them), or the one the player chose in View > Language. Installing one sends
// every widget a LanguageChange, on which it puts its texts into the new language at once.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QCoreApplication;
class QSettings;

namespace korvo {

// A language the window can speak: its code and its name in its own words, as a player looks
// for it in a menu ("Deutsch" reads the same on an English desktop).
struct Language {
  const char* code;
  const char* ownName;
};

// English first, then the translations.
inline constexpr std::array<Language, 4> kLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"nl", "Nederlands"},
    {"da", "Dansk"},
}};

// The language of kLanguages that the desktop's list of languages picks: the first entry that
// one of them speaks, a regional variant counting as its language (de_AT, de-CH: German).
// English where none fits, also in the C locale.
QString desktopLanguage(const QStringList& uiLanguages);
QString desktopLanguage();

// Installs the window's texts and Qt's own (dialog buttons) in `code`, one of kLanguages, or
// in the desktop's language for an empty code or one it does not know; returns the language
// installed. English installs only the plural forms of the window's texts.
QString installLanguage(const QString& code);

// The player's choice in the settings: "" (or none) for the desktop's language, else a code.
inline constexpr const char* kLanguageSetting = "language";
// Installs the language the settings hold.
QString installChosenLanguage(const QSettings& settings);

// The command line's words (its help and its mistakes) in the language the window speaks, for as
// long as it lives. Qt translates only within an application, so it holds a core application of
// its own: the window's application comes after it.
class CommandLineLanguage {
 public:
  CommandLineLanguage();
  ~CommandLineLanguage();
  CommandLineLanguage(const CommandLineLanguage&) = delete;
  CommandLineLanguage& operator=(const CommandLineLanguage&) = delete;

 private:
  std::unique_ptr<QCoreApplication> app_;
};

// The language installed last.
QString installedLanguage();

}  // namespace korvo
