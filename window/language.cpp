#include "window/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace korvo {

namespace {

struct Installed {
  QString language;
  std::unique_ptr<QTranslator> window;
  std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
  static Installed state;
  return state;
}

bool known(const QString& code) {
  for (const Language& language : kLanguages) {
    if (code == QLatin1String(language.code)) return true;
  }
  return false;
}

// A translator loaded from `file`, or none where there is no such file.
std::unique_ptr<QTranslator> load(const QString& file) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file)) return nullptr;
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace

QString desktopLanguage(const QStringList& uiLanguages) {
  for (const QString& name : uiLanguages) {
    // "de-AT", "de_CH", "de": the language is what comes before the region.
    const QString code = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (known(code)) return code;
  }
  return QStringLiteral("en");
}

QString desktopLanguage() {
  return desktopLanguage(QLocale::system().uiLanguages());
}

QString installLanguage(const QString& code) {
  const QString language = known(code) ? code : desktopLanguage();
  Installed& now = installed();
  // Removed before the new ones go in, so that each change sends one LanguageChange per
  // translator at most and never leaves two languages mixed.
  now.window.reset();
  now.qt.reset();
  now.window = load(QStringLiteral(":/i18n/korvo_%1.qm").arg(language));
  if (language != QLatin1String("en")) {
    now.qt = load(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                  QStringLiteral("/qtbase_%1.qm").arg(language));
  }
  now.language = language;
  return language;
}

QString installChosenLanguage(const QSettings& settings) {
  return installLanguage(settings.value(QString::fromUtf8(kLanguageSetting)).toString());
}

CommandLineLanguage::CommandLineLanguage() {
  // Named "korvo" wherever it was started from, as the help's first line names it.
  static int argc = 1;
  static char name[] = "korvo";
  static char* argv[] = {name, nullptr};
  app_ = std::make_unique<QCoreApplication>(argc, argv);
  installChosenLanguage(QSettings(QStringLiteral("korvo"), QStringLiteral("korvo")));
}

CommandLineLanguage::~CommandLineLanguage() {
  installed().window.reset();
  installed().qt.reset();
  app_.reset();
}

QString installedLanguage() {
  return installed().language;
}

}  // namespace korvo
