#include "app/TownMenu.h"
#include "support/GameTest.h"

#include <QPushButton>
#include <QTest>

using namespace testing_support;
using kobu::TownMenu;

namespace {
class TownMenuTest : public GameTest {};

// Stands in for the menu to record what its key handler sees.
class KeyMenu : public TownMenu {
  public:
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override {
        keys.push_back(key);
        return TownMenu::onKeyPreview(key, modifiers);
    }
    std::vector<Qt::Key> keys;
};
} // namespace

TEST_F(TownMenuTest, TheLayoutReadsAsDesigned) {
    TownMenu& m = forms().show<TownMenu>();
    EXPECT_EQ(m.title(), QStringLiteral("めにゅ～"));
    EXPECT_EQ(m.battleButton->text(), QStringLiteral("準備完了　Battle Start!"));
    EXPECT_EQ(m.size(), QSize(312, 265));
    EXPECT_EQ(m.loadButton->geometry(), QRect(8, 224, 297, 33));
}

TEST_F(TownMenuTest, CloseBoxIsRefused) {
    TownMenu& m = forms().show<TownMenu>();
    m.frame()->close();
    EXPECT_EQ(find<TownMenu>(), &m);
    EXPECT_TRUE(forms().close<TownMenu>());
    EXPECT_EQ(find<TownMenu>(), nullptr);
}

TEST_F(TownMenuTest, PageUpReachesTheMenuWhileAButtonHasTheFocus) {
    KeyMenu& m = forms().show<KeyMenu>();
    m.itemsButton->setFocus();
    QTest::keyClick(m.itemsButton, Qt::Key_PageUp);
    QTest::keyClick(m.saveButton, Qt::Key_PageUp, Qt::ShiftModifier);
    // The Shift key itself comes as its own key.
    EXPECT_EQ(m.keys, (std::vector<Qt::Key>{Qt::Key_PageUp, Qt::Key_Shift, Qt::Key_PageUp}));
}
