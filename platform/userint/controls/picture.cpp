// Picture controls: an image file shown within the control's bounds.
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

// Shows the image scaled down (never up) to fit the control, keeping its
// proportions. A missing or unreadable file leaves the picture empty and
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
    QSize room = label->size();
    if (image.width() > room.width() || image.height() > room.height())
        image = image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(QPixmap::fromImage(image));
    return 0;
}
