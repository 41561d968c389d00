// Every window opens wholly inside the screen, with nothing cut, in both
// languages, on the screen and at the scale this process runs with.  ctest
// runs it on 1280 x 720 and 1366 x 768 at 100 %, 1920 x 1080 at 150 % and
// 2560 x 1440 at 200 % (QT_SCALE_FACTOR, tests/CMakeLists.txt).  Each window's picture goes to
// BRIVANT_SCREENSHOTS_DIR, named after the screen and the scale.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <optional>
#include <sstream>

#include "core/ui/Centre.h"
#include "core/ui/Gestion_Erreur.h"
#include "core/ui/KeyboardAccess.h"
#include "stats/ui/DeptMapView.h"
#include "tests/app/EveryWindowFixture.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant::testing {
namespace {

std::string text(const QRect& rect) {
  std::ostringstream out;
  out << rect.width() << "x" << rect.height() << "+" << rect.x() << "+" << rect.y();
  return out.str();
}

std::string text(const QSize& size) { return std::to_string(size.width()) + "x" + std::to_string(size.height()); }

// Inside a list, a scroll area or a text view, where what does not show is
// scrolled to.
bool scrolled(const QWidget* control, const QWidget* window) {
  for (const QWidget* parent = control->parentWidget(); parent != nullptr && parent != window;
       parent = parent->parentWidget())
    if (qobject_cast<const QAbstractScrollArea*>(parent) != nullptr) return true;
  return false;
}

// The screen and scale in a picture's name: "1920x1080_150".
std::string screenTag(const QScreen* screen) {
  const QSize pixels = (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
  return text(pixels) + "_" + std::to_string(qRound(screen->devicePixelRatio() * 100));
}

class WindowsFit : public EveryWindowFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  // Wholly inside the screen's available area, and small enough to stay
  // there when a desktop frames it with a title bar.
  static void expectInsideScreen(QWidget* window, const std::string& name) {
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << name << " opens at " << text(window->frameGeometry()) << " on " << text(area);
    const auto fits = [&area](QSize size) {
      const QSize framed = size.grownBy(FrameAllowance);
      return framed.width() <= area.width() && framed.height() <= area.height();
    };
    EXPECT_TRUE(fits(window->size())) << name << " is " << text(window->size()) << " on " << text(area);
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    EXPECT_TRUE(fits(least)) << name << " needs at least " << text(least) << " on " << text(area);
  }

  // Every caption whole and every control inside its window.  Returns how
  // many captions it looked at.
  static int expectNothingCut(QWidget* window, const std::string& name) {
    int looked = 0;
    for (QWidget* control : controlsOf<QWidget>(window)) {
      if (!control->isVisible() || scrolled(control, window)) continue;
      const std::string where = name + " > " + control->objectName().toStdString();
      const QRect placed(control->mapTo(window, QPoint(0, 0)), control->size());
      EXPECT_TRUE(window->rect().contains(placed)) << where << " at " << text(placed) << " in " << text(window->size());
      const std::optional<QSize> needed = roomForCaption(control);
      if (!needed) continue;
      const QSize room = control->contentsRect().size();
      EXPECT_TRUE(room.width() >= needed->width() && room.height() >= needed->height())
          << where << " has " << text(room) << " for " << text(*needed);
      ++looked;
    }
    return looked;
  }

  // The room a control's caption needs inside its frame: the width of a
  // label's or a push button's text and the height of its ink (inside a push
  // button's frame), what the style asks for the others that show a
  // text.  The departement boxes of the map are drawn to the map's scale, the
  // smallest too small for their number, which their tip then shows.
  static std::optional<QSize> roomForCaption(const QWidget* control) {
    if (qobject_cast<const DeptMapView*>(control->parentWidget()) != nullptr) return std::nullopt;
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* push = qobject_cast<const QPushButton*>(control);
    QString caption;
    if (label != nullptr && !label->wordWrap() && !Qt::mightBeRichText(label->text())) caption = label->text();
    if (push != nullptr) caption = push->text();
    caption.remove(QLatin1Char('&'));
    if (!caption.trimmed().isEmpty()) {
      const QFontMetrics metrics = control->fontMetrics();
      QSize ink(metrics.horizontalAdvance(caption.trimmed()), metrics.tightBoundingRect(caption).height());
      if (push != nullptr)
        ink.rwidth() += 2 * control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
      return ink;
    }
    if (label == nullptr && push == nullptr &&
        (qobject_cast<const QAbstractButton*>(control) != nullptr ||
         qobject_cast<const QComboBox*>(control) != nullptr))
      return control->minimumSizeHint();
    return std::nullopt;
  }

  ScreenshotFolder folder;
};

TEST_P(WindowsFit, EveryWindowOpensInsideTheScreenWithNothingCut) {
  Main& window = startWithContacts(GetParam());
  std::vector<QWidget*> windows = openEveryWindow(window);
  window.raiseFileError(FileError{FileNotFound, "", ""}, ".log");
  windows.push_back(window.errorWindow());
  QApplication::processEvents();

  const std::string tag = std::string(GetParam()) == "Fr" ? "fr" : "en";
  const std::string screen = screenTag(window.screen());
  int looked = 0;
  for (QWidget* opened : windows) {
    if (opened == nullptr) continue;
    const std::string name = opened->objectName().toStdString();
    EXPECT_TRUE(opened->isVisible()) << name;
    expectInsideScreen(opened, name);
    looked += expectNothingCut(opened, name);
    folder.save(opened, name + "_" + tag + "_" + screen);
  }
  // Not a vacuous pass: the windows hold some three hundred captions.
  EXPECT_GT(looked, 250);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, WindowsFit, ::testing::Values("Fr", "An"));

}  // namespace
}  // namespace brivant::testing
