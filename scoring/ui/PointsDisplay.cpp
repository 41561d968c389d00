#include "scoring/ui/PointsDisplay.h"

#include <QLabel>

#include "core/MissingFile.h"
#include "core/ui/EntryForm.h"
#include "scoring/Points.h"

namespace brivant {

bool showPoints(const MainView& view) {
  const Result<long long> points = Calcul_Points(view.state.programDir, view.state.StationCall);
  if (!points) {
    view.main.raiseFileError(points.error(), MissingFileLabel::Log);
    return false;
  }
  view.form.P_QSO->setText(QString::number(*points));
  return true;
}

}  // namespace brivant
