// Timer controls: never shown, they send EVENT_TIMER_TICK to their callback
// every ATTR_INTERVAL seconds while enabled. Ticks come only while events
// are processed (the event loop, ProcessSystemEvents, a popup), on the
// event-loop thread like every other event.
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

constexpr double kMinIntervalS = 0.001;
constexpr double kMaxIntervalS = 86400.0;

class TimerWidget : public QWidget {
public:
    TimerWidget(QWidget *parent, int panel, int id) : QWidget(parent)
    {
        timer_.setTimerType(Qt::CoarseTimer);
        QObject::connect(&timer_, &QTimer::timeout, this,
                         [panel, id] { plat::dispatch(panel, id, EVENT_TIMER_TICK, 0, 0); });
    }
    QTimer &timer() { return timer_; }

private:
    QTimer timer_;
};

QTimer &timerOf(plat::Ctrl &c)
{
    return static_cast<TimerWidget *>(c.widget.data())->timer();
}

}  // namespace

namespace plat {

QWidget *makeTimer(Ctrl &c, const CtrlDesc &d, QWidget *parent)
{
    auto *w = new TimerWidget(parent, c.panel, c.id);
    c.visible = false;
    c.value = std::clamp(d.initial > 0 ? d.initial : 1.0, kMinIntervalS, kMaxIntervalS);
    w->timer().setInterval(static_cast<int>(std::lround(c.value * 1000)));
    if (d.enabled)
        w->timer().start();
    return w;
}

int setTimerAttribute(Ctrl &c, int attribute, double value)
{
    QTimer &t = timerOf(c);
    if (attribute == ATTR_ENABLED) {
        if (value != 0)
            t.start();
        else
            t.stop();
        return 0;
    }
    if (!(value >= kMinIntervalS) || value > kMaxIntervalS)
        return UIEBadValueType;
    c.value = value;
    t.setInterval(static_cast<int>(std::lround(value * 1000)));
    return 0;
}

int getTimerAttribute(Ctrl &c, int attribute, double *value)
{
    *value = attribute == ATTR_ENABLED ? (timerOf(c).isActive() ? 1 : 0) : c.value;
    return 0;
}

}  // namespace plat
