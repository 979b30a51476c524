#include "platform/SettingsMenu.h"

#include "platform/PlayerSettings.h"
#include "platform/RetranslatedMenu.h"
#include "platform/Services.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Applied to the music device at once and remembered.
void chooseMusic(const MusicChoice& choice) {
    midi().setVolume(deviceVolume(choice));
    rememberMusic(choice);
}

// Shows the remembered choices: the size checked is the one chosen, which
// may not yet be the size this run started with.
class SettingsMenu : public RetranslatedMenu {
  public:
    explicit SettingsMenu(QWidget* parent)
        : RetranslatedMenu(QStringLiteral("設定 (&Settings)"), parent) {
        setObjectName(QStringLiteral("settings"));
        music_ = addAction(QString());
        music_->setObjectName(QStringLiteral("MusicOn"));
        music_->setCheckable(true);
        connect(music_, &QAction::triggered, this, [this](bool on) {
            MusicChoice c = rememberedMusic();
            c.on = on;
            chooseMusic(c);
            showCurrent();
        });

        volume_ = addMenu(QString());
        volume_->setObjectName(QStringLiteral("volume"));
        auto* volumes = new QActionGroup(this);
        for (const int step : kVolumeSteps) {
            QAction* a = volume_->addAction(QStringLiteral("%1 %").arg(step));
            a->setObjectName(QStringLiteral("Volume%1").arg(step));
            a->setCheckable(true);
            volumes->addAction(a);
            volumeItems_.emplace_back(step, a);
            connect(a, &QAction::triggered, this, [this, step] {
                // Choosing a volume is asking to hear it.
                chooseMusic(MusicChoice{true, step});
                showCurrent();
            });
        }

        size_ = addMenu(QString());
        size_->setObjectName(QStringLiteral("size"));
        auto* sizes = new QActionGroup(this);
        for (const GameSize s : {GameSize::Desktop, GameSize::Percent100, GameSize::Percent150,
                                 GameSize::Percent200}) {
            QAction* a = size_->addAction(QString());
            a->setObjectName(s == GameSize::Desktop ? QStringLiteral("SizeDesktop")
                                                    : QStringLiteral("Size%1").arg(int(s)));
            a->setCheckable(true);
            sizes->addAction(a);
            sizeItems_.emplace_back(s, a);
            connect(a, &QAction::triggered, this, [this, s] {
                chooseGameSize(s);
                showCurrent();
            });
        }
        size_->addSeparator();
        sizeNote_ = size_->addAction(QString());
        sizeNote_->setObjectName(QStringLiteral("SizeNote"));
        sizeNote_->setEnabled(false);
        retranslate();
        showCurrent();
    }

  private:
    void retranslate() override {
        music_->setText(QCoreApplication::translate("platform::SettingsMenu", "音楽を鳴らす(&M)"));
        volume_->setTitle(QCoreApplication::translate("platform::SettingsMenu", "音量(&V)"));
        size_->setTitle(QCoreApplication::translate("platform::SettingsMenu", "画面の大きさ(&Z)"));
        for (const auto& [s, a] : sizeItems_)
            a->setText(s == GameSize::Desktop
                           ? QCoreApplication::translate("platform::SettingsMenu",
                                                         "デスクトップに合わせる(&D)")
                           : QStringLiteral("%1 %").arg(int(s)));
        sizeNote_->setText(QCoreApplication::translate("platform::SettingsMenu",
                                                       "大きさは次に起動したときから変わります"));
    }
    void showCurrent() {
        const MusicChoice m = rememberedMusic();
        music_->setChecked(m.on);
        for (const auto& [step, a] : volumeItems_)
            a->setChecked(step == m.volume);
        const GameSize size = rememberedGameSize();
        for (const auto& [s, a] : sizeItems_)
            a->setChecked(s == size);
    }

    QAction* music_;
    QMenu* volume_;
    QMenu* size_;
    QAction* sizeNote_;
    std::vector<std::pair<int, QAction*>> volumeItems_;
    std::vector<std::pair<GameSize, QAction*>> sizeItems_;
};

} // namespace

QMenu* addSettingsMenu(QMenuBar* bar) {
    auto* menu = new SettingsMenu(bar);
    bar->addMenu(menu);
    return menu;
}

} // namespace platform
