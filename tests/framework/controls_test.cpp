// Control trees: fonts and colours that follow the parent, alignment, focus order.
#include <gtest/gtest.h>

#include "controls/cx_label.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/panel.h"

namespace {

class TTreeForm : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TTreeForm"; }
};

template <typename T>
T* Add(TForm& owner, TWinControl* parent, int left = 0, int top = 0) {
    auto* c = new T(&owner);
    c->SetParent(parent);
    c->SetBounds(left, top, 50, 20);
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

TEST(ControlTree, FontsAndColoursFollowTheParentUntilSetOwnValues) {
    TTreeForm form(nullptr);
    auto* panel = Add<TPanel>(form, &form);
    auto* edit = Add<TEdit>(form, panel);
    auto* own = Add<TEdit>(form, panel);
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
    TTreeForm form(nullptr);
    form.SetClientSize(300, 200);
    auto* panel = Add<TPanel>(form, &form);
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
    TTreeForm form(nullptr);
    auto* a = Add<TEdit>(form, &form);
    auto* b = Add<TEdit>(form, &form);
    auto* c = Add<TButton>(form, &form);
    auto* d = Add<TEdit>(form, &form);
    auto* label = Add<TcxLabel>(form, &form);
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
    TTreeForm form(nullptr);
    auto* a = Add<TEdit>(form, &form);
    a->SetVisible(false);
    form.Show();
    EXPECT_THROW(a->SetFocus(), EInvalidOperation);
    form.Hide();
}

TEST(ControlTree, TheActiveButtonFollowsTheFocus) {
    TTreeForm form(nullptr);
    auto* edit = Add<TEdit>(form, &form);
    auto* ok = Add<TButton>(form, &form);
    auto* cancel = Add<TButton>(form, &form);
    ok->SetDefault(true);
    form.Show();
    edit->SetFocus();
    PumpMessages();
    EXPECT_TRUE(ok->Active());
    EXPECT_FALSE(cancel->Active());
    cancel->SetFocus();
    PumpMessages();
    EXPECT_FALSE(ok->Active()) << "the focused button is the active one";
    EXPECT_TRUE(cancel->Active());
    edit->SetFocus();
    PumpMessages();
    EXPECT_TRUE(ok->Active()) << "back to the default button";
    form.Hide();
}

TEST(ControlTree, AControlFreedOnItsOwnLeavesNoTraceInItsForm) {
    TTreeForm form(nullptr);
    auto* a = Add<TEdit>(form, &form);
    auto* b = Add<TEdit>(form, &form);
    form.Show();
    b->SetFocus();
    PumpMessages();
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
        TTreeForm form(nullptr);
        auto* panel = Add<TPanel>(form, &form);
        for (int i = 0; i < 3; ++i)
            (new Counted(&form, &alive))->SetParent(panel);
        form.Show();
        EXPECT_EQ(alive, 3);
        form.Hide();
    }
    EXPECT_EQ(alive, 0);
}

TEST(ControlTree, AButtonsAmpersandLetterClicksItUnlessTheFocusedControlTypesIt) {
    TTreeForm form(nullptr);
    auto* edit = Add<TEdit>(form, &form);
    auto* ok = Add<TButton>(form, &form);
    auto* other = Add<TButton>(form, &form, 60);
    ok->SetText("&Ok");
    int clicks = 0;
    ok->OnClick = [&](TComponent*) { ++clicks; };
    form.Show();
    edit->SetFocus();
    PumpMessages();
    edit->Perform(CN_CHAR, 'o', 0);
    EXPECT_EQ(clicks, 0) << "the entry field takes the letter as text";
    edit->Perform(CN_SYSCHAR, 'o', 0);
    EXPECT_EQ(clicks, 1) << "with Alt";
    other->SetFocus();
    PumpMessages();
    other->Perform(CN_CHAR, 'O', 0);
    EXPECT_EQ(clicks, 2) << "a button takes no text: the letter alone, in either case";
    other->Perform(CN_CHAR, 'k', 0);
    EXPECT_EQ(clicks, 2);
    ok->SetEnabled(false);
    edit->Perform(CN_SYSCHAR, 'o', 0);
    EXPECT_EQ(clicks, 2) << "not a disabled button";
    form.Hide();
}
