#include "tests/support/qt/Screenshots.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QStyleFactory>
#include <QWidget>
#include <cstdlib>

namespace brivant::testing {

ScreenshotFolder::ScreenshotFolder() {
  if (const char* folder = std::getenv("BRIVANT_SCREENSHOTS_DIR"); folder != nullptr && *folder != '\0') {
    path_ = folder;
    std::filesystem::create_directories(path_);
  } else {
    path_ = scratch_.path();
  }
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
}

void ScreenshotFolder::save(QWidget* window, const std::string& name) const {
  QApplication::processEvents();
  const QImage image = window->grab().toImage();
  ASSERT_FALSE(image.isNull()) << name;
  EXPECT_EQ(image.size(), window->size() * image.devicePixelRatio()) << name;
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 7)
    for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 4) << name << " looks blank";
  const std::filesystem::path file = path_ / (name + ".png");
  ASSERT_TRUE(image.save(QString::fromStdString(file.string()))) << file;
  EXPECT_GT(std::filesystem::file_size(file), 1000u) << file;
}

}  // namespace brivant::testing
