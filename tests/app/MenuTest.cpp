#include "app/Menu.h"
#include "support/GameTest.h"

#include <QPushButton>
#include <QTest>

using namespace testing_support;
using kobu::Menu;

namespace {
class MenuTest : public GameTest {};

// Stands in for the menu to record what its key handler sees.
class KeyMenu : public Menu {
public:
    void Form_KeyDown(int& keyCode, int shift) override {
        keys.push_back(keyCode);
        Menu::Form_KeyDown(keyCode, shift);
    }
    std::vector<int> keys;
};
} // namespace

TEST_F(MenuTest, TheLayoutReadsAsDesigned) {
    Menu& m = forms().show<Menu>();
    EXPECT_EQ(m.caption(), QStringLiteral("めにゅ～"));
    EXPECT_EQ(m.Command3->text(), QStringLiteral("準備完了　Battle Start!"));
    EXPECT_EQ(m.size(), QSize(312, 265));
    EXPECT_EQ(m.Command5->geometry(), QRect(8, 224, 297, 33));
}

TEST_F(MenuTest, CloseBoxIsRefused) {
    Menu& m = forms().show<Menu>();
    m.frame()->close();
    EXPECT_EQ(find<Menu>(), &m);
    EXPECT_TRUE(forms().unload<Menu>());
    EXPECT_EQ(find<Menu>(), nullptr);
}

TEST_F(MenuTest, PageUpReachesTheMenuWhileAButtonHasTheFocus) {
    KeyMenu& m = forms().show<KeyMenu>();
    m.Command2->setFocus();
    QTest::keyClick(m.Command2, Qt::Key_PageUp);
    QTest::keyClick(m.Command4, Qt::Key_PageUp, Qt::ShiftModifier);
    // The Shift key itself comes as its own key, 16.
    EXPECT_EQ(m.keys, (std::vector<int>{33, 16, 33}));
}
