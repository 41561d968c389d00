// Built by the layering check only: Qt's network module belongs to the
// platform alone (linked privately there).
// The library's own header comes first: it must be found.
#include "core/LogFile.h"

// The network header must not be.
#include <QtNetwork/QTcpSocket>
