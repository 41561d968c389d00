// Built by the layering check only: the core's logic cannot see Qt Widgets,
// under its short name or its long one.
// The library's own header comes first: it must be found.
#include "core/LogFile.h"

// Qt's own header of the same library must be found too (QtCore).
#include <QtCore/QString>

// The widget header must not be.
#include <QtWidgets/QWidget>
