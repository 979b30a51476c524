#include "platform/Guard.h"

#include "platform/Errors.h"
#include "platform/GameWindow.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QPointer>
#include <cstdio>

namespace platform {
namespace {

std::function<RestoreFn()>& snapshotHook() {
    static std::function<RestoreFn()> h;
    return h;
}
std::function<void()>& exitHook() {
    static std::function<void()> h;
    return h;
}
int depth = 0;

void report(const QString& detail) {
    std::fprintf(stderr, "kobusato: error: %s\n", detail.toUtf8().constData());
    try {
        tell(QCoreApplication::translate(
                 "platform::Guard", "エラーが発生しました。\n%1\n\nこの操作は取り消されました。"
                                    "ゲームはこのまま続けられます。")
                 .arg(detail),
             BoxIcon::Exclamation, kAppTitle);
    } catch (...) {
        // A box that itself fails must not take the program down.
    }
}

} // namespace

void setSnapshotHook(std::function<RestoreFn()> hook) {
    snapshotHook() = std::move(hook);
}
void setOutermostExitHook(std::function<void()> hook) {
    exitHook() = std::move(hook);
}
int guardDepth() {
    return depth;
}

void runGuarded(GameWindow* form, const std::function<void()>& fn) {
    QPointer<GameWindow> alive(form);
    RestoreFn restore = snapshotHook() ? snapshotHook()() : RestoreFn{};
    ++depth;
    bool failed = false;
    try {
        fn();
    } catch (const GameError& e) {
        failed = true;
        if (restore)
            restore();
        report(e.playerText());
    } catch (const std::exception& e) {
        failed = true;
        if (restore)
            restore();
        report(QCoreApplication::translate("platform::Guard", "予期しないエラー: %1")
                   .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        failed = true;
        if (restore)
            restore();
        report(QCoreApplication::translate("platform::Guard", "予期しないエラー"));
    }
    if (failed && alive && !alive->isUnloaded()) {
        try {
            alive->onError();
        } catch (...) {
            std::fprintf(stderr, "kobusato: error while recovering from an error\n");
        }
    }
    --depth;
    if (depth == 0 && exitHook())
        exitHook()();
}

} // namespace platform
