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

// A picture of the window's design, compiled into the program. When it is
// missing the control shows `fallbackText`, so the window still reads right.
QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource,
                    const QString& fallbackText, int left, int top, int width, int height);

// A button that reports mouse presses with the button that was pressed
// (1 left, 2 right, 4 middle) and the shift state.
class MousePressButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
signals:
    void mousePressed(int button, int shift);

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace platform
