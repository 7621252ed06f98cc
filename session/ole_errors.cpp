#include "session/ole_errors.h"

#include "base/error_text.h"
#include "base/win/system_message.h"

#include <utility>

std::string OleErrorMessage(HRESULT code) {
    std::string text = SystemMessage(static_cast<DWORD>(code));
    if (text.empty())
        text = OleErrorFallbackText(static_cast<uint32_t>(code));
    return text;
}

EOleSysError::EOleSysError(HRESULT errorCode)
    : EOleError(OleErrorMessage(errorCode)), errorCode_(errorCode) {}

EOleSysError::EOleSysError(std::string message, HRESULT errorCode)
    : EOleError(std::move(message)), errorCode_(errorCode) {}

EOleException::EOleException(std::string message, HRESULT errorCode, std::string source, std::string helpFile,
                             DWORD helpContext)
    : EOleSysError(std::move(message), errorCode), source_(std::move(source)), helpFile_(std::move(helpFile)),
      helpContext_(helpContext) {}
