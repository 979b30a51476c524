#include "app/SecretCodeWindow.h"

#include "app/Navigation.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
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

SecretCodeWindow::SecretCodeWindow() : GameWindow(QStringLiteral("SecretCodeWindow")) {
    setClientSizeTwips(4740, 1500);
    promptLabel = makeLabel(this, QStringLiteral("Label1"), {}, 120, 120, 4455, 615);
    codeBox = new QLineEdit(this);
    codeBox->setObjectName(QStringLiteral("codeBox"));
    codeBox->setMaxLength(10);
    setGeometryTwips(codeBox, 120, 960, 2055, 375);
    okButton =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK!!"), 2400, 960, 975, 375);
    backButton = makeButton(this, QStringLiteral("Command2"), {}, 3600, 960, 975, 375);
    setEnterButton(okButton);
    setEscapeButton(backButton);
    onClick(okButton, [this] { onOkClicked(); });
    onClick(backButton, [this] { onBackClicked(); });
    codeBox->setFocus();
    translateTexts();
}

void SecretCodeWindow::retranslate() {
    setTitle(tr("裏技コード！"));
    promptLabel->setText(tr("裏技コードを入力してください！"));
    codeBox->setAccessibleName(tr("裏技コード"));
    backButton->setText(tr("戻る"));
}

void SecretCodeWindow::onOkClicked() {
    const QString text = codeBox->text();
    if (text == kFirstCode) {
        firstCodeStreak = firstCodeStreak + 1;
        tell(tr("コードが違います"), BoxIcon::Exclamation, tr("エラー"));
        if (firstCodeStreak == 5) {
            // The trap: the fifth time in a row it really ends the game.
            tell(tr("コードが違います？"), BoxIcon::Question, tr("エラ～"));
            EndProcess();
        }
    } else {
        firstCodeStreak = 0;
    }
    if (text == kSecondCode) {
        navigation::secretEnding(*this);
        return;
    }
    if (text == kThirdCode)
        return;
    tell(tr("コードが違います～"), BoxIcon::Exclamation, tr("えら～"));
}

void SecretCodeWindow::onBackClicked() {
    Windows::instance().close(this);
}

bool SecretCodeWindow::onControlKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers) {
    if (control != backButton || key != Qt::Key_Backspace)
        return false;
    Windows::instance().close(this);
    return true;
}

} // namespace kobu
