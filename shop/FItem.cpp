#include "shop/FItem.h"

#include "app/Menu.h"
#include "character/Sutetasu.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

// Uses one item: the confirmation, the hit points up to the maximum, one item
// fewer. `floorAtZeroOnly` is for the natural water, whose button goes off
// only at exactly 0 where the other two go off at 0 or below.
void useItem(i16& count, int restores, const QString& question, QPushButton* button, QLabel* label,
             bool floorAtZeroOnly) {
    GameState& g = game();
    if (MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("確認")) != vbYes)
        return;
    g.hp = g.hp + restores;
    if (g.hp > g.maxHp)
        g.hp = g.maxHp;
    count = count - 1;
    if (floorAtZeroOnly ? count == 0 : count <= 0)
        button->setEnabled(false);
    label->setText(count.str());
    RefreshStatus();
}

} // namespace

FItem::FItem() : Form(QStringLiteral("FItem")) {
    setCaption(QStringLiteral("アイテム使用"));
    setClientSizeTwips(5790, 2610);
    setKeyPreview(true);
    const auto mid = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    struct Row {
        QLabel*& name;
        QLabel*& count;
        QLabel*& unit;
        QPushButton*& use;
        const char* nameId;
        const char* countId;
        const char* unitId;
        const char* useId;
        QString caption;
        int top;
    };
    Row rows[] = {
        {Label1, LaItem1, Label3, Command1, "Label1", "LaItem1", "Label3", "Command1",
         QStringLiteral("おいしい水道水"), 120},
        {Label4, LaItem2, Label11, Command2, "Label4", "LaItem2", "Label11", "Command2",
         QStringLiteral("おいしい天然水"), 840},
        {Label9, LaItem3, Label10, Command3, "Label9", "LaItem3", "Label10", "Command3",
         QStringLiteral("非人道的ソーダ"), 1560},
    };
    for (Row& r : rows) {
        r.name =
            makeLabel(this, QString::fromLatin1(r.nameId), r.caption, 120, r.top, 2175, 375, mid);
        r.count = makeLabel(this, QString::fromLatin1(r.countId), {}, 2520, r.top, 975, 375, right);
        r.unit = makeLabel(this, QString::fromLatin1(r.unitId), QStringLiteral("個"), 3600, r.top,
                           375, 375, mid);
        r.use = makeButton(this, QString::fromLatin1(r.useId), QStringLiteral("使用"), 4200, r.top,
                           1215, 495);
    }
    Command4 =
        makeButton(this, QStringLiteral("Command4"), QStringLiteral("戻る"), 2280, 2040, 1215, 495);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Command4, [this] { Command4_Click(); });
}

void FItem::RefreshItemWindow() {
    const GameState& g = game();
    LaItem1->setText(g.tapWaterCount.str());
    LaItem2->setText(g.naturalWaterCount.str());
    LaItem3->setText(g.sodaCount.str());
    Command1->setEnabled(g.tapWaterCount != 0);
    Command2->setEnabled(g.naturalWaterCount != 0);
    Command3->setEnabled(g.sodaCount != 0);
}

void FItem::Form_Load() {
    // Where the town menu stands, as the other town windows open.
    setLeftTw(0);
    setTopTw(0);
    RefreshItemWindow();
}
void FItem::Form_Activate() {
    RefreshItemWindow();
}

void FItem::Command1_Click() {
    useItem(game().tapWaterCount, 5, QStringLiteral("HPが５回復します。よろしいですか？"), Command1,
            LaItem1, false);
}

void FItem::Command2_Click() {
    useItem(game().naturalWaterCount, 15, QStringLiteral("HPが１５回復します。よろしいですか？"),
            Command2, LaItem2, true);
}

void FItem::Command3_Click() {
    useItem(game().sodaCount, 40, QStringLiteral("HPが４０回復します。よろしいですか？"), Command3,
            LaItem3, false);
}

void FItem::Command4_Click() {
    Forms& forms = Forms::instance();
    forms.show<Menu>();
    forms.hideForm(this);
}

void FItem::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8) {
        Forms& forms = Forms::instance();
        forms.unload(this, vbFormCode);
        forms.show<Menu>();
    }
}

void FItem::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode == vbFormControlMenu)
        Forms::instance().show<Menu>();
}

} // namespace kobu
