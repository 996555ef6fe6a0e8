// Picture controls: an image file shown within the control's bounds.
#include <QImageReader>
#include <QLabel>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

// Shows the image scaled down (never up) to fit the control, keeping its
// proportions, drawn with the screen's full pixel density; in a window that
// grows the image grows with it. A missing or unreadable file leaves the
// picture empty and returns UIEResourceNotFound.
int DisplayImageFile(int panel, int control, const char *fileName)
{
    plat::Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    if (c->kind != CTRL_PICTURE)
        return UIEInvalidControlType;
    auto *label = static_cast<QLabel *>(c->widget.data());
    QImageReader reader(plat::fromUtf8(fileName));
    c->picture = reader.read();
    if (c->picture.isNull()) {
        label->clear();
        return UIEResourceNotFound;
    }
    plat::placeCtrl(*c);
    return 0;
}
