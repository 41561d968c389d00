#include "labels/ui/LabelMenus.h"

#include <QWidget>
#include <memory>

#include "core/LogFile.h"
#include "labels/ui/Select_QSO.h"
#include "outputs/OutputText.h"

namespace brivant {

LabelMenus::LabelMenus(AppState& state, QWidget& mainWindow, Printer& printer, Hooks hooks)
    : QObject(&mainWindow), state_(state), mainWindow_(mainWindow), printer_(printer), hooks_(std::move(hooks)) {}

Select_QSO* LabelMenus::selectQso() const { return selectQso_; }

void LabelMenus::Mnu_Imp_QSL_Click() {
  if (!selectQso_) {
    auto selection = std::make_unique<Select_QSO>(state_, printer_, &mainWindow_);
    if (Status loaded = selection->Form_Load(); !loaded) {
      selection.reset();
      if (hooks_.fileError) {
        hooks_.fileError(loaded.error());
      } else {
        state_.dialogs.message(
            outputReadFailure(state_.french(), loaded.error(), logFilePath(state_.programDir, state_.StationCall)));
      }
      return;
    }
    selectQso_ = selection.release();
  }
  selectQso_->show();
  selectQso_->raise();
  selectQso_->activateWindow();
}

}  // namespace brivant
