#include "platform/dialogunits.h"

#include <QFontMetrics>
#include <QWidget>

namespace scrivlet {

QRect inDialogUnits(const QWidget& dialog, int left, int top, int width, int height)
{
    const QFontMetrics metrics(dialog.font());
    const int x = metrics.averageCharWidth();
    const int y = metrics.height();
    return QRect(left * x / 4, top * y / 8, width * x / 4, height * y / 8);
}

} // namespace scrivlet
