#include "tests/session/host_fixture.h"

#include "base/exception.h"
#include "session/msrdp_client_data.h"

namespace {

class TestForm final : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "THostTestForm"; }
};

} // namespace

const char* const kStoredStateText = "00 03 00 00 08 00 02 00 00 00 00 00 0B 00 00 00 0B 00 00 00";

void RecordingApplication::HandleException(TComponent* sender, std::exception_ptr error) noexcept {
    Report report{sender, "", ""};
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        report.className = e.ClassName();
        report.message = e.Message();
    } catch (const std::exception& e) {
        report.className = "std::exception";
        report.message = e.what();
    } catch (...) {
        report.className = "unknown";
    }
    reports.push_back(report);
}

void RecordingApplication::ProcessMessages() {
    Pump();
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        Pump();
    }
    return true;
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

void ExpectNoTypeInformation(IDispatch* dispatch) {
    UINT count = 5;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
    EXPECT_EQ(dispatch->GetTypeInfo(0, 0, &info), E_NOTIMPL);
    EXPECT_EQ(info, nullptr);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, nullptr, 0, 0, nullptr), E_NOTIMPL);
}

void HostTest::SetUp() {
    ASSERT_EQ(registration.Result(), S_OK);
    SetApplicationServices(&app);
    form = std::make_unique<TestForm>(nullptr);
    form->SetBounds(50, 50, 640, 480);
}

void HostTest::TearDown() {
    form.reset();
    host = nullptr;
    Pump();
    SetApplicationServices(nullptr);
}

ProbeHost& HostTest::CreateHost(bool stored) {
    host = new ProbeHost(form.get());
    host->SetName("msrdp");
    host->BeginLoading();
    host->SetParent(form.get());
    host->SetLeft(0);
    host->SetTop(0);
    host->SetWidth(385);
    host->SetHeight(217);
    host->SetTabOrder(1);
    if (stored)
        host->SetControlData(std::vector<uint8_t>(kMsRdpClientStoredState,
                                                  kMsRdpClientStoredState + kMsRdpClientStoredStateSize));
    host->Loaded();
    return *host;
}

void HostTest::ShowForm() {
    form->Show();
    Pump();
}

std::shared_ptr<scripted::ScriptedInstance> HostTest::ShowNewHost() {
    CreateHost();
    ShowForm();
    return Control();
}

void HostTest::FreeHost() {
    delete host;
    host = nullptr;
}
