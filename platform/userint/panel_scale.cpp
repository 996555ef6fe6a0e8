// Windows that grow. A window whose contents follow its size lays its
// controls, captions, fonts and child panels out again at the new scale; the
// records keep the geometry at 100 %, so attributes read back what was set.
// A sizable window larger than the free area of its screen shrinks to fit.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;
using plat::Panel;

// Smallest share of its design size the operator can shrink a window to.
constexpr double kMinScale = 0.4;
// Room for the window manager's frame and title bar while a window has not
// been framed yet, in pixels.
constexpr int kFrameAllowanceW = 16;
constexpr int kFrameAllowanceH = 40;

int scaledPos(int v, double s)
{
    return static_cast<int>(std::lround(v * s));
}

// A rectangle at 100 % scaled; both edges are rounded, so neighbours that
// touch at 100 % still touch.
QRect scaledRect(int left, int top, int width, int height, double sx, double sy)
{
    const int l = scaledPos(left, sx), t = scaledPos(top, sy);
    const int r = scaledPos(left + std::max(0, width), sx);
    const int b = scaledPos(top + std::max(0, height), sy);
    return QRect(l, t, std::max(0, r - l), std::max(0, b - t));
}

// The image fitted into the control: never larger than the control, and never
// more than its own size times the font scale (so it grows with its window).
// A high-density screen gets as many of the image's own pixels as it shows.
void fitPicture(Ctrl &c, double fontScale)
{
    if (c.kind != CTRL_PICTURE || c.picture.isNull())
        return;
    auto *label = static_cast<QLabel *>(c.widget.data());
    QSize shown = (QSizeF(c.picture.size()) * fontScale).toSize().expandedTo(QSize(1, 1));
    const QSize room = label->size();
    if (shown.width() > room.width() || shown.height() > room.height())
        shown = shown.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
    const qreal ratio = label->devicePixelRatioF();
    const QSize device = (QSizeF(shown) * ratio).toSize();
    QImage image = c.picture;
    if (device != image.size())
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(image));
}

QFont scaledAppFont(double s)
{
    QFont f = QApplication::font();
    if (s == 1.0)
        return f;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * s);
    else if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, scaledPos(f.pixelSize(), s)));
    return f;
}

// Lays the panel and its child panels out at (sx, sy).
void rescale(Panel &p, double sx, double sy)
{
    const bool fontChanged = std::min(sx, sy) != std::min(p.scaleX, p.scaleY);
    p.scaleX = sx;
    p.scaleY = sy;
    // Captions have no font of their own: they take the panel's.
    p.widget->setFont(scaledAppFont(std::min(sx, sy)));
    for (auto &entry : p.ctrls) {
        Ctrl &c = *entry.second;
        if (!c.widget)
            continue;
        if (fontChanged)
            plat::applyFont(c);
        plat::placeCtrl(c);
    }
    for (int h : plat::panelHandles()) {
        Panel *child = plat::findPanel(h);
        if (child && child->parent == p.handle) {
            rescale(*child, sx, sy);
            plat::placeChildPanel(*child);
        }
    }
}

}  // namespace

namespace plat {

void placeCtrl(Ctrl &c)
{
    if (!c.widget)
        return;
    Panel *p = findPanel(c.panel);
    const double sx = p ? p->scaleX : 1, sy = p ? p->scaleY : 1;
    if (c.autoSize)
        c.widget->move(scaledPos(c.left, sx), scaledPos(c.top, sy));
    else
        c.widget->setGeometry(scaledRect(c.left, c.top, c.width, c.height, sx, sy));
    fitPicture(c, std::min(sx, sy));
    placeLabel(c);
}

double fontScale(int panel)
{
    Panel *p = findPanel(panel);
    return p ? std::min(p->scaleX, p->scaleY) : 1.0;
}

void panelResized(int handle)
{
    Panel *p = findPanel(handle);
    if (!p || p->parent != 0 || !p->scaleContents || p->designWidth <= 0 || p->designHeight <= 0)
        return;
    const double sx = double(p->widget->width()) / p->designWidth;
    const double sy = double(p->widget->height()) / p->designHeight;
    if (sx != p->scaleX || sy != p->scaleY)
        rescale(*p, sx, sy);
}

void placeChildPanel(Panel &p)
{
    Panel *parent = findPanel(p.parent);
    if (!parent)
        return;
    p.widget->setGeometry(scaledRect(p.designLeft, p.designTop, p.designWidth, p.designHeight,
                                     parent->scaleX, parent->scaleY));
    if (p.scaleX != parent->scaleX || p.scaleY != parent->scaleY)
        rescale(p, parent->scaleX, parent->scaleY);
}

void applySizable(Panel &p)
{
    if (p.parent != 0)
        return;
    QWidget *w = p.widget;
    if (!p.sizable) {
        w->setFixedSize(w->size());
        return;
    }
    w->setMinimumSize(std::max(1, scaledPos(p.designWidth, kMinScale)),
                      std::max(1, scaledPos(p.designHeight, kMinScale)));
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void fitToScreen(int handle)
{
    Panel *p = findPanel(handle);
    if (!p || p->parent != 0 || !p->sizable)
        return;
    QWidget *w = p->widget;
    QScreen *screen = w->screen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    QSize frame = w->frameGeometry().size() - w->size();
    if (frame.width() <= 0 && frame.height() <= 0)
        frame = QSize(kFrameAllowanceW, kFrameAllowanceH);
    const int roomW = avail.width() - frame.width();
    const int roomH = avail.height() - frame.height();
    if (roomW <= 0 || roomH <= 0)
        return;
    if (w->width() > roomW || w->height() > roomH) {
        const double s = std::min(double(roomW) / w->width(), double(roomH) / w->height());
        w->resize(std::max(1, static_cast<int>(w->width() * s)),
                  std::max(1, static_cast<int>(w->height() * s)));
        panelResized(handle);
    }
    // The whole frame on that screen.
    const int outerW = w->width() + frame.width(), outerH = w->height() + frame.height();
    const int x = std::clamp(w->x(), avail.left(), std::max(avail.left(), avail.left() + avail.width() - outerW));
    const int y = std::clamp(w->y(), avail.top(), std::max(avail.top(), avail.top() + avail.height() - outerH));
    if (x != w->x() || y != w->y())
        w->move(x, y);
}

}  // namespace plat
