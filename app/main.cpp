#include "app/main.h"

#include "app/application.h"
#include "app/resource_strings.h"
#include "controls/cx_button.h"
#include "controls/cx_image.h"
#include "controls/cx_label.h"
#include "controls/win_xp.h"
#include "framework/edit.h"
#include "framework/form_reader.h"
#include "framework/panel.h"
#include "resources/resource_ids.h"
#include "session/msrdp_client.h"

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
    RegisterMethod<TCloseQueryEvent>("FormCloseQuery", [this](TComponent* s, bool& c) { FormCloseQuery(s, c); });
    RegisterMethod<TCloseEvent>("FormClose", [this](TComponent* s, TCloseAction& a) { FormClose(s, a); });
    RegisterMethod<TNotifyEvent>("btnCancelClick", [this](TComponent* s) { btnCancelClick(s); });
    RegisterMethod<TNotifyEvent>("btnLoginClick", [this](TComponent* s) { btnLoginClick(s); });
    RegisterMethod<TNotifyEvent>("msrdpConnected", [this](TComponent* s) { msrdpConnected(s); });
    RegisterMethod<TDisconnectedEvent>("msrdpDisconnected",
                                       [this](TComponent* s, int32_t reason) { msrdpDisconnected(s, reason); });
    RegisterMethod<TNotifyEvent>("msrdpAuthenticationWarningDisplayed",
                                 [this](TComponent* s) { msrdpAuthenticationWarningDisplayed(s); });

    ReadForm(*this, description);
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

void TFrmConnexionORLIX::FormCanResize(TComponent*, int&, int&, bool& Resize) { Resize = !Panel1->Visible(); }

void TFrmConnexionORLIX::FormCloseQuery(TComponent*, bool&) {}

void TFrmConnexionORLIX::FormClose(TComponent*, TCloseAction& Action) { Action = caFree; }

void TFrmConnexionORLIX::btnCancelClick(TComponent*) { Close(); }

void TFrmConnexionORLIX::btnLoginClick(TComponent*) {}

void TFrmConnexionORLIX::msrdpConnected(TComponent*) {}

void TFrmConnexionORLIX::msrdpDisconnected(TComponent*, int32_t) {}

void TFrmConnexionORLIX::msrdpAuthenticationWarningDisplayed(TComponent*) {}
