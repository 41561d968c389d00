#pragma once
// The texts the start-up shows: the first-run message and the pre-event
// instructions.

#include <QString>

namespace brivant {

QString firstRunMessage(bool french);

// What to check and do before the event begins (lines joined by CR LF).
QString preEventInstructions(bool french);

}  // namespace brivant
