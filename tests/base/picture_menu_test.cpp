// The picture menu's visibility and enabling rules and the box's keys.

#include <string>

#include <gtest/gtest.h>

#include "base/picture_menu.h"

namespace {

// One character per line of the menu: '-' hidden, 'o' shown disabled, 'X' shown enabled; a
// separator shows '|' when visible.
std::string Look(const std::array<TPictureMenuEntry, 9>& entries) {
    std::string look;
    for (const TPictureMenuEntry& e : entries)
        look += !e.visible ? '-' : e.separator ? '|' : e.enabled ? 'X' : 'o';
    return look;
}

TEST(PictureMenu, VisibilityAndEnablingFollowTheBoxAndTheClipboard) {
    TPictureMenuFacts windowBox; // read-only, with its picture
    windowBox.pictureEmpty = false;
    TPictureMenuFacts editable = windowBox;
    editable.canModify = true;
    TPictureMenuFacts editableEmpty = editable;
    editableEmpty.pictureEmpty = true;
    TPictureMenuFacts pasteable = editableEmpty;
    pasteable.pasteAvailable = true;
    TPictureMenuFacts readOnlyPasteable = windowBox;
    readOnlyPasteable.pasteAvailable = true;
    TPictureMenuFacts icon = editable;
    icon.kindCannotCopy = true;

    const TPictureMenuItems all = TPictureMenuItems::Default();
    TPictureMenuItems withCustom = TPictureMenuItems::Default();
    withCustom.Add(TPictureMenuItem::Custom);
    TPictureMenuItems copyOnly;
    copyOnly.Add(TPictureMenuItem::Copy);
    TPictureMenuItems saveAndCustom;
    saveAndCustom.Add(TPictureMenuItem::Save).Add(TPictureMenuItem::Custom);

    const struct {
        const char* what;
        TPictureMenuItems items;
        TPictureMenuFacts facts;
        const char* look;
    } cases[] = {
        {"the window's read-only box", all, windowBox, "oXoo|oX--"},
        {"read-only with a pasteable clipboard", all, readOnlyPasteable, "oXoo|oX--"},
        {"editable with a picture", all, editable, "XXoX|XX--"},
        {"editable and empty", all, editableEmpty, "oooo|Xo--"},
        {"editable, empty, pasteable clipboard", all, pasteable, "ooXo|Xo--"},
        {"icon kind", all, icon, "oooX|XX--"},
        {"custom item", withCustom, windowBox, "oXoo|oX|X"},
        {"copy only", copyOnly, windowBox, "-X-------"},
        {"save and custom", saveAndCustom, editableEmpty, "----|-o|X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Look(PictureMenuEntries(c.items, c.facts)), c.look) << c.what;
}

TEST(PictureMenu, KeysAskForTheirActions) {
    using K = TKeyPress;
    const struct {
        K press;
        TPictureKeyAction action;
    } cases[] = {
        {{K::C, true, false}, TPictureKeyAction::Copy},
        {{K::Insert, true, false}, TPictureKeyAction::Copy},
        {{K::V, true, false}, TPictureKeyAction::Paste},
        {{K::Insert, false, true}, TPictureKeyAction::Paste},
        {{K::X, true, false}, TPictureKeyAction::Cut},
        {{K::Delete, false, true}, TPictureKeyAction::Cut},
        {{K::Delete, false, false}, TPictureKeyAction::Delete},
        {{K::C, false, false}, TPictureKeyAction::None},
        {{K::Insert, false, false}, TPictureKeyAction::None},
        {{K::C, true, true}, TPictureKeyAction::None},
        {{K::Delete, true, false}, TPictureKeyAction::None},
        {{K::Other, true, false}, TPictureKeyAction::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureKeyAction(c.press), c.action)
            << int(c.press.key) << " ctrl " << c.press.ctrl << " shift " << c.press.shift;
}

} // namespace
