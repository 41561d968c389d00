#include "outputs/ui/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "outputs/RulesText.h"
#include "platform/TextFile.h"

namespace brivant {

HelpWindow::HelpWindow(AppState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
  setObjectName(QStringLiteral("HelpWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Document = new QTextBrowser(this);
  Document->setObjectName(QStringLiteral("Document"));
  Document->setOpenExternalLinks(true);
  layout->addWidget(Document);
  resize(820, 640);
  closeOnEscape(this);
}

bool HelpWindow::Form_Load() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "Mode d'emploi", "Operating manual"));
  centreOnScreen(this);
  const std::filesystem::path document = helpDocumentPath(state_.programDir);
  if (!TextFile::exists(document)) {
    state_.dialogs.message(missingHelpMessage(french, document));
    return false;
  }
  // The document holds both languages, each under its own anchor.
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(document.string()));
  url.setFragment(pick(french, "fr", "en"));
  Document->setSource(url);
  return true;
}

}  // namespace brivant
