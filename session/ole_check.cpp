#include "session/ole_check.h"

#include "base/error_text.h"
#include "base/win/ansi.h"
#include "base/win/bstr.h"
#include "base/win/com_ptr.h"
#include "session/ole_errors.h"

#include <utility>

namespace {

std::string ToAnsi(const Bstr& s) {
    return WideToAnsi(s.View());
}

// A description as the exception carries it; the message for the code when nothing is left.
std::string DescriptionOr(const Bstr& description, HRESULT code) {
    std::string message = TrimMessageTail(ToAnsi(description));
    return message.empty() ? OleErrorMessage(code) : message;
}

} // namespace

void OleCheck(HRESULT hr) {
    if (FAILED(hr))
        throw EOleSysError(hr);
}

void DispatchInvokeCheck(HRESULT hr, EXCEPINFO& excepInfo) {
    if (hr == DISP_E_EXCEPTION && excepInfo.pfnDeferredFillIn) {
        excepInfo.pfnDeferredFillIn(&excepInfo);
        excepInfo.pfnDeferredFillIn = nullptr;
    }
    // Owned from here on, so they are freed whichever way this function leaves.
    const Bstr source = Bstr::Adopt(std::exchange(excepInfo.bstrSource, nullptr));
    const Bstr description = Bstr::Adopt(std::exchange(excepInfo.bstrDescription, nullptr));
    const Bstr helpFile = Bstr::Adopt(std::exchange(excepInfo.bstrHelpFile, nullptr));
    if (hr == S_OK)
        return;
    if (hr != DISP_E_EXCEPTION)
        throw EOleSysError(hr);
    // A control that reports only wCode leaves scode 0; an exception must not carry S_OK.
    const HRESULT code = excepInfo.scode != 0 ? excepInfo.scode : DISP_E_EXCEPTION;
    throw EOleException(DescriptionOr(description, code), code, ToAnsi(source), ToAnsi(helpFile),
                        excepInfo.dwHelpContext);
}

void SafeCallCheck(HRESULT hr) {
    if (hr >= 0)
        return;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info)
        throw EOleException(OleErrorMessage(hr), hr, {}, {}, 0);
    Bstr description, source, helpFile;
    DWORD helpContext = 0;
    // A getter that fails leaves its field null or zero, which reads as "not given".
    info->GetDescription(description.Put());
    info->GetSource(source.Put());
    info->GetHelpFile(helpFile.Put());
    info->GetHelpContext(&helpContext);
    throw EOleException(DescriptionOr(description, hr), hr, ToAnsi(source), ToAnsi(helpFile), helpContext);
}
