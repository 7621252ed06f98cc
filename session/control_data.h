#pragma once
// What a host needs to know about the ActiveX control that one wrapper class embeds: one
// constant record per wrapper class, shared by all its instances.

#include <windows.h>
#include <ole2.h>

#include <cstdint>

// Stock properties that the host keeps in step with the control (TControlData::Flags).
enum ControlDataFlag : uint32_t {
    cdBackColor = 1, // DISPID_BACKCOLOR
    cdForeColor = 2, // DISPID_FORECOLOR
    cdFont = 4,      // DISPID_FONT
    cdEnabled = 8,   // DISPID_ENABLED
    cdCaption = 16,  // DISPID_CAPTION follows the component name
    cdText = 32,     // DISPID_TEXT follows the component name
};

// When the host gives the control its client site (TControlData::SiteOptions).
enum ControlSiteOption : uint32_t {
    soSetClientSiteAtCreation = 1, // even if the control does not ask for it first
    soNeverSetClientSiteAtCreation = 2,
};

struct TControlData {
    CLSID ClassID;
    IID EventIID;
    uint32_t EventCount;
    const DISPID* EventDispIDs; // EventCount entries; entry i belongs to event slot i
    uint32_t Flags;
    uint32_t SiteOptions;
};
