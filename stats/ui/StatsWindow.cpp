#include "stats/ui/StatsWindow.h"

#include "core/ui/KeyboardAccess.h"

namespace brivant {

StatsWindow::StatsWindow(AppState& state, StatsHooks hooks, const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), hooks_(std::move(hooks)) {
  setObjectName(name);
  setAttribute(Qt::WA_DeleteOnClose);
  closeOnEscape(this);
}

}  // namespace brivant
