// Panel attributes: title, geometry, visibility, dimming, and what the combo
// box walks (number of controls, active control, first control).
#include <algorithm>

#include "platform/userint/ui_model.h"

namespace {

// A child panel's size is in its parent's pixels at 100 %. A window takes the
// size; one that is not sizable keeps it fixed.
void resizePanel(plat::Panel &p, int width, int height)
{
    if (p.parent != 0) {
        p.designWidth = width;
        p.designHeight = height;
        plat::placeChildPanel(p);
        return;
    }
    if (p.sizable)
        p.widget->resize(width, height);
    else
        p.widget->setFixedSize(width, height);
    plat::panelResized(p.handle);
}

// Place and size: a child panel's at 100 %, a window's on the screen.
QRect panelGeometry(const plat::Panel &p)
{
    if (p.parent != 0)
        return QRect(p.designLeft, p.designTop, p.designWidth, p.designHeight);
    return QRect(p.widget->x(), p.widget->y(), p.widget->width(), p.widget->height());
}

}  // namespace

int GetPanelAttribute(int panel, int attribute, int *value)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    if (!value)
        return UIEBadValueType;
    QWidget *w = p->widget;
    const QRect g = panelGeometry(*p);
    switch (attribute) {
    case ATTR_TOP: *value = g.top(); return 0;
    case ATTR_LEFT: *value = g.left(); return 0;
    case ATTR_WIDTH: *value = g.width(); return 0;
    case ATTR_HEIGHT: *value = g.height(); return 0;
    case ATTR_VISIBLE: *value = w->isHidden() ? 0 : 1; return 0;
    case ATTR_SIZABLE: *value = p->sizable ? 1 : 0; return 0;
    case ATTR_SCALE_CONTENTS_ON_RESIZE: *value = p->scaleContents ? 1 : 0; return 0;
    case ATTR_DIMMED: *value = p->dimmed ? 1 : 0; return 0;
    case ATTR_NUM_CTRLS: *value = static_cast<int>(p->ctrls.size()); return 0;
    case ATTR_ACTIVE_CTRL: *value = GetActiveCtrl(panel); return 0;
    case ATTR_PANEL_FIRST_CTRL: *value = p->tabOrder.empty() ? 0 : p->tabOrder.front(); return 0;
    case ATTR_CALLBACK_DATA:
    case ATTR_CALLBACK_FUNCTION_POINTER:
    case ATTR_TITLE:
        return UIEBadValueType;
    default:
        return UIEInvalidAttribute;
    }
}

int GetPanelAttribute(int panel, int attribute, char *value, std::size_t size)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    if (attribute == ATTR_TITLE)
        return plat::copyOut(p->title, value, size);
    return attribute >= ATTR_DIMMED && attribute <= ATTR_NUM_COLUMNS ? UIEBadValueType
                                                                      : UIEInvalidAttribute;
}

int SetPanelAttribute(int panel, int attribute, int value)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    QWidget *w = p->widget;
    const QRect g = panelGeometry(*p);
    switch (attribute) {
    case ATTR_TOP: return SetPanelPos(panel, value, g.left());
    case ATTR_LEFT: return SetPanelPos(panel, g.top(), value);
    case ATTR_WIDTH: resizePanel(*p, std::max(0, value), g.height()); return 0;
    case ATTR_HEIGHT: resizePanel(*p, g.width(), std::max(0, value)); return 0;
    case ATTR_SIZABLE:
        if (p->parent != 0)
            return UIEInvalidAttribute;
        p->sizable = value != 0;
        plat::applySizable(*p);
        return 0;
    case ATTR_SCALE_CONTENTS_ON_RESIZE:
        if (p->parent != 0)
            return UIEInvalidAttribute;
        p->scaleContents = value != 0;
        if (p->scaleContents)
            plat::panelResized(panel);
        return 0;
    case ATTR_VISIBLE: return value ? DisplayPanel(panel) : HidePanel(panel);
    case ATTR_DIMMED:
        p->dimmed = value != 0;
        w->setEnabled(!p->dimmed);
        return 0;
    case ATTR_TITLE:
        return UIEBadValueType;
    case ATTR_NUM_CTRLS:
    case ATTR_ACTIVE_CTRL:
    case ATTR_PANEL_FIRST_CTRL:
    default:
        return UIEInvalidAttribute;
    }
}

int SetPanelAttribute(int panel, int attribute, const char *value)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    if (attribute != ATTR_TITLE)
        return UIEInvalidAttribute;
    p->title = plat::fromUtf8(value);
    p->widget->setWindowTitle(p->title);
    return 0;
}
