#include "base/win/bstr.h"
#include "base/win/variant.h"

#include "tests/base/win/counted_object.h"

#include <gtest/gtest.h>

#include <utility>

using namespace std::string_literals;

TEST(Bstr, EmptyTextIsTheNullBstr) {
    Bstr empty(L"");
    EXPECT_EQ(empty.Get(), nullptr);
    EXPECT_EQ(empty.Length(), 0u);
    EXPECT_EQ(empty.View(), L"");
}

TEST(Bstr, HoldsTextWithEmbeddedNulsAndMoves) {
    const std::wstring text = L"a\0b\u00e9"s;
    Bstr s(text);
    ASSERT_NE(s.Get(), nullptr);
    EXPECT_EQ(s.Length(), 4u);
    EXPECT_EQ(s.View(), text);
    Bstr moved = std::move(s);
    EXPECT_EQ(s.Get(), nullptr);
    EXPECT_EQ(moved.View(), text);
    moved = Bstr(L"x");
    EXPECT_EQ(moved.View(), L"x");
}

TEST(Bstr, AdoptDetachAndPut) {
    Bstr s = Bstr::Adopt(SysAllocString(L"owned"));
    BSTR raw = s.Detach();
    EXPECT_FALSE(s);
    EXPECT_EQ(std::wstring_view(raw), L"owned");
    BSTR* slot = s.Put();
    EXPECT_EQ(*slot, nullptr);
    *slot = raw;
    EXPECT_EQ(s.View(), L"owned");
    *s.Put() = SysAllocString(L"next"); // frees "owned" first
    EXPECT_EQ(s.View(), L"next");
}

TEST(Variant, TypedConstructors) {
    EXPECT_EQ(Variant().Type(), VT_EMPTY);
    const Variant l = Variant::Long(-5);
    EXPECT_EQ(l.Type(), VT_I4);
    EXPECT_EQ(l.Get().lVal, -5);
    const Variant s = Variant::Short(-2);
    EXPECT_EQ(s.Type(), VT_I2);
    EXPECT_EQ(s.Get().iVal, -2);
    const Variant u = Variant::Unsigned(0xFFFFFFFFu);
    EXPECT_EQ(u.Type(), VT_UI4);
    EXPECT_EQ(u.Get().ulVal, 0xFFFFFFFFu);
    EXPECT_EQ(Variant::Bool(true).Get().boolVal, VARIANT_TRUE);
    EXPECT_EQ(Variant::Bool(false).Get().boolVal, VARIANT_FALSE);
    const Variant text = Variant::Text(L"127.0.0.2");
    EXPECT_EQ(text.Type(), VT_BSTR);
    EXPECT_EQ(std::wstring_view(text.Get().bstrVal), L"127.0.0.2");
    const Variant empty = Variant::Text(L"");
    EXPECT_EQ(empty.Type(), VT_BSTR);
    EXPECT_EQ(empty.Get().bstrVal, nullptr);
}

TEST(Variant, InterfaceValuesHoldOneReferenceThroughMovesAndCopies) {
    long refs = 0;
    auto* object = new CountedObject(refs);
    {
        Variant v = Variant::Unknown(object);
        EXPECT_EQ(refs, 2);
        Variant moved = std::move(v);
        EXPECT_EQ(v.Type(), VT_EMPTY);
        EXPECT_EQ(refs, 2);
        Variant copy = Variant::Copy(moved.Get());
        EXPECT_EQ(refs, 3);
        copy = Variant::Long(1); // clears the interface it held
        EXPECT_EQ(refs, 2);
        *moved.Put() = Variant::Long(2).Detach();
        EXPECT_EQ(refs, 1);
    }
    object->Release();
    EXPECT_EQ(refs, 0);
}

TEST(Variant, CopyDuplicatesTheStringAndAdoptTakesOver) {
    Variant text = Variant::Text(L"abc");
    Variant copy = Variant::Copy(text.Get());
    EXPECT_NE(copy.Get().bstrVal, text.Get().bstrVal);
    EXPECT_EQ(std::wstring_view(copy.Get().bstrVal), L"abc");

    VARIANT raw = text.Detach();
    EXPECT_EQ(text.Type(), VT_EMPTY);
    Variant adopted = Variant::Adopt(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    EXPECT_EQ(std::wstring_view(adopted.Get().bstrVal), L"abc");
}
