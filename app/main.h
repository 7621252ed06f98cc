#pragma once
// The sign-in window: one member per control of its description, one handler per event.

#include "framework/form.h"

struct DescObject;
class TPanel;
class TWinXP;
class TEdit;
class TWinControl;
class TcxImage;
class TcxButton;
class TcxLabel;
class TMsRdpClient6NotSafeForScripting;

class TFrmConnexionORLIX : public TForm {
  public:
    // Reads the window from its description; the first form becomes the application's main one.
    TFrmConnexionORLIX(TComponent* owner, const DescObject& description);
    const char* ClassName() const override { return "TFrmConnexionORLIX"; }

    TPanel* Panel1 = nullptr;
    TWinXP* WinXP1 = nullptr;
    TEdit* edit2 = nullptr;
    TMsRdpClient6NotSafeForScripting* msrdp = nullptr;
    TcxImage* cxImage1 = nullptr;
    TEdit* Edit1 = nullptr;
    TcxButton* btnLogin = nullptr;
    TcxButton* btnCancel = nullptr;
    TcxLabel* lblProgress = nullptr;
    TcxLabel* cxLabel1 = nullptr;

    void FormShow(TComponent* Sender);
    void FormCanResize(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize);
    void FormCloseQuery(TComponent* Sender, bool& CanClose);
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void btnCancelClick(TComponent* Sender);
    void btnLoginClick(TComponent* Sender);
    void msrdpConnected(TComponent* Sender);
    void msrdpDisconnected(TComponent* Sender, int32_t discReason);
    void msrdpAuthenticationWarningDisplayed(TComponent* Sender);

  private:
    // A close request went through: a sign-in still under way must not connect.
    bool closing_ = false;
};

// The one sign-in window of the program, while it exists.
extern TFrmConnexionORLIX* FrmConnexionORLIX;
