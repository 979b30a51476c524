#include "app/HelpWindow.h"

#include "app/HelpText.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"

#include <QMdiArea>
#include <QTextBrowser>
#include <algorithm>

using namespace platform;

namespace kobu {

HelpWindow::HelpWindow() : GameWindow(QStringLiteral("HelpWindow")) {
    setClientSizeTwips(9600, 7800);
    guide = new QTextBrowser(this);
    guide->setObjectName(QStringLiteral("guide"));
    guide->setOpenLinks(false);
    guide->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGeometryTwips(guide, 120, 120, 9360, 6960);
    closeButton = makeButton(this, QStringLiteral("closeButton"), {}, 7920, 7200, 1560, 450);
    setEnterButton(closeButton);
    setEscapeButton(closeButton);
    onClick(closeButton, [this] { Windows::instance().close(this); });
    translateTexts();
}

void HelpWindow::onLoad() {
    Windows::instance().showWindow(this);
    // In the middle of the frame, over the town or the match, whichever shows.
    if (QMdiArea* area = Windows::instance().mdiArea()) {
        const QSize room = area->viewport()->size();
        setLeftTw(std::max(0.0, (room.width() * kTwipsPerPixel - widthTw()) / 2));
        setTopTw(std::max(0.0, (room.height() * kTwipsPerPixel - heightTw()) / 2));
    }
    guide->setFocus();
}

void HelpWindow::retranslate() {
    setTitle(tr("遊び方"));
    guide->setMarkdown(howToPlay(currentLanguage()));
    guide->setAccessibleName(tr("遊び方"));
    closeButton->setText(tr("閉じる"));
}

} // namespace kobu
