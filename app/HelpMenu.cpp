#include "app/HelpMenu.h"

#include "app/CommandLine.h"
#include "app/HelpWindow.h"
#include "platform/Guard.h"
#include "platform/MessageBox.h"
#include "platform/RetranslatedMenu.h"
#include "platform/Windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace kobu {
namespace {

class HelpMenu : public platform::RetranslatedMenu {
  public:
    explicit HelpMenu(QWidget* parent)
        : platform::RetranslatedMenu(QStringLiteral("ヘルプ (&Help)"), parent) {
        setObjectName(QStringLiteral("help"));
        howToPlay_ = addAction(QString());
        howToPlay_->setObjectName(QStringLiteral("howToPlay"));
        howToPlay_->setShortcut(QKeySequence(Qt::Key_F1));
        about_ = addAction(QString());
        about_->setObjectName(QStringLiteral("about"));
        connect(howToPlay_, &QAction::triggered, this, [] {
            platform::runGuarded(nullptr, [] { platform::Windows::instance().show<HelpWindow>(); });
        });
        connect(about_, &QAction::triggered, this,
                [] { platform::runGuarded(nullptr, [] { showAbout(); }); });
        retranslate();
    }

  private:
    void retranslate() override {
        howToPlay_->setText(QCoreApplication::translate("kobu::HelpMenu", "遊び方(&H)"));
        about_->setText(QCoreApplication::translate("kobu::HelpMenu", "Kobusato について(&A)"));
    }

    QAction* howToPlay_;
    QAction* about_;
};

} // namespace

QMenu* addHelpMenu(QMenuBar* bar) {
    auto* menu = new HelpMenu(bar);
    bar->addMenu(menu);
    return menu;
}

void showAbout() {
    // Kept whole: a text split across lines reads badly in the .ts.
    // clang-format off
    static const char* const kParagraphs[] = {
        QT_TRANSLATE_NOOP("kobu::HelpMenu", "一人で遊ぶ、小さな格闘トーナメントのゲームです。"),
        QT_TRANSLATE_NOOP("kobu::HelpMenu", "GNU 一般公衆利用許諾書のバージョン3、またはそれ以降のバージョン（GPL-3.0-or-later）のもとで配布されるフリーソフトウェアです。"),
        QT_TRANSLATE_NOOP("kobu::HelpMenu", "プログラム、データ、音楽、絵など、このゲームのすべてはこのゲームのために作られました。"),
    };
    // clang-format on
    QString text = QCoreApplication::translate("kobu::HelpMenu", "Kobusato バージョン %1")
                       .arg(QString::fromLatin1(programVersion()));
    for (const char* p : kParagraphs)
        text += QStringLiteral("\n\n") + QCoreApplication::translate("kobu::HelpMenu", p);
    platform::tell(text, platform::BoxIcon::Information,
                   QCoreApplication::translate("kobu::HelpMenu", "Kobusato について"));
}

} // namespace kobu
