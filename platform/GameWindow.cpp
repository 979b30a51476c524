#include "platform/GameWindow.h"

#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Guard.h"

#include <QAbstractButton>
#include <QCloseEvent>

namespace platform {

GameWindow::GameWindow(const QString& objectName) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

GameWindow::~GameWindow() = default;

void GameWindow::setTitle(const QString& caption) {
    setWindowTitle(caption);
    if (frame_)
        frame_->setWindowTitle(caption);
}

void GameWindow::translateTexts() {
    retranslate();
    reloadPictures(this);
    fitTexts(this);
}

void GameWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        translateTexts();
    QWidget::changeEvent(e);
}

QString GameWindow::title() const {
    return windowTitle();
}

void GameWindow::setClientSizeTwips(int width, int height) {
    setFixedSize(twipsToPx(width), twipsToPx(height));
    if (frame_)
        frame_->adjustSize();
}

double GameWindow::leftTw() const {
    return frame_ ? frame_->x() * kTwipsPerPixel : 0;
}
double GameWindow::topTw() const {
    return frame_ ? frame_->y() * kTwipsPerPixel : 0;
}
double GameWindow::widthTw() const {
    return frame_ ? frame_->width() * kTwipsPerPixel : 0;
}
double GameWindow::heightTw() const {
    return frame_ ? frame_->height() * kTwipsPerPixel : 0;
}
void GameWindow::setLeftTw(double twips) {
    if (frame_)
        frame_->move(twipsToPx(twips), frame_->y());
}
void GameWindow::setTopTw(double twips) {
    if (frame_)
        frame_->move(frame_->x(), twipsToPx(twips));
}

bool GameWindow::isShown() const {
    return frame_ && frame_->isVisible();
}

void GameWindow::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, h = std::move(handler)] { runGuarded(this, h); });
}

Timer* GameWindow::makeTimer(int intervalMs, std::function<void()> onTick) {
    return new Timer(this, intervalMs, std::move(onTick));
}

WindowFrame::WindowFrame(GameWindow* form) : form_(form) {
    setWidget(form);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setOption(QMdiSubWindow::RubberBandResize, false);
}

void WindowFrame::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (programClose)
        return;
    // The close box or the system menu: the window decides, reason 0.
    QPointer<GameWindow> f(form_);
    runGuarded(form_, [f] {
        if (f && !f->isUnloaded())
            Windows::instance().close(f, CloseReason::User);
    });
}

} // namespace platform
