#include "session/register_session.h"

#include "framework/component_registry.h"
#include "session/msrdp_client.h"

void RegisterSessionClasses() {
    RegisterComponentClass<TMsRdpClient6NotSafeForScripting>("TMsRdpClient6NotSafeForScripting");
}
