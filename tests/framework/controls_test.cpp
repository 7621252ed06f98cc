// Control trees: fonts and colours that follow the parent, alignment, focus order.
#include <gtest/gtest.h>

#include "controls/cx_label.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/focus_host.h"
#include "framework/form.h"
#include "framework/panel.h"
#include "tests/framework/test_form.h"

TEST(ControlTree, FontsAndColoursFollowTheParentUntilSetOwnValues) {
    TPlainForm form(nullptr);
    auto* panel = Place<TPanel>(form, &form);
    auto* edit = Place<TEdit>(form, panel);
    auto* own = Place<TEdit>(form, panel);
    own->Font().SetName("Tahoma");
    form.Font().SetHeight(-20);
    EXPECT_EQ(panel->Font().Height(), -20);
    EXPECT_EQ(edit->Font().Height(), -20) << "grandchild follows through its parent";
    EXPECT_EQ(own->Font().Height(), -11) << "a control with its own font keeps it";
    EXPECT_EQ(own->Font().Name(), "Tahoma");
    own->SetParentFont(true);
    EXPECT_EQ(own->Font().Height(), -20);
    EXPECT_EQ(own->Font().Name(), "MS Sans Serif");

    form.SetColor(clBlack);
    EXPECT_EQ(panel->Color(), clBlack) << "a panel takes its parent's colour by default";
    EXPECT_EQ(edit->Color(), clWindow) << "an entry field keeps the window colour";
}

TEST(ControlTree, ClientAlignedControlsFollowTheirParent) {
    TPlainForm form(nullptr);
    form.SetClientSize(300, 200);
    auto* panel = Place<TPanel>(form, &form);
    panel->SetAlign(alClient);
    EXPECT_EQ(panel->BoundsRect(), (TRect{0, 0, 300, 200}));
    form.Show();
    form.SetClientSize(320, 240);
    PumpMessages();
    EXPECT_EQ(panel->BoundsRect(), (TRect{0, 0, 320, 240}));
    RECT r;
    GetWindowRect(panel->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 320);
    form.Hide();
}

