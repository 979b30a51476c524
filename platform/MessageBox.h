#pragma once
// The game's message boxes: the style flags it combines, the request they
// decode into, and the modal box that shows it.

#include <QString>
#include <memory>
#include <optional>

namespace platform {

// Style values combine as the game's boxes are described: buttons + icon +
// default button.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};
enum MsgAnswer : int { vbOK = 1, vbYes = 6, vbNo = 7 };

enum class BoxButtons { OK, YesNo };
enum class BoxIcon { None, Question, Information, Exclamation };

struct BoxRequest {
    QString text;
    QString title;
    BoxButtons buttons = BoxButtons::OK;
    BoxIcon icon = BoxIcon::None;
    MsgAnswer defaultButton = vbOK;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const BoxRequest& request) = 0;
};

// The application title that a box without a title of its own shows.
inline const QString kAppTitle = QStringLiteral("Kobusato");

// A modal box. Without a title the application title is used; an empty title
// stays empty.
MsgAnswer MsgBox(const QString& text, int style = vbOKOnly,
                 const std::optional<QString>& title = std::nullopt);
BoxRequest makeRequest(const QString& text, int style, const std::optional<QString>& title);

// The real box, a modal QMessageBox.
std::unique_ptr<MessageBoxes> makeRealMessageBoxes();

} // namespace platform
