#include "platform/qt/police.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
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
    for (const QString& fichier :
         {u"/usr/share/wine/fonts/tahoma.ttf"_s, u"/usr/share/wine/fonts/tahomabd.ttf"_s}) {
        if (QFile::exists(fichier)) {
            const int id = QFontDatabase::addApplicationFont(fichier);
            const QStringList familles = QFontDatabase::applicationFontFamilies(id);
            if (!familles.isEmpty() && famille().isEmpty()) {
                famille() = familles.first();
            }
        }
    }
    if (famille().isEmpty()) {
        famille() = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
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