TEST(ControlTree, TabOrderSkipsWhatCannotTakeTheFocus) {
    TPlainForm form(nullptr);
    auto* a = Place<TEdit>(form, &form);
    auto* b = Place<TEdit>(form, &form);
    auto* c = Place<TButton>(form, &form);
    auto* d = Place<TEdit>(form, &form);
    auto* label = Place<TcxLabel>(form, &form);
    form.Show();
    EXPECT_EQ(form.FindNextControl(a, true, true, false), b);
    b->SetVisible(false);
    EXPECT_EQ(form.FindNextControl(a, true, true, false), c);
    c->SetEnabled(false);
    EXPECT_EQ(form.FindNextControl(a, true, true, false), d);
    d->SetTabStop(false);
    EXPECT_EQ(form.FindNextControl(a, true, true, false), a) << "wraps round to the only candidate";
    EXPECT_EQ(form.FindNextControl(a, true, false, true), d) << "arrows ignore tab stops";
    EXPECT_EQ(form.FindNextControl(a, false, false, true), d) << "backwards wraps to the end";
    EXPECT_FALSE(label->CanFocus());
    EXPECT_EQ(form.FindNextControl(nullptr, true, true, false), a) << "without a current control: the first";
    d->SetTabOrder(0);
    EXPECT_EQ(d->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    form.Hide();
}

TEST(ControlTree, FocusingAnInvisibleControlFails) {
    TPlainForm form(nullptr);
    auto* a = Place<TEdit>(form, &form);
    a->SetVisible(false);
    form.Show();
    EXPECT_THROW(a->SetFocus(), EInvalidOperation);
    form.Hide();
}

TEST(ControlTree, TheActiveButtonFollowsTheFocus) {
    TPlainForm form(nullptr);
    auto* edit = Place<TEdit>(form, &form);
    auto* ok = Place<TButton>(form, &form);
    auto* cancel = Place<TButton>(form, &form);
    ok->SetDefault(true);
    form.Show();
    FocusAndPump(edit);
    EXPECT_TRUE(ok->Active());
    EXPECT_FALSE(cancel->Active());
    FocusAndPump(cancel);
    EXPECT_FALSE(ok->Active()) << "the focused button is the active one";
    EXPECT_TRUE(cancel->Active());
    FocusAndPump(edit);
    EXPECT_TRUE(ok->Active()) << "back to the default button";
    form.Hide();
}

TEST(ControlTree, AControlFreedOnItsOwnLeavesNoTraceInItsForm) {
    TPlainForm form(nullptr);
    auto* a = Place<TEdit>(form, &form);
    auto* b = Place<TEdit>(form, &form);
    form.Show();
    FocusAndPump(b);
    ASSERT_EQ(form.ActiveControl(), b);
    delete b;
    EXPECT_EQ(form.ActiveControl(), nullptr);
    std::vector<TWinControl*> order;
    form.GetTabOrderList(order);
    EXPECT_EQ(order, std::vector<TWinControl*>{a});
    EXPECT_EQ(form.Controls().size(), 1u);
    EXPECT_EQ(form.FindNextControl(a, true, true, false), a);
    form.Hide();
}

TEST(ControlTree, DestroyingTheFormFreesEveryControl) {
    struct Counted : TEdit {
        int* alive;
        Counted(TComponent* owner, int* counter) : TEdit(owner), alive(counter) { ++*alive; }
        ~Counted() override { --*alive; }
    };
    int alive = 0;
    {
        TPlainForm form(nullptr);
        auto* panel = Place<TPanel>(form, &form);
        for (int i = 0; i < 3; ++i)
            (new Counted(&form, &alive))->SetParent(panel);
        form.Show();
        EXPECT_EQ(alive, 3);
        form.Hide();
    }
    EXPECT_EQ(alive, 0);
}

TEST(ControlTree, AButtonsAmpersandLetterClicksItUnlessTheFocusedControlTypesIt) {
    TPlainForm form(nullptr);
    auto* edit = Place<TEdit>(form, &form);
    auto* ok = Place<TButton>(form, &form);
    auto* other = Place<TButton>(form, &form, 60);
    ok->SetText("&Ok");
    int clicks = 0;
    ok->OnClick = [&](TComponent*) { ++clicks; };
    form.Show();
    FocusAndPump(edit);
    edit->Perform(CN_CHAR, 'o', 0);
    EXPECT_EQ(clicks, 0) << "the entry field takes the letter as text";
    edit->Perform(CN_SYSCHAR, 'o', 0);
    EXPECT_EQ(clicks, 1) << "with Alt";
    FocusAndPump(other);
    other->Perform(CN_CHAR, 'O', 0);
    EXPECT_EQ(clicks, 2) << "a button takes no text: the letter alone, in either case";
    other->Perform(CN_CHAR, 'k', 0);
    EXPECT_EQ(clicks, 2);
    ok->SetEnabled(false);
    edit->Perform(CN_SYSCHAR, 'o', 0);
    EXPECT_EQ(clicks, 2) << "not a disabled button";
    form.Hide();
}

namespace {

// A control of a window class of the framework's own, registered as Unicode.
class UnicodeOwnControl : public TWinControl {
  public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TUnicodeOwnControl"; }
    int paints = 0;

  protected:
    void CreateParams(TCreateParams& p) override {
        TWinControl::CreateParams(p);
        p.windowClass.unicode = true;
    }
    void Paint(HDC) override { ++paints; }
};

} // namespace

TEST(ControlTree, AWindowOfAnOwnUnicodeClassPaintsAsAnAnsiOneDoes) {
    TPlainForm form(nullptr);
    form.SetBounds(50, 50, 200, 100);
    auto* control = Place<UnicodeOwnControl>(form, &form, 10, 10, 50, 20);
    form.Show();
    ASSERT_TRUE(IsWindowUnicode(control->Handle()));
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(control->paints, 0);
}

namespace {

// A root control that is no form but offers the seam, recording what its controls ask.
class RecordingRoot : public TPanel, public IFocusHost {
  public:
    using TPanel::TPanel;
    std::vector<std::string> asked;

    IFocusHost* AsFocusHost() override { return this; }
    TForm* HostForm() override { return nullptr; }
    TWinControl* ActiveControl() const override { return nullptr; }
    void FocusControl(TWinControl* c) override { asked.push_back("focus " + c->Name()); }
    void ControlFocused(TWinControl* c) override { asked.push_back("focused " + c->Name()); }
    void ControlHidden(TWinControl* c) override { asked.push_back("hidden " + c->Name()); }
    void ControlRemoved(TWinControl* c) override { asked.push_back("removed " + c->Name()); }
    bool PreviewKey(WPARAM) override { return false; }
    bool OfferDialogKey(WPARAM, LPARAM) override { return false; }
    bool OfferDialogChar(WPARAM, LPARAM) override { return false; }
};

} // namespace

TEST(ControlTree, ControlsReachTheirFormOnlyThroughTheSeamAtTheRootOfTheirParents) {
    TPlainForm form(nullptr);
    auto* panel = Place<TPanel>(form, &form);
    auto* edit = Place<TEdit>(form, panel);
    EXPECT_EQ(edit->FocusHost(), static_cast<IFocusHost*>(&form));
    EXPECT_EQ(edit->ParentForm(), &form);

    RecordingRoot root(nullptr);
    auto* inner = Place<TEdit>(root, &root);
    inner->SetName("inner");
    EXPECT_EQ(inner->ParentForm(), nullptr) << "a root that is no form";
    EXPECT_TRUE(inner->CanFocus());
    inner->SetFocus();
    inner->SetVisible(false);
    inner->SetParent(nullptr);
    EXPECT_EQ(root.asked, (std::vector<std::string>{"focus inner", "hidden inner", "removed inner"}));
    EXPECT_EQ(inner->FocusHost(), nullptr);
    EXPECT_FALSE(inner->CanFocus()) << "without a form nothing can take the focus";
    delete inner;
}
