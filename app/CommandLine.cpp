#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/History.h"

namespace brivant {

namespace {

bool set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

// Qt takes "-platform name" and "--platform name" alike.
bool platformOption(const char* argument) {
  return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0;
}

void printError(const QString& text) {
  std::fprintf(stderr, "brivant: %s Try: brivant --help\n", qUtf8Printable(text));
}

}  // namespace

bool displayAvailable(int argc, char** argv) {
  if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i)
    if (platformOption(argv[i])) return true;
  return false;
}

std::optional<int> readCommandLine(const QCoreApplication& application) {
  QCoreApplication::setApplicationName(QStringLiteral("Brivant"));
  QCoreApplication::setApplicationVersion(
      QString::fromLatin1(RevisionText.data(), static_cast<qsizetype>(RevisionText.size())).trimmed());

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Brivant, carnet de trafic de la Journée Nationale des Ruziduza (JNC).\n"
                     "Brivant, the logbook of the Journée Nationale des Ruziduza (JNC)."));
  parser.addHelpOption();
  parser.addVersionOption();
  if (!parser.parse(QCoreApplication::arguments())) {
    printError(parser.errorText());
    return 2;
  }
  if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
    printError(QStringLiteral("Unexpected argument '%1'.").arg(extra.first()));
    return 2;
  }
  // Parsed without fault: Qt prints the help (--help-all adds its own
  // options) or the version and ends the program with status 0, or returns.
  parser.process(application);
  return std::nullopt;
}

}  // namespace brivant
