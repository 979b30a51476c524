#pragma once
// A begun game in a fresh folder, with the town menu open and upgrade tables
// the tests write themselves.

#include "app/TownMenu.h"
#include "platform/GameWindow.h"
#include "platform/Services.h"
#include "shop/UpgradeRecord.h"
#include "support/GameTest.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>
#include <vector>

namespace shop_test {

class ShopTest : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        // OK-only boxes answer themselves; each test counts what was shown.
        testing_support::fakeBoxes().autoOk = true;
        g().playerName = QStringLiteral("Taro");
        forms().show<kobu::TownMenu>();
    }

    QString path(const QString& name) const { return folder() + QLatin1Char('/') + name; }

    void writeTable(const QString& name, const std::vector<kobu::UpgradeRecord>& records) {
        QByteArray bytes;
        for (const auto& r : records)
            bytes += kobu::encodeUpgradeRecord(r);
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Presses a button as the player does; the click goes through the guard.
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static void key(QWidget* w, Qt::Key k) { QTest::keyClick(w, k); }

    const platform::BoxRequest& box(size_t i) {
        return testing_support::fakeBoxes().shown.at(i).request;
    }
    size_t boxCount() { return testing_support::fakeBoxes().shown.size(); }
};

} // namespace shop_test
