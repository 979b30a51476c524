#include "platform/Controls.h"

#include "platform/Geometry.h"
#include "platform/KeyRouting.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace platform {
namespace {

class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, QPoint a, QPoint b) : QWidget(parent), a_(a), b_(b) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        p.drawLine(a_, b_);
    }

private:
    QPoint a_, b_;
};

} // namespace

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment align) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setAlignment(align);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    setGeometryTwips(l, left, top, width, height);
    return l;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    setGeometryTwips(b, left, top, width, height);
    return b;
}

QWidget* makeLine(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2) {
    const QRect box = QRect(QPoint(twipsToPx(std::min(x1, x2)), twipsToPx(std::min(y1, y2))),
                            QPoint(twipsToPx(std::max(x1, x2)), twipsToPx(std::max(y1, y2))));
    const QPoint a(twipsToPx(x1) - box.left(), twipsToPx(y1) - box.top());
    const QPoint b(twipsToPx(x2) - box.left(), twipsToPx(y2) - box.top());
    auto* w = new LineWidget(parent, a, b);
    w->setObjectName(name);
    w->setGeometry(box.adjusted(0, 0, 1, 1));
    return w;
}

QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource,
                    const QString& fallbackText, int left, int top, int width, int height) {
    auto* l = makeLabel(parent, name, QString(), left, top, width, height,
                        Qt::AlignLeft | Qt::AlignVCenter);
    // The picture drawn for the screen's density: a "@2x" file beside the
    // resource serves screens of twice the density, and a picture drawn for
    // its pixel size stays legible where a larger one shrunk would blur.
    const QIcon pictures(resource);
    const QPixmap pm =
        pictures.isNull() ? QPixmap() : pictures.pixmap(l->size(), l->devicePixelRatioF());
    if (pm.isNull()) {
        l->setText(fallbackText);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    } else {
        l->setPixmap(pm);
        l->setScaledContents(true);
    }
    l->setAccessibleName(fallbackText);
    return l;
}

void MousePressButton::mousePressEvent(QMouseEvent* e) {
    int button = 0;
    switch (e->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    if (button)
        emit mousePressed(button, vbShift(e->modifiers()));
    // No click action: a press changes nothing else about the button.
    e->accept();
}

} // namespace platform
