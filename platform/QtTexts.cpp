#include "platform/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace brivant::QtTexts {

namespace {

std::unique_ptr<QTranslator>& installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

bool use(bool french) {
  std::unique_ptr<QTranslator>& current = installed();
  if (current) {
    QCoreApplication::removeTranslator(current.get());
    current.reset();
  }
  if (!french) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  QCoreApplication::installTranslator(translator.get());
  current = std::move(translator);
  return true;
}

}  // namespace brivant::QtTexts
