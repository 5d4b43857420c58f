#include "app/qt/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

std::unique_ptr<QTranslator> InstallToolkitTranslations() {
  auto translator = std::make_unique<QTranslator>();
  // The interface is Japanese whatever the locale, so the toolkit's texts are too.
  if (!translator->load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator.get())) {
    return nullptr;
  }
  return translator;
}
