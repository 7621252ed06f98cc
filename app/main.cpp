#include "app/main.h"

#include "app/application.h"
#include "app/message_form.h"
#include "app/server_settings.h"
#include "app/sign_in_texts.h"
#include "base/text.h"
#include "base/win/resource_strings.h"
#include "base/win/secret_text.h"
#include "controls/cx_button.h"
#include "controls/cx_image.h"
#include "controls/cx_label.h"
#include "controls/win_xp.h"
#include "framework/edit.h"
#include "framework/form_reader.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "resources/resource_ids.h"
#include "session/msrdp_client.h"
#include "session/ole_check.h"
#include "framework/application_services.h"
#include "session/rdp_settings.h"

namespace {

// The session's fixed settings, besides the server and its port.
constexpr long kDisableCtrlAltDel = 1; // no Ctrl+Alt+Del screen before the sign-in
constexpr long kMaximizeShell = 0;     // the remote shell is not maximized
constexpr long kPerformanceFlags = 4;  // TS_PERF_DISABLE_MENUANIMATIONS: no menu animations

} // namespace

TFrmConnexionORLIX* FrmConnexionORLIX = nullptr;

TFrmConnexionORLIX::TFrmConnexionORLIX(TComponent* owner, const DescObject& description) : TForm(owner) {
    RegisterField("Panel1", &Panel1);
    RegisterField("WinXP1", &WinXP1);
    RegisterField("edit2", &edit2);
    RegisterField("msrdp", &msrdp);
    RegisterField("cxImage1", &cxImage1);
    RegisterField("Edit1", &Edit1);
    RegisterField("btnLogin", &btnLogin);
    RegisterField("btnCancel", &btnCancel);
    RegisterField("lblProgress", &lblProgress);
    RegisterField("cxLabel1", &cxLabel1);

    RegisterMethod<TNotifyEvent>("FormShow", [this](TComponent* s) { FormShow(s); });
    RegisterMethod<TCanResizeEvent>(
        "FormCanResize", [this](TComponent* s, int& w, int& h, bool& r) { FormCanResize(s, w, h, r); });
    RegisterMethod<TCloseQueryEvent>("FormCloseQuery",
                                     [this](TComponent* s, bool& c) { FormCloseQuery(s, c); });
    RegisterMethod<TCloseEvent>("FormClose", [this](TComponent* s, TCloseAction& a) { FormClose(s, a); });
    RegisterMethod<TNotifyEvent>("btnCancelClick", [this](TComponent* s) { btnCancelClick(s); });
    RegisterMethod<TNotifyEvent>("btnLoginClick", [this](TComponent* s) { btnLoginClick(s); });
    RegisterMethod<TNotifyEvent>("msrdpConnected", [this](TComponent* s) { msrdpConnected(s); });
    RegisterMethod<TDisconnectedEvent>(
        "msrdpDisconnected", [this](TComponent* s, int32_t reason) { msrdpDisconnected(s, reason); });
    RegisterMethod<TNotifyEvent>("msrdpAuthenticationWarningDisplayed",
                                 [this](TComponent* s) { msrdpAuthenticationWarningDisplayed(s); });

    ReadForm(*this, description);
    // The fields' names and the title exist only as pictures in the background; a screen
    // reader gets them as words.
    Edit1->SetAccessibleName("Code utilisateur");
    edit2->SetAccessibleName("Mot de passe");
    cxImage1->SetAccessibleName("Connexion ORLIX");
    if (Application)
        Application->FormCreated(this);
    HandleNeeded();
}

void TFrmConnexionORLIX::FormShow(TComponent*) {
    // The remote desktop control is later sized to the whole screen, beyond the client area;
    // the window must never show scroll bars for it.
    HorzScrollBar.visible = false;
    VertScrollBar.visible = false;
    SetText(LoadResourceString(IDS_FORM_CAPTION));
}

void TFrmConnexionORLIX::FormCanResize(TComponent*, int&, int&, bool& Resize) {
    Resize = !Panel1->Visible();
}

