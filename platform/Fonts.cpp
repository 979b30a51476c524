#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {
namespace {

QString firstInstalled(const QStringList& candidates) {
    const QStringList families = QFontDatabase::families();
    for (const QString& c : candidates)
        if (families.contains(c, Qt::CaseInsensitive))
            return c;
    return candidates.isEmpty() ? QString() : candidates.last();
}

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPop = QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体");
const QString kTimes = QStringLiteral("Times New Roman");

QStringList candidatesFor(const QString& face) {
    if (face == kPGothic)
        return {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")};
    if (face == kGothic)
        return {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")};
    if (face == kPop)
        return {QStringLiteral("MotoyaLMaru"), QStringLiteral("IPAPGothic"),
                QStringLiteral("sans-serif")};
    if (face == kTimes)
        return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                QStringLiteral("serif")};
    return {face, QStringLiteral("IPAPGothic")};
}

} // namespace

QString installedFace(const QString& designFace) {
    return firstInstalled(candidatesFor(designFace));
}

QFont designFont(const QString& designFace, double points, bool bold) {
    QFont f(installedFace(designFace));
    f.setPointSizeF(points);
    // The pop face stands in with a rounded gothic that has no bold of its
    // own; emboldening keeps the heavy look of the design.
    f.setBold(bold || designFace == kPop);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont defaultFont() {
    return designFont(kPGothic, 9);
}

void installFontSubstitutions() {
    for (const QString& face : {kPGothic, kGothic, kPop, kTimes})
        QFont::insertSubstitution(face, installedFace(face));
}

} // namespace platform
