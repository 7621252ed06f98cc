// The form's one UI-active embedded control: recorded, replaced, deactivated when the focus
// moves elsewhere, activated again when the form gets the focus back, forgotten when removed.
#include <gtest/gtest.h>

#include <vector>

#include "framework/edit.h"
#include "framework/form.h"
#include "tests/framework/test_form.h"

namespace {

// Stands for an ActiveX control's host: records the UI activation messages it gets and, as a
// host does, stops being the recorded one when it is UI-deactivated.
class TEmbedded : public TWinControl {
  public:
    explicit TEmbedded(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
    const char* ClassName() const override { return "TEmbedded"; }
    std::vector<UINT> received;

  protected:
    DECLARE_MESSAGE_MAP(TEmbedded)

  private:
    bool Activated(TMessage& m) {
        received.push_back(m.msg);
        return true;
    }
    bool Deactivated(TMessage& m) {
        received.push_back(m.msg);
        if (ParentForm()->ActiveOleControl() == this)
            ParentForm()->SetActiveOleControl(nullptr);
        return true;
    }
};

DEFINE_MESSAGE_MAP(TEmbedded, OnMessage<&TEmbedded::Activated>(CM_UIACTIVATE),
                   OnMessage<&TEmbedded::Deactivated>(CM_UIDEACTIVATE))

} // namespace

TEST(UIActiveEmbeddedControl, RecordingAnotherOneDeactivatesThePreviousOne) {
    TPlainForm form(nullptr);
    auto* first = Place<TEmbedded>(form, &form, 0);
    auto* second = Place<TEmbedded>(form, &form, 60);
    form.SetActiveOleControl(first);
    EXPECT_TRUE(first->received.empty());
    form.SetActiveOleControl(second);
    EXPECT_EQ(first->received, std::vector<UINT>{CM_UIDEACTIVATE});
    EXPECT_EQ(form.ActiveOleControl(), second);
    form.SetActiveOleControl(nullptr);
    EXPECT_TRUE(second->received.empty()) << "clearing the record deactivates nothing";
}

TEST(UIActiveEmbeddedControl, TheFocusMovingElsewhereDeactivatesIt) {
    TPlainForm form(nullptr);
    auto* edit = Place<TEdit>(form, &form, 0);
    auto* embedded = Place<TEmbedded>(form, &form, 60);
    form.Show();
    FocusAndPump(embedded);
    form.SetActiveOleControl(embedded);
    FocusAndPump(embedded);
    EXPECT_TRUE(embedded->received.empty()) << "the focus stays with it";
    FocusAndPump(edit);
    EXPECT_EQ(embedded->received, std::vector<UINT>{CM_UIDEACTIVATE});
    EXPECT_EQ(form.ActiveOleControl(), nullptr);
    form.Hide();
}

TEST(UIActiveEmbeddedControl, TheFormGettingTheFocusBackActivatesTheFocusedOneAgain) {
    TPlainForm form(nullptr);
    Place<TEdit>(form, &form, 0);
    auto* embedded = Place<TEmbedded>(form, &form, 60);
    form.Show();
    FocusAndPump(embedded);
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
    TPlainForm form(nullptr);
    auto* embedded = Place<TEmbedded>(form, &form, 0);
    form.SetActiveOleControl(embedded);
    embedded->SetParent(nullptr);
    EXPECT_EQ(form.ActiveOleControl(), nullptr);
    delete embedded;
}
