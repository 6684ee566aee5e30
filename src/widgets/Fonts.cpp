#include "widgets/Fonts.h"

#include <QStringList>

namespace isobra {

namespace {

QFont Make(const QString& family, int pixelSize) {
    QFont font(family);
    font.setFamilies(QStringList{family, QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

QFont GothicFont(int pixelSize) { return Make(QStringLiteral("IPAGothic"), pixelSize); }

QFont MinchoFont(int pixelSize) { return Make(QStringLiteral("IPAMincho"), pixelSize); }

}  // namespace isobra
