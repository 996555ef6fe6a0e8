#include "app/callbacks.h"

#include "platform/userint/resource.h"

namespace orvelle {

void RegisterOrvelleCallbacks()
{
#define ORVELLE_CALLBACK_ENTRY(name) {#name, name},
    static const CallbackEntry kEntries[] = {ORVELLE_CALLBACKS(ORVELLE_CALLBACK_ENTRY)};
#undef ORVELLE_CALLBACK_ENTRY
    RegisterCallbacks(kEntries, static_cast<int>(sizeof kEntries / sizeof kEntries[0]));
}

}  // namespace orvelle
