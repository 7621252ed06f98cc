#pragma once
// Event handler types: a handler is a method bound to its object; empty means none assigned.

#include <functional>

class TComponent;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TCanResizeEvent = std::function<void(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;
using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
