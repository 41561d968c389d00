#include "stats/ui/DeptMapView.h"

#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "core/ui/KeyboardAccess.h"
#include "entry/DeptTally.h"
#include "stats/DepartementsSvg.h"
#include "stats/DeptMapLayout.h"

namespace brivant {

namespace {

constexpr int Margin = 4;
constexpr const char* BoxProperty = "departementBox";

QByteArray styledDocument(const DeptMap& map, const std::array<int, 100>& levels) {
  return QByteArray::fromStdString(styledDeptMapSvg(departementsSvg(), map, levels));
}

}  // namespace

DeptMapView::DeptMapView(QWidget* parent) : QWidget(parent), map_(shippedDeptMap()) {
  setObjectName(QStringLiteral("Picture1"));
  setMinimumSize(420, 400);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  renderer_.load(styledDocument(map_, levels_));
  for (const DepBoxPlace& place : depBoxPlaces()) {
    const DeptShape* shape = shapeOfBox(map_, place.box);
    if (shape == nullptr) continue;
    auto* label = new QLabel(QString::fromStdString(shape->code), this);
    label->setObjectName(QStringLiteral("Dep(%1)").arg(place.box));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setMargin(0);
    label->setAutoFillBackground(true);
    // Filled with its own colour, not the role of the picture around it.
    label->setBackgroundRole(QPalette::Window);
    label->setProperty(BoxProperty, place.box);
    label->installEventFilter(this);
    boxes_[static_cast<std::size_t>(place.box)] = label;
  }
  colourBoxes();
  setFocusPolicy(Qt::StrongFocus);
  setCurrentBox(current_);
}

void DeptMapView::setCurrentBox(int box) {
  if (box < 0 || box >= static_cast<int>(boxes_.size()) || boxes_[static_cast<std::size_t>(box)] == nullptr) return;
  current_ = box;
  frameCurrentBox();
  setAccessibleDescription(boxes_[static_cast<std::size_t>(box)]->text());
}

void DeptMapView::frameCurrentBox() {
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    if (boxes_[i] != nullptr) boxes_[i]->setLineWidth(static_cast<int>(i) == current_ && hasFocus() ? 2 : 1);
}

void DeptMapView::keyPressEvent(QKeyEvent* event) {
  static constexpr std::pair<int, Heading> Arrows[] = {
      {Qt::Key_Left, Heading::West},
      {Qt::Key_Right, Heading::East},
      {Qt::Key_Up, Heading::North},
      {Qt::Key_Down, Heading::South},
  };
  for (const auto& [key, heading] : Arrows) {
    if (event->key() == key) {
      setCurrentBox(boxToward(current_, heading));
      return;
    }
  }
  if (isOpeningKey(*event)) {
    emit departementClicked(current_);
    return;
  }
  QWidget::keyPressEvent(event);
}

void DeptMapView::setFrench(bool french) {
  french_ = french;
  colourBoxes();
}

void DeptMapView::showTally(const MapTally& tally, const std::string& band, const std::string& mode) {
  levels_ = tally.level;
  contacts_ = tally.contactsOfBox;
  shownBandMode_ = std::make_pair(band, mode);
  renderer_.load(styledDocument(map_, levels_));
  pictureStale_ = true;
  colourBoxes();
  update();
}

QString DeptMapView::tooltipOf(int box) const {
  const DeptShape* shape = shapeOfBox(map_, box);
  if (shape == nullptr) return {};
  std::optional<int> contacts;
  std::string band;
  std::string mode;
  if (shownBandMode_) {
    contacts = contacts_.at(static_cast<std::size_t>(box));
    std::tie(band, mode) = *shownBandMode_;
  }
  return mapTooltip(french_, shape->code, shape->name, contacts, band, mode);
}

void DeptMapView::colourBoxes() {
  const QColor background = palette().color(QPalette::Active, QPalette::Base);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    QLabel* label = boxes_[i];
    if (label == nullptr) continue;
    const std::optional<GridRgb> rgb = gridLevelRgb(levels_[i]);
    const QColor colour = rgb ? QColor(rgb->red, rgb->green, rgb->blue) : background;
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colour);
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setToolTip(tooltipOf(static_cast<int>(i)));
  }
}

