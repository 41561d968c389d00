#pragma once
// The two entry colours: light green for the field awaiting input, light
// yellow for a field whose value was accepted.

#include <QColor>

class QWidget;

namespace brivant {

inline const QColor AwaitingColour{192, 255, 192};  // light green
inline const QColor AcceptedColour{255, 255, 192};  // light yellow

// Paints the field's background (for an editable combo, its line edit too).
void setFieldColour(QWidget* field, const QColor& colour);
inline void setAwaiting(QWidget* field) { setFieldColour(field, AwaitingColour); }
inline void setAccepted(QWidget* field) { setFieldColour(field, AcceptedColour); }
// The background a field shows now.
QColor fieldColour(const QWidget* field);

}  // namespace brivant
