#include "outputs/ui/PrintJob.h"

#include "core/Language.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/ui/Printer.h"

namespace brivant {

bool printLines(Printer& printer, Dialogs& dialogs, const std::vector<std::string>& lines) {
  if (!dialogs.choosePrinter(printer.device())) return true;
  const QString name = printer.fontName();
  const double size = printer.fontSize();
  printer.setFontName(QStringLiteral("Courier New"));
  printer.setFontBold(true);
  printer.setFontSize(10);
  for (const std::string& line : lines) printer.printLine(Cp1252::toQString(line));
  const bool sent = printer.endDocument();
  printer.setFontBold(false);
  printer.setFontName(name);
  printer.setFontSize(size);
  return sent;
}

QString printFailureMessage(bool french) {
  return pick(french, "Impression impossible : l'imprimante n'a pas accepté le document.",
              "Printing failed: the printer did not accept the document.");
}

}  // namespace brivant
