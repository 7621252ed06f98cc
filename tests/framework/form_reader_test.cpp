// Reading a form from its window description.
#include <gtest/gtest.h>

#include "controls/win_xp.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/form_reader.h"
#include "framework/panel.h"
#include "framework/reader.h"

namespace {

class TTestForm : public TForm {
  public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {
        RegisterField("Panel", &Panel);
        RegisterField("Name", &NameField);
        RegisterField("Ok", &Ok);
        RegisterMethod<TNotifyEvent>("OkClick", [this](TComponent*) { ++clicks; });
        RegisterMethod<TCloseEvent>("FormClose", [](TComponent*, TCloseAction&) {});
    }
    const char* ClassName() const override { return "TTestForm"; }

    TPanel* Panel = nullptr;
    TEdit* NameField = nullptr;
    TButton* Ok = nullptr;
    int clicks = 0;
};

const char kForm[] = "object TestForm: TTestForm\n"
                     "  ClientWidth = 300\n"
                     "  ClientHeight = 200\n"
                     "  Caption = 'Essai \xC3\xA9t\xC3\xA9'\n"
                     "  object Panel: TPanel\n"
                     "    Align = alClient\n"
                     "    Color = clBlack\n"
                     "    object Ok: TButton\n"
                     "      Left = 10\n"
                     "      TabOrder = 1\n"
                     "      OnClick = OkClick\n"
                     "    end\n"
                     "    object Name: TEdit\n"
                     "      Left = 20\n"
                     "      Top = 30\n"
                     "      TabOrder = 0\n"
                     "      Font.Name = 'Tahoma'\n"
                     "    end\n"
                     "  end\n"
                     "end\n";

std::string ReadError(const std::string& text) {
    TTestForm form(nullptr);
    try {
        ReadForm(form, ReadDescription(text));
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    const size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return s.replace(at, from.size(), to);
}

} // namespace

TEST(FormReader, CreatesTheControlsBindsFieldsAndHandlers) {
    TTestForm form(nullptr);
    ReadForm(form, ReadDescription(kForm));
    EXPECT_EQ(form.Name(), "TestForm");
    EXPECT_EQ(form.Text(), "Essai \xE9t\xE9") << "texts arrive in the ANSI code page";
    ASSERT_NE(form.Panel, nullptr);
    ASSERT_NE(form.NameField, nullptr);
    ASSERT_NE(form.Ok, nullptr);
    EXPECT_EQ(form.Panel->Parent(), &form);
    EXPECT_EQ(form.Ok->Parent(), form.Panel);
    EXPECT_EQ(form.Panel->BoundsRect(), (TRect{0, 0, 300, 200})) << "aligned to the client area";
    EXPECT_EQ(form.NameField->BoundsRect(), BoundsRect(20, 30, 121, 21));
    EXPECT_EQ(form.Panel->Color(), clBlack);
    EXPECT_EQ(form.NameField->Font().Name(), "Tahoma");
    EXPECT_FALSE(form.NameField->ParentFont());
    EXPECT_TRUE(form.Ok->ParentFont());
    // Stored tab orders apply although the second control was created first.
    EXPECT_EQ(form.NameField->TabOrder(), 0);
    EXPECT_EQ(form.Ok->TabOrder(), 1);
    form.Ok->Click();
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.Components().size(), 3u);
}

TEST(FormReader, RefusesWhatTheFormCannotTake) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {Replace(kForm, "TestForm: TTestForm", "TestForm: TOtherForm"),
         "Error reading TestForm: the description is of class TOtherForm, not TTestForm"},
        {Replace(kForm, "  ClientHeight = 200\n", "  Height2 = 200\n"),
         "Error reading TestForm.Height2 (line 3): Property Height2 does not exist"},
        {Replace(kForm, "OnClick = OkClick", "OnClick = Missing"),
         "Error reading Ok.OnClick (line 11): Method Missing does not exist"},
        {Replace(kForm, "OnClick = OkClick", "OnClick = FormClose"),
         "Error reading Ok.OnClick (line 11): Method FormClose has an incompatible type"},
        {Replace(kForm, "Left = 20", "Left = 'twenty'"),
         "Error reading Name.Left (line 14): Integer expected"},
        {Replace(kForm, "Align = alClient", "Align = alMiddle"),
         "Error reading Panel.Align (line 6): Invalid property value alMiddle"},
        {Replace(kForm, "Color = clBlack", "Color = clPlaid"),
         "Error reading Panel.Color (line 7): Invalid colour clPlaid"},
        {Replace(kForm, "object Ok: TButton", "object Ok: TEdit"), "Field Ok has an incompatible type"},
        {Replace(kForm, "object Ok: TButton", "object Ok: TGrid"), "Class TGrid not found"},
        {Replace(kForm, "object Name: TEdit", "object Other: TEdit"),
         "Field Name not found in the window description"},
        {Replace(kForm, "  object Panel: TPanel\n",
                 "  object Marker: TWinXP\n    object Stray: TEdit\n    end\n  end\n"
                 "  object Panel: TPanel\n"),
         "Error reading Stray: a control must lie in another control"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadError(c.text), c.message);
}

TEST(FormReader, ALabelsStyleFontIsItsOwnOnlyWhenMarkedAssigned) {
    const std::string labels = Replace(kForm, "    object Ok: TButton\n",
                                       "    object Own: TcxLabel\n"
                                       "      Style.Font.Name = 'Tahoma'\n"
                                       "      Style.Font.Color = clWhite\n"
                                       "      Style.IsFontAssigned = True\n"
                                       "    end\n"
                                       "    object Parents: TcxLabel\n"
                                       "      Style.Font.Name = 'Tahoma'\n"
                                       "      Style.IsFontAssigned = False\n"
                                       "    end\n"
                                       "    object Ok: TButton\n");
    TTestForm form(nullptr);
    ReadForm(form, ReadDescription(labels));
    const auto* own = dynamic_cast<TWinControl*>(form.FindComponent("Own"));
    const auto* parents = dynamic_cast<TWinControl*>(form.FindComponent("Parents"));
    ASSERT_TRUE(own && parents);
    EXPECT_EQ(own->Font().Name(), "Tahoma");
    EXPECT_EQ(own->Font().Color(), clWhite);
    EXPECT_FALSE(own->ParentFont());
    EXPECT_EQ(parents->Font().Name(), "MS Sans Serif");
    EXPECT_TRUE(parents->ParentFont());
}

TEST(WinXP, RequiresAFormAsOwnerAndOnlyOneOnIt) {
    TTestForm form(nullptr);
    TPanel panel(&form);
    try {
        TWinXP marker(&panel);
        ADD_FAILURE() << "a panel accepted the marker";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Control parent must be a form!");
        EXPECT_STREQ(e.ClassName(), "Exception");
    }
    auto* first = new TWinXP(&form);
    EXPECT_EQ(first->Owner(), &form);
    const size_t owned = form.Components().size();
    try {
        new TWinXP(&form);
        ADD_FAILURE() << "a second marker was accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Only one instance of TWinXP allowed on form");
    }
    EXPECT_EQ(form.Components().size(), owned) << "the refused marker left its owner";
}
