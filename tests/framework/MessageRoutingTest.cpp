// Message maps: lookup order, ranges, and commands a child passes on to its parent.
#include <gtest/gtest.h>

#include "framework/CWnd.h"

namespace {

class Parent : public CWnd {
public:
    std::vector<int> handled;
    void OnCheck() { handled.push_back(32805); }
    void OnRange(UINT id) { handled.push_back(static_cast<int>(id)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Parent, CWnd)
ON_COMMAND(32805, OnCheck)
ON_COMMAND_RANGE(2000, 2004, OnRange)
END_MESSAGE_MAP()

class Child : public CWnd {
public:
    std::vector<std::string> calls;
    void OnBaseClicked() { calls.push_back("base"); }
    void OnChange() { calls.push_back("change"); }
    void OnTip(UINT id, NMHDR*, LRESULT* result) {
        calls.push_back("tip" + std::to_string(id));
        *result = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Child, CWnd)
ON_BN_CLICKED(1001, OnBaseClicked)
ON_EN_CHANGE(1061, OnChange)
ON_NOTIFY_RANGE(TTN_NEEDTEXTW, 2000, 2004, OnTip)
END_MESSAGE_MAP()

class GrandChild : public Child {
public:
    void OnOwnClicked() { calls.push_back("derived"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GrandChild, Child)
ON_BN_CLICKED(1001, OnOwnClicked)
END_MESSAGE_MAP()

TEST(MessageRouting, DerivedEntriesWinAndCodesMustMatch) {
    GrandChild w;
    EXPECT_TRUE(w.OnCommand(1001, BN_CLICKED));
    EXPECT_TRUE(w.OnCommand(1061, EN_CHANGE));
    EXPECT_FALSE(w.OnCommand(1061, EN_SETFOCUS));
    EXPECT_EQ(w.calls, (std::vector<std::string>{"derived", "change"}));
}

TEST(MessageRouting, UnhandledCommandsGoToTheParentButNotificationsDoNot) {
    Parent parent;
    Child child;
    child.SetParent(&parent);
    child.SendCommand(32805);
    EXPECT_FALSE(child.OnCommand(32805, EN_CHANGE));
    EXPECT_TRUE(child.OnCommand(2003, 0));
    EXPECT_FALSE(child.OnCommand(2005, 0));
    EXPECT_EQ(parent.handled, (std::vector<int>{32805, 2003}));
}

TEST(MessageRouting, NotifyRangeGetsTheIdAndResultSlot) {
    Child w;
    NMHDR hdr{nullptr, 0, TTN_NEEDTEXTW};
    LRESULT result = 0;
    EXPECT_TRUE(w.OnNotify(2002, &hdr, &result));
    EXPECT_EQ(result, 7);
    hdr.code = TTN_NEEDTEXTA;
    EXPECT_FALSE(w.OnNotify(2002, &hdr, &result));
    hdr.code = TTN_NEEDTEXTW;
    EXPECT_FALSE(w.OnNotify(2005, &hdr, &result));
    EXPECT_EQ(w.calls, (std::vector<std::string>{"tip2002"}));
}

}  // namespace
