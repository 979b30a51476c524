#pragma once
// Small helpers the windows build their controls with.

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace platform {

// A label at a design position (twips).
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height);

// A straight line between two design points (twips), drawn in the window's
// text colour.
QWidget* makeLine(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2);

// A picture of the window's design, compiled into the program, in the
// language of the moment. When it is missing the control shows
// `fallbackText` (a source text of the context "platform::Pictures", marked
// with QT_TRANSLATE_NOOP) translated, so the window still reads right.
QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource,
                    const char* fallbackText, int left, int top, int width, int height);
// Loads every picture made by makePicture under `root` again, for the
// language of the moment.
void reloadPictures(QWidget* root);

// Whether the text of a label or button fits inside it in the face it is
// drawn in (a wrapping label: over as many lines as its height holds).
bool textFits(const QWidget* control);
// In English, draws each text under `root` that is wider than its control in
// a smaller face, as large as still fits; in Japanese every control has the
// face it was designed with. Controls marked with markNotTranslated keep
// their face in both.
void fitTexts(QWidget* root);
// Marks a control whose text is the game's own (the player's name, a number)
// rather than a translation: the same in both languages, so it keeps the face
// it was designed with.
void markNotTranslated(QWidget* control);

// A button that reports mouse presses with the button that was pressed
// (1 left, 2 right, 4 middle) and the shift state.
class MousePressButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;
  signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace platform
