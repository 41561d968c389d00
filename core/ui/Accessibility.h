#pragma once
// What a screen reader says of the controls: each one is named by its
// caption.  A field is named by its label (QLabel::setBuddy), which Qt reads
// at the moment it is asked, so the name follows the caption through a
// language switch or a caption that changes; a frame's title is not a field's
// name.

namespace brivant {

// Drop-down lists are named by their caption too, like the other controls,
// with the item shown as their value (Qt names them by the item shown on
// Linux).  Installed once for the application; needs the application object.
void nameDropDownListsByCaption();

}  // namespace brivant