void TFrmConnexionORLIX::FormCloseQuery(TComponent*, bool&) {}

void TFrmConnexionORLIX::FormClose(TComponent*, TCloseAction& Action) {
    // A live session is asked to end. Whatever happens, the window still closes: a control that
    // fails here must not keep the user in a window that can never be closed.
    try {
        // A control that never started holds no session.
        if (msrdp->Running() && msrdp->Connected() == 1)
            msrdp->RequestClose();
    } catch (...) {
        ReportException(this);
    }
    closing_ = true;
    Action = caFree;
}

void TFrmConnexionORLIX::btnCancelClick(TComponent*) {
    Close();
}

void TFrmConnexionORLIX::btnLoginClick(TComponent*) {
    const SecretText userCode = Edit1->TypedText();
    const std::wstring_view user = TrimmedView(userCode.View());
    if (user.empty()) {
        ShowWarning(SignInText(kUserCodeRequired));
        Edit1->SetFocus();
        return;
    }
    if (TrimmedView(edit2->TypedText().View()).empty()) {
        ShowWarning(SignInText(kPasswordRequired));
        edit2->SetFocus();
        return;
    }
    lblProgress->SetText(SignInText(kConnecting));
    btnLogin->SetEnabled(false);
    btnCancel->SetEnabled(false);

    msrdp->SetServer(kServerAddress);
    SafeCallCheck(msrdp->AdvancedSettings2()->put_RDPPort(kServerPort));
    msrdp->SetUserName(user);
    {
        // The password goes to the control as typed; our copies are wiped as soon as it has it.
        const SecretText password = edit2->TypedText();
        const SecretBstr value(password.View());
        SafeCallCheck(msrdp->AdvancedSettings2()->put_ClearTextPassword(value.Get()));
    }
    SafeCallCheck(msrdp->AdvancedSettings2()->put_DisableCtrlAltDel(kDisableCtrlAltDel));
    SafeCallCheck(msrdp->AdvancedSettings2()->put_MaximizeShell(kMaximizeShell));
    SafeCallCheck(msrdp->AdvancedSettings2()->put_GrabFocusOnConnect(VARIANT_TRUE));
    SafeCallCheck(msrdp->AdvancedSettings7()->put_EnableCredSspSupport(VARIANT_TRUE));
    SafeCallCheck(msrdp->AdvancedSettings2()->put_PerformanceFlags(kPerformanceFlags));
    SafeCallCheck(msrdp->AdvancedSettings2()->put_SmartSizing(VARIANT_TRUE));

    msrdp->SetWidth(Screen().Width());
    msrdp->SetHeight(Screen().Height());
    msrdp->SetFocus();
    if (IApplicationServices* app = ApplicationServices())
        app->ProcessMessages();
    // The user closed the window meanwhile: the credentials are not sent.
    if (closing_)
        return;
    msrdp->Connect();
}

void TFrmConnexionORLIX::msrdpConnected(TComponent*) {
    // The control has the password and the session is open: it leaves the field's memory.
    edit2->WipeText();
    // The panel goes first: while it shows, the window refuses every change of size.
    Panel1->SetVisible(false);
    FrmConnexionORLIX->SetWindowState(wsMaximized);
    msrdp->SetVisible(true);
    // The remote desktop fills the client area and follows it, so none of it lies out of
    // sight; the control scales the session to that size.
    msrdp->SetAlign(alClient);
}

void TFrmConnexionORLIX::msrdpDisconnected(TComponent*, int32_t discReason) {
    btnLogin->SetEnabled(true);
    btnCancel->SetEnabled(true);
    lblProgress->SetText("");
    if (discReason != 1 && discReason != 2)
        ShowWarning(DisconnectedText(discReason));
    Close();
}

void TFrmConnexionORLIX::msrdpAuthenticationWarningDisplayed(TComponent*) {
    ShowWarning(SignInText(kCredentialsRefused));
}
