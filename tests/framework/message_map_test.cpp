// Message maps: a class's entries first, then its base's, down to the typed handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win_control.h"

namespace {

constexpr UINT kAsked = WM_APP + 1;
constexpr UINT kRangeFirst = WM_APP + 10;

class TBaseRecorder : public TWinControl {
  public:
    using TWinControl::TWinControl;
    std::vector<std::string> heard;

  protected:
    DECLARE_MESSAGE_MAP(TBaseRecorder)
    void KeyDown(UINT key, LPARAM) override { heard.push_back("typed key " + std::to_string(key)); }

  private:
    bool Asked(TMessage& m) {
        heard.push_back("base");
        m.result = 7;
        return true;
    }
};

DEFINE_MESSAGE_MAP(TBaseRecorder, OnMessage<&TBaseRecorder::Asked>(kAsked))

// A class between the two without a map of its own: the derived map chains past it to the base's.
class TMiddle : public TBaseRecorder {
  public:
    using TBaseRecorder::TBaseRecorder;
};

class TDerivedRecorder : public TMiddle {
  public:
    using TMiddle::TMiddle;
    bool take = false;

  protected:
    DECLARE_MESSAGE_MAP(TDerivedRecorder)

  private:
    bool Asked(TMessage&) {
        heard.push_back("derived");
        return take;
    }
    bool Key(TMessage&) {
        heard.push_back("derived key");
        return false;
    }
    bool Ranged(TMessage& m) {
        heard.push_back("range " + std::to_string(m.msg - kRangeFirst));
        return true;
    }
};

DEFINE_MESSAGE_MAP(TDerivedRecorder, OnMessage<&TDerivedRecorder::Asked>(kAsked),
                   OnMessage<&TDerivedRecorder::Key>(WM_KEYDOWN),
                   OnMessages<&TDerivedRecorder::Ranged>(kRangeFirst, kRangeFirst + 2))

} // namespace

TEST(MessageMap, TheClassesEntriesComeFirstAndWhatTheyDeclineWalksOnToTheBasesAndTheTypedHandlers) {
    struct Case {
        const char* what;
        bool take;
        UINT msg;
        WPARAM wParam;
        std::vector<std::string> heard;
        LRESULT result;
    };
    const Case cases[] = {
        {"taken by the derived class", true, kAsked, 0, {"derived"}, 0},
        {"declined, then taken by the base", false, kAsked, 0, {"derived", "base"}, 7},
        {"declined, then the typed handler", false, WM_KEYDOWN, 'A', {"derived key", "typed key 65"}, 0},
        {"first of a range", false, kRangeFirst, 0, {"range 0"}, 0},
        {"last of a range", false, kRangeFirst + 2, 0, {"range 2"}, 0},
        {"past the range: no handler", false, kRangeFirst + 3, 0, {}, 0},
    };
    for (const Case& c : cases) {
        TDerivedRecorder control(nullptr);
        control.take = c.take;
        EXPECT_EQ(control.Perform(c.msg, c.wParam), c.result) << c.what;
        EXPECT_EQ(control.heard, c.heard) << c.what;
    }
}
