// Picture controls: an image file shown within the control's bounds.
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

// Shows the image scaled down (never up) to fit the control, keeping its
// proportions, drawn with the screen's full pixel density. A missing or unreadable file leaves the picture empty and
// returns UIEResourceNotFound.
int DisplayImageFile(int panel, int control, const char *fileName)
{
    plat::Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    if (c->kind != CTRL_PICTURE)
        return UIEInvalidControlType;
    auto *label = static_cast<QLabel *>(c->widget.data());
    QImageReader reader(plat::fromUtf8(fileName));
    QImage image = reader.read();
    if (image.isNull()) {
        label->clear();
        return UIEResourceNotFound;
    }
    // The size on screen, in the control's units; a high-density screen
    // then gets as many of the image's own pixels as it can show.
    QSize shown = image.size();
    const QSize room = label->size();
    if (shown.width() > room.width() || shown.height() > room.height())
        shown = shown.scaled(room, Qt::KeepAspectRatio);
    const qreal ratio = label->devicePixelRatioF();
    const QSize device = (QSizeF(shown) * ratio).toSize();
    if (device != image.size())
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(image));
    return 0;
}
