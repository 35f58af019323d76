#include "app/traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace commande {

void installerTraductionsQt(QCoreApplication& application) {
    auto* traducteur = new QTranslator(&application);
    if (traducteur->load(QLocale(), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traducteur);
    } else {
        delete traducteur;
    }
}

} // namespace commande
