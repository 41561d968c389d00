#include "labels/ui/LabelMenus.h"

#include <QWidget>

#include "core/LogFile.h"
#include "labels/ui/Select_QSO.h"
#include "outputs/OutputText.h"

namespace brivant {

LabelMenus::LabelMenus(AppState& state, QWidget* mainWindow, Printer& printer, Hooks hooks)
    : QObject(mainWindow), state_(state), mainWindow_(mainWindow), printer_(printer), hooks_(std::move(hooks)) {}

// The selection and the label window over it use the printer: they close
// before the printer's owner can let it go.
LabelMenus::~LabelMenus() { delete selectQso_.data(); }

Select_QSO* LabelMenus::selectQso() const { return selectQso_; }

void LabelMenus::Mnu_Imp_QSL_Click() {
  if (!selectQso_) {
    selectQso_ = new Select_QSO(state_, printer_, mainWindow_);
    if (Status loaded = selectQso_->Form_Load(); !loaded) {
      delete selectQso_.data();
      if (hooks_.fileError) {
        hooks_.fileError(loaded.error());
      } else {
        state_.dialogs.message(
            outputReadFailure(state_.french(), loaded.error(), logFilePath(state_.programDir, state_.StationCall)));
      }
      return;
    }
  }
  selectQso_->show();
  selectQso_->raise();
  selectQso_->activateWindow();
}

}  // namespace brivant
