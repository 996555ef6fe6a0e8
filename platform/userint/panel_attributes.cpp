// Panel attributes: title, geometry, visibility, dimming, and what the combo
// box walks (number of controls, active control, first control).
#include "platform/userint/ui_model.h"

namespace {

// Top-level panels keep the fixed size they were given.
void resizePanel(plat::Panel &p, int width, int height)
{
    if (p.parent == 0)
        p.widget->setFixedSize(width, height);
    else
        p.widget->resize(width, height);
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
    switch (attribute) {
    case ATTR_TOP: *value = w->y(); return 0;
    case ATTR_LEFT: *value = w->x(); return 0;
    case ATTR_WIDTH: *value = w->width(); return 0;
    case ATTR_HEIGHT: *value = w->height(); return 0;
    case ATTR_VISIBLE: *value = w->isHidden() ? 0 : 1; return 0;
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
    switch (attribute) {
    case ATTR_TOP: w->move(w->x(), value); return 0;
    case ATTR_LEFT: w->move(value, w->y()); return 0;
    case ATTR_WIDTH: resizePanel(*p, value, w->height()); return 0;
    case ATTR_HEIGHT: resizePanel(*p, w->width(), value); return 0;
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
