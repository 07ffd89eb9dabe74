#pragma once

#include <QRect>

class QWidget;

namespace scrivlet {

// A control's place given in dialog units (a quarter of the dialog font's average character width
// across, an eighth of its line height down), converted to the dialog's pixels.
QRect inDialogUnits(const QWidget& dialog, int left, int top, int width, int height);

} // namespace scrivlet
