#include "platform/LanguageMenu.h"

#include "platform/Language.h"
#include "platform/RetranslatedMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace platform {
namespace {

// Keeps its check on the language shown, however that was chosen: a failed
// switch leaves it on the language that stayed.
class LanguageMenu : public RetranslatedMenu {
  public:
    explicit LanguageMenu(QWidget* parent)
        : RetranslatedMenu(QStringLiteral("言語 (&Language)"), parent) {
        setObjectName(QStringLiteral("language"));
        auto* group = new QActionGroup(this);
        group->setExclusive(true);
        japanese_ = addItem(group, QStringLiteral("日本語"), QStringLiteral("Japanese"));
        english_ = addItem(group, QStringLiteral("English"), QStringLiteral("English"));
        connect(japanese_, &QAction::triggered, this, [this] { choose(Language::Japanese); });
        connect(english_, &QAction::triggered, this, [this] { choose(Language::English); });
        showCurrent();
    }

  protected:
    void retranslate() override { showCurrent(); }

  private:
    QAction* addItem(QActionGroup* group, const QString& text, const QString& name) {
        QAction* a = addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        group->addAction(a);
        return a;
    }
    void choose(Language l) {
        chooseLanguage(l);
        showCurrent();
    }
    void showCurrent() {
        (currentLanguage() == Language::English ? english_ : japanese_)->setChecked(true);
    }

    QAction* japanese_;
    QAction* english_;
};

} // namespace

QMenu* addLanguageMenu(QMenuBar* bar) {
    auto* menu = new LanguageMenu(bar);
    bar->addMenu(menu);
    return menu;
}

} // namespace platform
