#include "platform/Controls.h"

#include "platform/Geometry.h"
#include "platform/KeyRouting.h"
#include "platform/Language.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStyle>
#include <algorithm>

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

namespace {

const char* const kPictureProperty = "kobusatoPicture";
const char* const kPictureTextProperty = "kobusatoPictureText";
const char* const kDesignFontProperty = "kobusatoDesignFont";
const char* const kFontWasSetProperty = "kobusatoFontWasSet";
const char* const kNotTranslatedProperty = "kobusatoNotTranslated";

void loadPicture(QLabel* l) {
    const QString resource = l->property(kPictureProperty).toString();
    const QByteArray source = l->property(kPictureTextProperty).toByteArray();
    const QString fallbackText =
        QCoreApplication::translate("platform::Pictures", source.constData());
    // The picture drawn for the screen's density: a "@2x" file beside the
    // resource serves screens of twice the density, and a picture drawn for
    // its pixel size stays legible where a larger one shrunk would blur.
    const QIcon pictures(localizedPicture(resource));
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
}

} // namespace

QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource,
                    const char* fallbackText, int left, int top, int width, int height) {
    auto* l = makeLabel(parent, name, QString(), left, top, width, height,
                        Qt::AlignLeft | Qt::AlignVCenter);
    l->setProperty(kPictureProperty, resource);
    l->setProperty(kPictureTextProperty, QByteArray(fallbackText));
    loadPicture(l);
    return l;
}

void reloadPictures(QWidget* root) {
    for (QLabel* l : root->findChildren<QLabel*>())
        if (l->property(kPictureProperty).isValid())
            loadPicture(l);
}

bool textFits(const QWidget* control) {
    const QFontMetricsF fm(control->font());
    if (const auto* b = qobject_cast<const QAbstractButton*>(control)) {
        if (b->text().isEmpty())
            return true;
        const QStyle* style = b->style();
        const qreal room = b->width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) -
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        const QString text = QString(b->text()).remove(QLatin1Char('&'));
        qreal widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        return widest <= room &&
               fm.height() * text.count(QLatin1Char('\n')) + fm.height() <= b->height();
    }
    if (const auto* l = qobject_cast<const QLabel*>(control)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return true;
        const QRectF room = l->contentsRect();
        const int flags = (l->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs;
        // Laid out in a box as tall as it needs: too wide a word shows as a
        // wider box, too many lines as a taller one.
        const QRectF need = fm.boundingRect(QRectF(0, 0, room.width(), 1e6), flags, l->text());
        return need.width() <= room.width() + 0.5 && need.height() <= room.height() + 0.5;
    }
    return true;
}

void fitTexts(QWidget* root) {
    const bool english = currentLanguage() == Language::English;
    QList<QWidget*> controls;
    for (QLabel* l : root->findChildren<QLabel*>())
        controls.append(l);
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        controls.append(b);
    for (QWidget* w : controls) {
        if (w->property(kDesignFontProperty).isValid()) {
            // Back to the design's face before measuring again.
            if (w->property(kFontWasSetProperty).toBool())
                w->setFont(w->property(kDesignFontProperty).value<QFont>());
            else
                w->setFont(QFont());
        }
        if (!english || w->property(kNotTranslatedProperty).toBool() || textFits(w))
            continue;
        if (!w->property(kDesignFontProperty).isValid()) {
            w->setProperty(kDesignFontProperty, w->font());
            w->setProperty(kFontWasSetProperty, w->testAttribute(Qt::WA_SetFont));
        }
        QFont f = w->font();
        // Half a point at a time, down to what can still be read.
        for (qreal size = f.pointSizeF() - 0.5; size >= 6.0; size -= 0.5) {
            f.setPointSizeF(size);
            w->setFont(f);
            if (textFits(w))
                break;
        }
    }
}

void markNotTranslated(QWidget* control) {
    control->setProperty(kNotTranslatedProperty, true);
}

void MousePressButton::mousePressEvent(QMouseEvent* e) {
    const Qt::MouseButton button = e->button();
    if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
        emit mousePressed(button, e->modifiers());
    // No click action: a press changes nothing else about the button.
    e->accept();
}

} // namespace platform
