#include "app/Form3.h"

#include "app/Menu.h"
#include "character/Sutetasu.h"
#include "media/FStaff.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Process.h"
#include "platform/Services.h"

#include <QLineEdit>

using namespace platform;

namespace kobu {
namespace {
const QString kFirstCode = QStringLiteral("zed");
const QString kSecondCode = QStringLiteral("Mirae Tosu");
const QString kThirdCode = QStringLiteral("Dossier");
} // namespace

Form3::Form3() : Form(QStringLiteral("Form3")) {
    setCaption(QStringLiteral("裏技コード！"));
    setClientSizeTwips(4740, 1500);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("裏技コードを入力してください！"),
                       120, 120, 4455, 615);
    TUra = new QLineEdit(this);
    TUra->setObjectName(QStringLiteral("TUra"));
    TUra->setMaxLength(10);
    TUra->setAccessibleName(QStringLiteral("裏技コード"));
    setGeometryTwips(TUra, 120, 960, 2055, 375);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK!!"), 2400, 960, 975, 375);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("戻る"), 3600, 960, 975, 375);
    setDefaultButton(Command1);
    setCancelButton(Command2);
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    TUra->setFocus();
}

void Form3::Command1_Click() {
    const QString text = TUra->text();
    if (text == kFirstCode) {
        firstCodeStreak = firstCodeStreak + 1;
        MsgBox(QStringLiteral("コードが違います"), vbOKOnly | vbExclamation, QStringLiteral("エラー"));
        if (firstCodeStreak == 5) {
            // The trap: the fifth time in a row it really ends the game.
            MsgBox(QStringLiteral("コードが違います？"), vbOKOnly | vbQuestion, QStringLiteral("エラ～"));
            EndProcess();
        }
    } else {
        firstCodeStreak = 0;
    }
    Forms& forms = Forms::instance();
    if (text == kSecondCode) {
        forms.unload<Menu>();
        forms.unload<Sutetasu>();
        forms.unload(this, vbFormCode);
        forms.show<FStaff>();
        forms.unload<FStaff>();
        return;
    }
    if (text == kThirdCode)
        return;
    MsgBox(QStringLiteral("コードが違います～"), vbOKOnly | vbExclamation, QStringLiteral("えら～"));
}

void Form3::Command2_Click() { Forms::instance().unload(this, vbFormCode); }

void Form3::Control_KeyDown(QWidget* control, int& keyCode, int) {
    if (control == Command2 && keyCode == 8) {
        keyCode = 0;
        Forms::instance().unload(this, vbFormCode);
    }
}

} // namespace kobu
