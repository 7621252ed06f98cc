#include "session/msrdp_client_data.h"
#include "session/rdp_client.h"
#include "session/rdp_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

GUID Parse(const wchar_t* text) {
    GUID g{};
    EXPECT_EQ(CLSIDFromString(text, &g), S_OK) << text;
    return g;
}

} // namespace

TEST(ControlContract, IdentifiersHaveTheControlsValues) {
    const struct {
        const GUID& id;
        const wchar_t* text;
    } cases[] = {
        {CLSID_MsRdpClient6NotSafeForScripting, L"{D2EA46A7-C2BF-426B-AF24-E19C44456399}"},
        {DIID_IMsTscAxEvents, L"{336D5562-EFA8-482E-8CB3-C5C0FC7A7DB6}"},
        {__uuidof(IMsTscAx), L"{8C11EFAE-92C3-11D1-BC1E-00C04FA31489}"},
        {__uuidof(IMsRdpClient), L"{92B4A539-7115-4B7C-A5A9-E5D9EFC2780A}"},
        {__uuidof(IMsRdpClient2), L"{E7E17DC4-3B71-4BA7-A8E6-281FFADCA28F}"},
        {__uuidof(IMsRdpClient3), L"{91B7CBC5-A72E-4FA0-9300-D647D7E897FF}"},
        {__uuidof(IMsRdpClient4), L"{095E0738-D97D-488B-B9F6-DD0E8D66C0DE}"},
        {__uuidof(IMsRdpClient5), L"{4EB5335B-6429-477D-B922-E06A28ECD8BF}"},
        {__uuidof(IMsRdpClient6), L"{D43B7D80-8517-4B6D-9EAC-96AD6800D7F2}"},
        {__uuidof(IMsTscAdvancedSettings), L"{809945CC-4B3B-4A92-A6B0-DBF9B5F2EF2D}"},
        {__uuidof(IMsRdpClientAdvancedSettings), L"{3C65B4AB-12B3-465B-ACD4-B8DAD3BFF9E2}"},
        {__uuidof(IMsRdpClientAdvancedSettings2), L"{9AC42117-2B76-4320-AA44-0E616AB8437B}"},
        {__uuidof(IMsRdpClientAdvancedSettings3), L"{19CD856B-C542-4C53-ACEE-F127E3BE1A59}"},
        {__uuidof(IMsRdpClientAdvancedSettings4), L"{FBA7F64E-7345-4405-AE50-FA4A763DC0DE}"},
        {__uuidof(IMsRdpClientAdvancedSettings5), L"{FBA7F64E-6783-4405-DA45-FA4A763DABD0}"},
        {__uuidof(IMsRdpClientAdvancedSettings6), L"{222C4B5D-45D9-4DF0-A7C6-60CF9089D285}"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(IsEqualGUID(c.id, Parse(c.text))) << c.text;
}

TEST(ControlContract, ControlDataRecordOfTheWrapper) {
    const TControlData& data = MsRdpClient6ControlData();
    EXPECT_TRUE(IsEqualGUID(data.ClassID, Parse(L"{D2EA46A7-C2BF-426B-AF24-E19C44456399}")));
    EXPECT_TRUE(IsEqualGUID(data.EventIID, Parse(L"{336D5562-EFA8-482E-8CB3-C5C0FC7A7DB6}")));
    ASSERT_EQ(data.EventCount, 25u);
    std::vector<DISPID> expected;
    for (DISPID id = 1; id <= 24; ++id)
        expected.push_back(id);
    expected.push_back(26);
    EXPECT_EQ(std::vector<DISPID>(data.EventDispIDs, data.EventDispIDs + data.EventCount), expected);
    EXPECT_EQ(data.Flags, 0u);
    EXPECT_EQ(data.SiteOptions, 0u);
}

TEST(ControlContract, StoredStateBytes) {
    const std::vector<uint8_t> expected = {0x00, 0x03, 0x00, 0x00, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00,
                                           0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00};
    EXPECT_EQ(
        std::vector<uint8_t>(kMsRdpClientStoredState, kMsRdpClientStoredState + kMsRdpClientStoredStateSize),
        expected);
}
