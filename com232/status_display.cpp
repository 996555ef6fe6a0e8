#include "com232/status_display.h"

#include "app/state.h"
#include "com232/link_hooks.h"

namespace orvelle {

void ShowStatus(const char *text)
{
    if (linkHooks && linkHooks->status)
        linkHooks->status(text);
}

void ShowLinkStale(int on)
{
    if ((on != 0) == (stale != 0))
        return;
    if (linkHooks && linkHooks->stale)
        linkHooks->stale(on);
    stale = on ? 1 : 0;
}

void SetPopupTimeout()
{
    poll = 0;
    comecho = 0;
    ShowStatus("TIMEOUT");
    ShowLinkStale(1);
    if (linkHooks && linkHooks->timedOut)
        linkHooks->timedOut();
}

}  // namespace orvelle
