#include "base/win/com_ptr.h"

#include "tests/base/win/counted_object.h"

#include <gtest/gtest.h>

#include <utility>

TEST(ComPtr, SharingTakesAReferenceAndAdoptingDoesNot) {
    long refs = 0;
    auto* object = new CountedObject(refs);
    {
        ComPtr<IPersist> shared(object);
        EXPECT_EQ(refs, 2);
        {
            auto adopted = ComPtr<IPersist>::Adopt(object);
            EXPECT_EQ(refs, 2);
        }
        EXPECT_EQ(refs, 1);
    }
    EXPECT_EQ(refs, 0);
}

TEST(ComPtr, CopiesCountAndMovesTransfer) {
    long refs = 0;
    auto a = ComPtr<IPersist>::Adopt(new CountedObject(refs));
    ComPtr<IPersist> b = a;
    EXPECT_EQ(refs, 2);
    ComPtr<IPersist> c = std::move(a);
    EXPECT_EQ(refs, 2);
    EXPECT_FALSE(a);
    b = c; // the same object: one reference each, nothing lost
    EXPECT_EQ(refs, 2);
    b = b;
    EXPECT_EQ(refs, 2);
    c = std::move(b); // c's old reference goes, b's moves in
    EXPECT_EQ(refs, 1);
    c = nullptr;
    EXPECT_EQ(refs, 0);
}

TEST(ComPtr, PutReleasesWhatWasHeldAndDetachHandsOver) {
    long first = 0, second = 0;
    auto p = ComPtr<IPersist>::Adopt(new CountedObject(first));
    IPersist** slot = p.Put();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(*slot, nullptr);
    *slot = new CountedObject(second);
    EXPECT_EQ(second, 1);
    IPersist* raw = p.Detach();
    EXPECT_FALSE(p);
    EXPECT_EQ(second, 1);
    raw->Release();
    EXPECT_EQ(second, 0);
}

TEST(ComPtr, QueryInterfaceHelpers) {
    long refs = 0;
    auto p = ComPtr<IPersist>::Adopt(new CountedObject(refs));
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(p.As(unknown), S_OK);
    EXPECT_EQ(refs, 2);
    ComPtr<IStream> stream = p.As<IStream>();
    EXPECT_FALSE(stream);
    EXPECT_EQ(p.As(stream), E_NOINTERFACE);
    EXPECT_EQ(refs, 2);
    ComPtr<IPersist> again;
    EXPECT_EQ(unknown.QueryInterface(IID_IPersist, again), S_OK);
    EXPECT_TRUE(again == p);
    EXPECT_EQ(refs, 3);

    // Asking an empty pointer empties the result and does not crash.
    ComPtr<IPersist> empty;
    EXPECT_EQ(empty.As(unknown), E_POINTER);
    EXPECT_FALSE(unknown);
    EXPECT_EQ(refs, 2);
}

TEST(ComPtr, CopyToFillsAnOutParameterWithItsOwnReference) {
    long refs = 0;
    auto p = ComPtr<IPersist>::Adopt(new CountedObject(refs));
    IPersist* out = nullptr;
    EXPECT_EQ(p.CopyTo(&out), S_OK);
    EXPECT_EQ(out, p.Get());
    EXPECT_EQ(refs, 2);
    out->Release();
    EXPECT_EQ(p.CopyTo(nullptr), E_POINTER);
    ComPtr<IPersist> empty;
    out = p.Get();
    EXPECT_EQ(empty.CopyTo(&out), S_OK);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(refs, 1);
}
