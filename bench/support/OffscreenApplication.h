#pragma once
// The one QApplication of a benchmark program that drives windows, on Qt's
// offscreen platform unless another one is asked for.

class QApplication;

namespace brivant::bench {

QApplication& offscreenApplication();

}  // namespace brivant::bench
