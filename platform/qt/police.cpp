#include "platform/qt/police.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

QString& famille() {
    static QString nom;
    return nom;
}

} // namespace

void installerPolices() {
    static bool fait = false;
    if (fait) {
        return;
    }
    fait = true;
    // Only the regular file: the bold one of that package draws a wide sans of regular weight, while
    // Qt emboldens (and slants) the regular Tahoma itself when no such face is registered.
    const QString tahoma = u"/usr/share/wine/fonts/tahoma.ttf"_s;
    if (QFile::exists(tahoma)) {
        const QStringList familles =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(tahoma));
        if (!familles.isEmpty()) {
            famille() = familles.first();
        }
    }
    if (famille().isEmpty()) {
        famille() = u"DejaVu Sans"_s;
    }
}

QString famillePolice() {
    installerPolices();
    return famille();
}

QFont police(const Police& p) {
    installerPolices();
    QFont f(famille());
    f.setPointSizeF(p.points);
    f.setBold(p.gras);
    f.setItalic(p.italique);
    f.setUnderline(p.souligne);
    return f;
}

} // namespace plateforme
