#include "platform/MessageBox.h"

#include "platform/Announce.h"
#include "platform/Services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <algorithm>

namespace platform {
namespace {

// A box with Yes and No has no third answer: Esc and the window manager's
// close button would make one up, so both are refused and the player answers
// with a button. A box with OK alone closes on Esc and Enter.
class GameMessageBox : public QMessageBox {
  public:
    GameMessageBox(QWidget* parent, bool yesNo) : QMessageBox(parent), yesNo_(yesNo) {}

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (yesNo_ && e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (yesNo_) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }

  private:
    bool yesNo_;
};

// The toolkit sizes a box for its title in its own child-window font and
// margin; a window manager's frame adds an icon and two or three buttons and
// often a bold face, and cuts the title short. Room for the whole title: its
// width in the bold title font and a fixed allowance for the frame.
int widthForTitle(const QString& title) {
    if (title.trimmed().isEmpty())
        return 0;
    QFont f = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    f.setBold(true);
    const QFontMetrics bold(f);
    const QFontMetrics app(QApplication::font());
    constexpr int kFrameAllowance = 130;
    return std::max(bold.horizontalAdvance(title), app.horizontalAdvance(title)) + kFrameAllowance;
}

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Exclamation:
        return QMessageBox::Warning;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class RealMessageBoxes : public MessageBoxes {
  public:
    Answer show(const BoxRequest& r) override {
        const bool yesNo = r.buttons == BoxButtons::YesNo;
        GameMessageBox box(QApplication::activeWindow(), yesNo);
        box.setText(r.text);
        // Orca 48 reads a box's description as its text, and otherwise only sometimes finds
        // the text's label. What the game said just before the box comes first, as it was
        // shown first.
        box.setAccessibleDescription(joinAnnouncements({takeGatheredAnnouncements(), r.text}));
        // An empty title would be replaced by the program's name on its way
        // to the window system; a blank keeps the title bar empty.
        box.setWindowTitle(r.title.isEmpty() ? QStringLiteral(" ") : r.title);
        box.setIcon(qtIcon(r.icon));
        QAbstractButton* yes = nullptr;
        if (yesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(r.defaultAnswer == Answer::No ? QMessageBox::No
                                                               : QMessageBox::Yes);
            yes = box.button(QMessageBox::Yes);
            // No close button in the title bar. Some window managers draw one
            // whatever the hints say (openbox does); its request is refused.
            box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
        }
        // The button row spans the box, so its minimum widens the whole box.
        if (auto* row = box.findChild<QDialogButtonBox*>()) {
            int margins = 0;
            if (QLayout* l = box.layout())
                margins = l->contentsMargins().left() + l->contentsMargins().right();
            row->setMinimumWidth(std::max(0, widthForTitle(r.title) - margins));
        }
        box.exec();
        if (!yesNo)
            return Answer::Ok;
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
};

} // namespace

std::unique_ptr<MessageBoxes> makeRealMessageBoxes() {
    return std::make_unique<RealMessageBoxes>();
}

void tell(const QString& text, BoxIcon icon, const std::optional<QString>& title) {
    boxes().show({text, title.value_or(kAppTitle), BoxButtons::OK, icon, Answer::Ok});
}

bool ask(const QString& text, BoxIcon icon, const std::optional<QString>& title,
         Answer defaultAnswer) {
    return boxes().show({text, title.value_or(kAppTitle), BoxButtons::YesNo, icon,
                         defaultAnswer}) == Answer::Yes;
}

} // namespace platform
