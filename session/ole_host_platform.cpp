#include "session/ole_host_platform.h"

TOleHostPlatform& OleHostPlatform() {
    static TOleHostPlatform platform;
    return platform;
}
