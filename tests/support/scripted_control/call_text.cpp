#include "tests/support/scripted_control/call_text.h"

#include "session/rdp_client.h"
#include "session/rdp_ids.h"

#include <olectl.h>

#include <cstdio>
#include <string>

namespace scripted {

std::string Utf8(std::wstring_view text) {
    if (text.empty())
        return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string BstrText(BSTR s) {
    if (!s)
        return "null";
    return "\"" + Utf8({s, SysStringLen(s)}) + "\"";
}

std::string Hex(uintptr_t value) {
    if (value == 0)
        return "null";
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string HwndText(HWND hwnd) {
    return Hex(reinterpret_cast<uintptr_t>(hwnd));
}

std::string RectText(const RECT* rect) {
    if (!rect)
        return "null";
    return "(" + std::to_string(rect->left) + "," + std::to_string(rect->top) + "," +
           std::to_string(rect->right) + "," + std::to_string(rect->bottom) + ")";
}

std::string VariantText(const VARIANT& v) {
    switch (v.vt) {
    case VT_EMPTY:
        return "EMPTY";
    case VT_I4:
        return "I4 " + std::to_string(v.lVal);
    case VT_I2:
        return "I2 " + std::to_string(v.iVal);
    case VT_UI4:
        return "UI4 " + std::to_string(v.ulVal);
    case VT_BOOL:
        return "BOOL " + std::to_string(v.boolVal);
    case VT_BSTR:
        return "BSTR " + BstrText(v.bstrVal);
    case VT_DISPATCH:
        return "DISPATCH " + Hex(reinterpret_cast<uintptr_t>(v.pdispVal));
    case VT_UNKNOWN:
        return "UNKNOWN " + Hex(reinterpret_cast<uintptr_t>(v.punkVal));
    default: {
        char text[16];
        std::snprintf(text, sizeof text, "vt 0x%X", v.vt);
        return text;
    }
    }
}

std::string IidName(REFIID iid) {
    static const struct {
        const IID& iid;
        const char* name;
    } known[] = {
        {IID_IUnknown, "IUnknown"},
        {IID_IDispatch, "IDispatch"},
        {IID_IOleObject, "IOleObject"},
        {IID_IPersistStreamInit, "IPersistStreamInit"},
        {IID_IPersistStream, "IPersistStream"},
        {IID_IPersist, "IPersist"},
        {IID_IOleControl, "IOleControl"},
        {IID_IOleWindow, "IOleWindow"},
        {IID_IOleInPlaceObject, "IOleInPlaceObject"},
        {IID_IOleInPlaceActiveObject, "IOleInPlaceActiveObject"},
        {IID_IConnectionPointContainer, "IConnectionPointContainer"},
        {IID_IPerPropertyBrowsing, "IPerPropertyBrowsing"},
        {IID_IPropertyNotifySink, "IPropertyNotifySink"},
        {IID_IOleClientSite, "IOleClientSite"},
        {IID_IOleInPlaceSite, "IOleInPlaceSite"},
        {IID_IOleControlSite, "IOleControlSite"},
        {IID_IMarshal, "IMarshal"},
        {IID_IViewObject, "IViewObject"},
        {IID_IViewObject2, "IViewObject2"},
        {IID_IDataObject, "IDataObject"},
        {DIID_IMsTscAxEvents, "IMsTscAxEvents"},
        {__uuidof(IMsTscAx), "IMsTscAx"},
        {__uuidof(IMsRdpClient), "IMsRdpClient"},
        {__uuidof(IMsRdpClient2), "IMsRdpClient2"},
        {__uuidof(IMsRdpClient3), "IMsRdpClient3"},
        {__uuidof(IMsRdpClient4), "IMsRdpClient4"},
        {__uuidof(IMsRdpClient5), "IMsRdpClient5"},
        {__uuidof(IMsRdpClient6), "IMsRdpClient6"},
        {__uuidof(IMsTscAdvancedSettings), "IMsTscAdvancedSettings"},
        {__uuidof(IMsRdpClientAdvancedSettings), "IMsRdpClientAdvancedSettings"},
        {__uuidof(IMsRdpClientAdvancedSettings2), "IMsRdpClientAdvancedSettings2"},
        {__uuidof(IMsRdpClientAdvancedSettings3), "IMsRdpClientAdvancedSettings3"},
        {__uuidof(IMsRdpClientAdvancedSettings4), "IMsRdpClientAdvancedSettings4"},
        {__uuidof(IMsRdpClientAdvancedSettings5), "IMsRdpClientAdvancedSettings5"},
        {__uuidof(IMsRdpClientAdvancedSettings6), "IMsRdpClientAdvancedSettings6"},
    };
    for (const auto& k : known)
        if (IsEqualGUID(k.iid, iid))
            return k.name;
    wchar_t text[40];
    StringFromGUID2(iid, text, 40);
    return Utf8(text);
}

std::string MessageText(const MSG* msg) {
    if (!msg)
        return "null";
    char text[160];
    std::snprintf(text, sizeof text, "hwnd %s, 0x%04X, 0x%llX, 0x%llX, time %lu, pt (%ld,%ld)",
                  HwndText(msg->hwnd).c_str(), msg->message, static_cast<unsigned long long>(msg->wParam),
                  static_cast<unsigned long long>(msg->lParam), msg->time, msg->pt.x, msg->pt.y);
    return text;
}

std::string AspectText(DWORD aspect) {
    return aspect == DVASPECT_CONTENT ? "CONTENT" : std::to_string(aspect);
}

std::string VerbText(LONG verb) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
        return "PRIMARY";
    case OLEIVERB_SHOW:
        return "SHOW";
    case OLEIVERB_OPEN:
        return "OPEN";
    case OLEIVERB_HIDE:
        return "HIDE";
    case OLEIVERB_UIACTIVATE:
        return "UIACTIVATE";
    case OLEIVERB_INPLACEACTIVATE:
        return "INPLACEACTIVATE";
    case OLEIVERB_DISCARDUNDOSTATE:
        return "DISCARDUNDOSTATE";
    default:
        return std::to_string(verb);
    }
}

std::string InvokeFlagsText(WORD flags) {
    static const struct {
        WORD flag;
        const char* name;
    } names[] = {{DISPATCH_METHOD, "METHOD"},
                 {DISPATCH_PROPERTYGET, "GET"},
                 {DISPATCH_PROPERTYPUT, "PUT"},
                 {DISPATCH_PROPERTYPUTREF, "PUTREF"}};
    std::string text;
    for (const auto& n : names) {
        if (flags & n.flag) {
            if (!text.empty())
                text += '|';
            text += n.name;
        }
    }
    return text.empty() ? "0" : text;
}

std::string HresultText(HRESULT hr) {
    static const struct {
        HRESULT hr;
        const char* name;
    } names[] = {{S_OK, "S_OK"},
                 {S_FALSE, "S_FALSE"},
                 {E_FAIL, "E_FAIL"},
                 {E_NOTIMPL, "E_NOTIMPL"},
                 {E_NOINTERFACE, "E_NOINTERFACE"},
                 {E_POINTER, "E_POINTER"},
                 {E_INVALIDARG, "E_INVALIDARG"},
                 {E_UNEXPECTED, "E_UNEXPECTED"},
                 {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND"},
                 {DISP_E_EXCEPTION, "DISP_E_EXCEPTION"},
                 {INPLACE_E_NOTOOLSPACE, "INPLACE_E_NOTOOLSPACE"}};
    for (const auto& n : names)
        if (n.hr == hr)
            return n.name;
    return Hex(static_cast<uint32_t>(hr));
}

} // namespace scripted
