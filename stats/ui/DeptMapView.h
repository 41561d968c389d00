#pragma once
// The map of the departements (Picture1 of Carte_Acti): the outlines drawn
// with Qt SVG, each departement filled with its level's colour, the boxes
// Dep(i) inside their departements, the Paris departements magnified in an
// inset; scales with the window.  From the keyboard: the arrows move the
// current box from departement to departement as they lie on the map (the
// box framed thicker while the map has the focus), Enter or the space bar
// chooses it as a click does.

#include <QImage>
#include <QSvgRenderer>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "stats/DeptMapTally.h"
#include "stats/DeptShapes.h"

class QLabel;

namespace brivant {

class DeptMapView final : public QWidget {
  Q_OBJECT

 public:
  explicit DeptMapView(QWidget* parent = nullptr);
  // Colours the map from the counts of a band and mode (band and mode as
  // Windows-1252 bytes, for the tooltips), in the interface language.
  void showTally(const MapTally& tally, const std::string& band, const std::string& mode);
  void setFrench(bool french);

  // Dep(i); nullptr for the boxes no departement has (0, 20, 98, 99).
  QLabel* box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
  int level(int box) const { return levels_.at(static_cast<std::size_t>(box)); }
  // The point of the widget where a point of the drawing (map units) lies.
  QPointF widgetPoint(MapPoint drawn) const;
  // The departement box under a point of the widget, if any.
  std::optional<int> boxAt(QPointF point) const;
  // The tooltip a departement shows.
  QString tooltipOf(int box) const;
  // The box the arrows move and Enter chooses.
  int currentBox() const { return current_; }
  void setCurrentBox(int box);

 signals:
  // A click on a departement or on its box.
  void departementClicked(int box);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void frameCurrentBox();
  MapPoint drawnPoint(QPointF widget) const;
  QRectF widgetRect(const MapRect& drawn) const;
  void fitToWidget();
  void placeBoxes();
  void colourBoxes();
  void renderPicture();

  const DeptMap& map_;
  QSvgRenderer renderer_;
  QImage picture_;
  bool pictureStale_ = true;
  decltype(MapTally::level) levels_{};
  decltype(MapTally::contactsOfBox) contacts_{};
  std::optional<std::pair<std::string, std::string>> shownBandMode_;
  bool french_ = false;
  std::array<QLabel*, std::tuple_size_v<decltype(MapTally::level)>> boxes_{};
  int current_ = 1;
  double scale_ = 1;
  QPointF origin_;
};

}  // namespace brivant
