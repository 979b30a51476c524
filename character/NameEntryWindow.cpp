#include "character/NameEntryWindow.h"

#include "app/Navigation.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "media/MusicPlayer.h"
#include "platform/Controls.h"
#include "platform/Cp932.h"
#include "platform/Geometry.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QLineEdit>
#include <QValidator>

using namespace platform;

namespace kobu {

namespace {

// The save file holds the name in code page 932: a character it cannot hold
// (an emoji, a combining mark, 𠮷) would come back as "?". Such a character
// is refused as it is typed, like a fifth one.
class SaveableName : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        (void)pos;
        return platform::fromCp932(platform::toCp932(input)) == input ? Acceptable : Invalid;
    }
};

} // namespace

NameEntryWindow::NameEntryWindow() : GameWindow(QStringLiteral("NameEntryWindow")) {
    setClientSizeTwips(4305, 1590);
    promptLabel = makeLabel(this, QStringLiteral("Label1"), {}, 480, 0, 2775, 375,
                            Qt::AlignLeft | Qt::AlignVCenter);
    limitLabel = makeLabel(this, QStringLiteral("Label2"), {}, 2280, 360, 1215, 255);
    nameBox = new QLineEdit(this);
    nameBox->setObjectName(QStringLiteral("nameBox"));
    nameBox->setMaxLength(4);
    nameBox->setValidator(new SaveableName(nameBox));
    setGeometryTwips(nameBox, 480, 840, 1335, 375);
    okButton = makeButton(this, QStringLiteral("Command1"), {}, 2520, 840, 1575, 375);
    setEnterButton(okButton);
    onClick(okButton, [this] { onOkClicked(); });
    nameBox->setFocus();
    translateTexts();
}

void NameEntryWindow::retranslate() {
    setTitle(tr("名前を決めよう"));
    promptLabel->setText(tr("名前を決めてください。"));
    limitLabel->setText(tr("（４文字以内）"));
    nameBox->setAccessibleName(tr("名前"));
    okButton->setText(tr("OK！"));
}

void NameEntryWindow::onOkClicked() {
    if (nameBox->text().isEmpty()) {
        tell(tr("名前を入力してください！"), BoxIcon::Exclamation, tr("えら～"));
        return;
    }
    GameState& g = game();
    g.playerName = nameBox->text();
    navigation::enterTown(*this);
}

} // namespace kobu
