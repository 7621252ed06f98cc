#include "framework/popup_menu.h"

#include "base/exception.h"
#include "base/win/menu.h"
#include "framework/description/description.h"
#include "framework/reader.h"

void TMenuItem::Click() {
    if (OnClick)
        OnClick(this);
}

bool TMenuItem::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "Caption")
        caption_ = reader.Text(p);
    else if (p.name == "Enabled")
        enabled_ = reader.Boolean(p);
    else if (p.name == "OnClick")
        OnClick = reader.Method<TNotifyEvent>(p);
    else
        return TComponent::ReadProperty(reader, p);
    return true;
}

void TPopupMenu::AddStoredChild(TComponent* child) {
    if (auto* item = dynamic_cast<TMenuItem*>(child))
        Add(item);
}

void TPopupMenu::Popup(HWND owner, TPoint screen) {
    // Made anew each time, so that it shows the lines as they are now.
    const MenuHandle menu(CreatePopupMenu());
    if (!menu)
        throw Exception("The menu " + Name() + " could not be created");
    for (size_t i = 0; i < items_.size(); ++i) {
        const TMenuItem& item = *items_[i];
        const bool separator = item.Caption() == "-";
        const UINT flags = separator ? MF_SEPARATOR : MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED);
        // Command identifiers are the line's index plus one: 0 means nothing was chosen.
        if (!AppendMenuA(menu.Get(), flags, i + 1, separator ? nullptr : item.Caption().c_str()))
            throw Exception("The menu " + Name() + " could not be built");
    }
    const UINT chosen = TrackContextMenu(menu.Get(), owner, screen.x, screen.y);
    if (chosen > 0 && chosen <= items_.size())
        items_[chosen - 1]->Click();
}