void DeptMapView::fitToWidget() {
  const MapRect& box = map_.viewBox;
  const double width = std::max(1, this->width() - 2 * Margin);
  const double height = std::max(1, this->height() - 2 * Margin);
  scale_ = std::min(width / box.width, height / box.height);
  origin_ = QPointF((this->width() - box.width * scale_) / 2, (this->height() - box.height * scale_) / 2);
}

QPointF DeptMapView::widgetPoint(MapPoint drawn) const {
  return origin_ + QPointF((drawn.x - map_.viewBox.x) * scale_, (drawn.y - map_.viewBox.y) * scale_);
}

MapPoint DeptMapView::drawnPoint(QPointF widget) const {
  return {map_.viewBox.x + (widget.x() - origin_.x()) / scale_, map_.viewBox.y + (widget.y() - origin_.y()) / scale_};
}

QRectF DeptMapView::widgetRect(const MapRect& drawn) const {
  return {widgetPoint({drawn.x, drawn.y}), QSizeF(drawn.width * scale_, drawn.height * scale_)};
}

std::optional<int> DeptMapView::boxAt(QPointF point) const { return boxAtDrawnPoint(map_, drawnPoint(point)); }

void DeptMapView::placeBoxes() {
  for (const DepBoxPlace& place : depBoxPlaces()) {
    QLabel* label = boxes_.at(static_cast<std::size_t>(place.box));
    if (label == nullptr) continue;
    const QRect rect = widgetRect(depBoxDrawn(place)).toRect();
    QFont small = font();
    small.setPixelSize(std::max(5, rect.height() * 3 / 4));
    label->setFont(small);
    label->setGeometry(rect);
  }
}

void DeptMapView::renderPicture() {
  const qreal ratio = devicePixelRatioF();
  picture_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  picture_.setDevicePixelRatio(ratio);
  const QColor background = palette().color(QPalette::Active, QPalette::Base);
  picture_.fill(background);
  QPainter painter(&picture_);
  const MapRect& whole = map_.viewBox;
  renderer_.render(&painter, widgetRect(whole));

  // The Paris area, marked on the map and drawn magnified in its frame.
  const QPen outline(palette().color(QPalette::Active, QPalette::Mid), 1);
  painter.setPen(outline);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(widgetRect(ParisInset.source));
  const QRectF frame = widgetRect(ParisInset.frame());
  painter.fillRect(frame, background);
  painter.save();
  painter.setClipRect(frame);
  const MapPoint start = ParisInset.toFrame({whole.x, whole.y});
  renderer_.render(&painter, widgetRect({start.x, start.y, whole.width * ParisInset.magnification,
                                         whole.height * ParisInset.magnification}));
  painter.restore();
  painter.setPen(outline);
  painter.drawRect(frame);
  pictureStale_ = false;
}

void DeptMapView::paintEvent(QPaintEvent* /*event*/) {
  if (pictureStale_ || picture_.size() != size() * devicePixelRatioF()) renderPicture();
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), picture_);
}

void DeptMapView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitToWidget();
  placeBoxes();
  pictureStale_ = true;
}

void DeptMapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (const std::optional<int> box = boxAt(event->position())) {
      setCurrentBox(*box);
      emit departementClicked(*box);
      return;
    }
  }
  QWidget::mouseReleaseEvent(event);
}

bool DeptMapView::event(QEvent* event) {
  // Enter chooses the current box, not the window's default button.
  if (claimOpeningKeys(event)) return true;
  // The current box shows only while the map has the keyboard.
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) frameCurrentBox();
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (const std::optional<int> box = boxAt(help->pos())) {
      QToolTip::showText(help->globalPos(), tooltipOf(*box), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

bool DeptMapView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    const QVariant box = watched->property(BoxProperty);
    if (box.isValid()) {
      setCurrentBox(box.toInt());
      emit departementClicked(box.toInt());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace brivant
