#pragma once
// The start-up benchmark's reference window: the least a program does to show the remote
// desktop control as the sign-in window hosts it. An empty window of the sign-in window's size
// and frame holds the same stand-in control, created in place at the same place from the same
// stored state, read from a description through the same framework.

#include "app/application.h"
#include "framework/form.h"
#include "framework/form_reader.h"
#include "session/msrdp_client.h"

inline constexpr char kReferenceDescription[] = "object StartupReference: TStartupReference\n"
                                                "  BorderStyle = bsDialog\n"
                                                "  ClientHeight = 372\n"
                                                "  ClientWidth = 599\n"
                                                "  Position = poScreenCenter\n"
                                                "  PixelsPerInch = 96\n"
                                                "  TextHeight = 13\n"
                                                "  object msrdp: TMsRdpClient6NotSafeForScripting\n"
                                                "    Left = 0\n"
                                                "    Top = 0\n"
                                                "    Width = 385\n"
                                                "    Height = 217\n"
                                                "    TabOrder = 0\n"
                                                "    ControlData = {\n"
                                                "      0003000008000200000000000B0000000B000000}\n"
                                                "  end\n"
                                                "end\n";

class TStartupReference final : public TForm {
  public:
    explicit TStartupReference(const DescObject& description) : TForm(nullptr) {
        RegisterField("msrdp", &msrdp);
        ReadForm(*this, description);
        if (Application)
            Application->FormCreated(this);
        HandleNeeded();
    }
    const char* ClassName() const override { return "TStartupReference"; }

    TMsRdpClient6NotSafeForScripting* msrdp = nullptr;
};
