// The typed password in the program's memory: there while the user signs in, gone once the
// session is connected.
#include <gtest/gtest.h>

#include <algorithm>

#include "session/rdp_ids.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"

namespace {

// Kept in the executable's image, which the search skips: only copies made at run time count.
constexpr wchar_t kPassword[] = L"Zq7#Password-4711";
constexpr char kPasswordAnsi[] = "Zq7#Password-4711";

bool Readable(const MEMORY_BASIC_INFORMATION& region) {
    constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                                PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return region.State == MEM_COMMIT && region.Type == MEM_PRIVATE && (region.Protect & kReadable) &&
           !(region.Protect & PAGE_GUARD);
}

// How many times the bytes occur in the process's committed private memory (heaps, stacks,
// the platform's own allocations), as a dump of the process would show them.
int CopiesInPrivateMemory(const void* pattern, size_t size) {
    const auto* first = static_cast<const char*>(pattern);
    int found = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (!Readable(region))
            continue;
        const char* begin = static_cast<const char*>(region.BaseAddress);
        const char* end = begin + region.RegionSize;
        for (const char* hit = begin; (hit = std::search(hit, end, first, first + size)) != end; ++hit)
            ++found;
    }
    return found;
}

struct Copies {
    int wide;
    int ansi;
};

Copies PasswordCopies() {
    return {CopiesInPrivateMemory(kPassword, sizeof kPassword - sizeof(wchar_t)),
            CopiesInPrivateMemory(kPasswordAnsi, sizeof kPasswordAnsi - 1)};
}

struct PasswordKept {
    ~PasswordKept() { HostedControl().Script().KeepsPassword = true; }
};

TEST(PasswordMemory, TheTypedPasswordIsInMemoryUntilTheSessionIsConnectedAndNowhereAfter) {
    const PasswordKept restore;
    HostedControl().Script().KeepsPassword = false;
    Copies signingIn{};
    Copies connected{};
    const RunResult run = RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        SetWindowTextW(form.Edit1->Handle(), L"jdupont");
        // Typed as the keyboard does, one character at a time.
        for (const wchar_t c : kPassword)
            if (c)
                PostMessageW(form.edit2->Handle(), WM_CHAR, c, 1);
        Pump();
        signingIn = PasswordCopies();

        ClickLogin(form);
        Pump();
        auto control = HostedControl().LastInstance();
        ASSERT_TRUE(control->Connecting());
        control->Fire(RdpEvent::OnConnected);
        Pump();
        connected = PasswordCopies();
        PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run, kEndedCleanly);
    EXPECT_GE(signingIn.wide + signingIn.ansi, 1) << "the search finds the field's text";
    EXPECT_EQ(connected.wide, 0);
    EXPECT_EQ(connected.ansi, 0);
}

} // namespace
