#pragma once
// Handler types of the stock events that ActiveX controls fire (click, double-click, keys,
// mouse), which a host turns into notifications of its own.

#include "framework/events.h"

#include <cstdint>
#include <functional>

// Shift states of the stock key and mouse events: 1 Shift, 2 Ctrl, 4 Alt. Mouse buttons: 1 left,
// 2 right, 4 middle.
using TOleKeyEvent = std::function<void(TComponent* Sender, int16_t& KeyCode, int16_t Shift)>;
using TOleKeyPressEvent = std::function<void(TComponent* Sender, int16_t& KeyAscii)>;
using TOleMouseEvent =
    std::function<void(TComponent* Sender, int16_t Button, int16_t Shift, int32_t X, int32_t Y)>;
