// The form's one UI-active embedded control: recorded, replaced, deactivated when the focus
// moves elsewhere, activated again when the form gets the focus back, forgotten when removed.
#include <gtest/gtest.h>

#include <vector>

#include "framework/edit.h"
#include "framework/form.h"

namespace {

class TActivationForm : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TActivationForm"; }
};

// Stands for an ActiveX control's host: records the UI activation messages it gets and, as a
// host does, stops being the recorded one when it is UI-deactivated.
class TEmbedded : public TWinControl {
  public:
    explicit TEmbedded(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
    const char* ClassName() const override { return "TEmbedded"; }
    std::vector<UINT> received;
    void WndProc(TMessage& m) override {
        if (m.msg == CM_UIACTIVATE || m.msg == CM_UIDEACTIVATE) {
            received.push_back(m.msg);
            if (m.msg == CM_UIDEACTIVATE && ParentForm()->ActiveOleControl() == this)
                ParentForm()->SetActiveOleControl(nullptr);
            return;
        }
        TWinControl::WndProc(m);
    }
};

template <typename T>
T* Add(TForm& form, int left) {
    auto* c = new T(&form);
    c->SetParent(&form);
    c->SetBounds(left, 0, 50, 20);
    return c;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

TEST(UIActiveEmbeddedControl, RecordingAnotherOneDeactivatesThePreviousOne) {
    TActivationForm form(nullptr);
    auto* first = Add<TEmbedded>(form, 0);
    auto* second = Add<TEmbedded>(form, 60);
    form.SetActiveOleControl(first);
    EXPECT_TRUE(first->received.empty());
    form.SetActiveOleControl(second);
    EXPECT_EQ(first->received, std::vector<UINT>{CM_UIDEACTIVATE});
    EXPECT_EQ(form.ActiveOleControl(), second);
    form.SetActiveOleControl(nullptr);
    EXPECT_TRUE(second->received.empty()) << "clearing the record deactivates nothing";
}

TEST(UIActiveEmbeddedControl, TheFocusMovingElsewhereDeactivatesIt) {
    TActivationForm form(nullptr);
    auto* edit = Add<TEdit>(form, 0);
    auto* embedded = Add<TEmbedded>(form, 60);
    form.Show();
    embedded->SetFocus();
    PumpMessages();
    form.SetActiveOleControl(embedded);
    embedded->SetFocus();
    PumpMessages();
    EXPECT_TRUE(embedded->received.empty()) << "the focus stays with it";
    edit->SetFocus();
    PumpMessages();
    EXPECT_EQ(embedded->received, std::vector<UINT>{CM_UIDEACTIVATE});
    EXPECT_EQ(form.ActiveOleControl(), nullptr);
    form.Hide();
}

TEST(UIActiveEmbeddedControl, TheFormGettingTheFocusBackActivatesTheFocusedOneAgain) {
    TActivationForm form(nullptr);
    Add<TEdit>(form, 0);
    auto* embedded = Add<TEmbedded>(form, 60);
    form.Show();
    embedded->SetFocus();
    PumpMessages();
    embedded->received.clear();
    SendMessageA(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(embedded->received, std::vector<UINT>{CM_UIACTIVATE});
    form.SetActiveOleControl(embedded);
    embedded->received.clear();
    SendMessageA(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(embedded->received.empty()) << "already the UI-active one";
    form.Hide();
}

TEST(UIActiveEmbeddedControl, ARemovedControlIsForgotten) {
    TActivationForm form(nullptr);
    auto* embedded = Add<TEmbedded>(form, 0);
    form.SetActiveOleControl(embedded);
    embedded->SetParent(nullptr);
    EXPECT_EQ(form.ActiveOleControl(), nullptr);
    delete embedded;
}
