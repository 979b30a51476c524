#include "app/MainWindow.h"

#include "app/HelpMenu.h"
#include "app/NewGame.h"
#include "platform/GameWindow.h"
#include "platform/Guard.h"
#include "platform/LanguageMenu.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/SettingsMenu.h"
#include "state/GameState.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>

using namespace platform;

namespace kobu {
namespace {
MainWindow* theFrame = nullptr;
}

MainWindow::MainWindow() {
    theFrame = this;
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Kobusato"));
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("MDIClient"));
    // The workspace colour of the desktop theme, as a frame of child windows has.
    area_->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(area_);
    Windows::instance().setMdiArea(area_);

    file_ = menuBar()->addMenu(QString());
    file_->setObjectName(QStringLiteral("file"));
    new_ = file_->addAction(QString());
    new_->setObjectName(QStringLiteral("New"));
    new_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    story_ = file_->addAction(QString());
    story_->setObjectName(QStringLiteral("Story"));
    QAction* sen = file_->addSeparator();
    sen->setObjectName(QStringLiteral("Sen"));
    exit_ = file_->addAction(QString());
    exit_->setObjectName(QStringLiteral("Exit"));
    exit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addLanguageMenu(menuBar());
    addSettingsMenu(menuBar());
    addHelpMenu(menuBar());
    retranslate();

    connect(new_, &QAction::triggered, this,
            [this] { runGuarded(nullptr, [this] { onNewGame(); }); });
    connect(story_, &QAction::triggered, this,
            [this] { runGuarded(nullptr, [this] { onStory(); }); });
    connect(exit_, &QAction::triggered, this,
            [this] { runGuarded(nullptr, [this] { onExit(); }); });
    // The frame opens maximized. Un-maximized it takes a moderate size in
    // the middle of the screen, and the client area scrolls to a window that
    // lies beyond it.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    resize(1024, 720);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        // Enough for the town menu and the status window side by side and
        // for the ending, where the screen allows.
        const QSize size(std::min(room.width(), std::max(800, room.width() * 3 / 4)),
                         std::min(room.height(), std::max(600, room.height() * 3 / 4)));
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, room));
    }
}

MainWindow::~MainWindow() {
    if (theFrame == this)
        theFrame = nullptr;
    if (Windows::instance().mdiArea() == area_)
        Windows::instance().setMdiArea(nullptr);
}

MainWindow* MainWindow::instance() {
    return theFrame;
}

void MainWindow::retranslate() {
    file_->setTitle(tr("ファイル(&F)"));
    new_->setText(tr("新規ゲーム(&N)"));
    story_->setText(tr("すと～り～(&S)"));
    exit_->setText(tr("終了(&X)"));
}

void MainWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(e);
}

void MainWindow::onExit() {
    if (ask(tr("終了してよろしいですか？"), BoxIcon::Question, tr("おわっちゃうの？")))
        EndProcess();
}

bool MainWindow::confirmClose(CloseReason reason) {
    if (reason != CloseReason::User)
        return true;
    if (ask(tr("終了しますか？"), BoxIcon::None, tr("終了しますか？")))
        EndProcess();
    return false;
}

void MainWindow::closeEvent(QCloseEvent* e) {
    const CloseReason reason = e->spontaneous() ? CloseReason::User : CloseReason::Program;
    bool mayClose = true;
    runGuarded(nullptr, [&] { mayClose = confirmClose(reason); });
    if (!mayClose) {
        e->ignore();
        return;
    }
    // Nothing is saved on the way out, as with Exit.
    EndProcess();
}

void closeAllChildWindows() {
    Windows& forms = Windows::instance();
    // A closing window may open another (the shop reopens when its purchase
    // windows close): keep closing until none is left. The bound only stops a
    // window that reopens itself forever.
    for (int guard = 0; forms.count() > 0 && guard < 1000; ++guard)
        forms.close(forms.at(0));
}

void MainWindow::onNewGame() {
    newGame();
}

void MainWindow::onStory() {
    // Translated as each box opens: a switch of language between two boxes
    // shows the rest of the story in the new one.
    static const char* const texts[] = {
        QT_TR_NOOP("ある日、相当な金をつぎ込んで組み立てたパソコンを破壊してしまった男がいた。"),
        QT_TR_NOOP("新しいパソコンを組み立てようとしたが金がない"),
        QT_TR_NOOP("そんな時に、賞金50000Gという武道大会が開かれる"),
        QT_TR_NOOP("男は金を手に入れるべく武道大会会場へ向かう･････"),
    };
    for (int i = 0; i < 4; ++i) {
        tell(tr(texts[i]), BoxIcon::None, tr("このげ～むのすと～りぃ"));
        if (i < 3) {
            pauseFor(1000);
            processPendingEvents();
        }
    }
}

} // namespace kobu
