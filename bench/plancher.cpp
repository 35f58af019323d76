// The same-content floor of the start-up: the main window re-created as plain Qt widgets from the
// window's own tables (the controls with their texts, places and fonts, the shape list, the sketch
// shown, the menu bar with its menus and shortcuts), with the same Tahoma and Qt's translations; shown,
// then quit once painted. What the program pays beyond this is the price of its own machinery.

#include "bench/apres_peinture.h"
#include "model/catalogue.h"
#include "ui/commun/croquis.h"
#include "ui/main/plan_donnee.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSvgWidget>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <cmath>

using namespace Qt::StringLiterals;
using plateforme::Genre;

namespace {

double pixelsParMm() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return (ecran != nullptr ? ecran->logicalDotsPerInchX() : 96.0) / 25.4;
}

int mm(double v) {
    return static_cast<int>(std::lround(v * pixelsParMm()));
}

QRect pixels(const plateforme::RectMm& r) {
    return {mm(r.gauche), mm(r.haut), mm(r.gauche + r.largeur) - mm(r.gauche),
            mm(r.haut + r.hauteur) - mm(r.haut)};
}

QFont police(const QString& famille, const plateforme::Police& p) {
    QFont f(famille);
    f.setPointSizeF(p.points);
    f.setBold(p.gras);
    f.setItalic(p.italique);
    f.setUnderline(p.souligne);
    return f;
}

// Two arrows one above the other, as the window's counters.
QWidget* fleches(QWidget* parent, const QRect& r) {
    auto* w = new QWidget(parent);
    w->setGeometry(r);
    auto* haut = new QToolButton(w);
    haut->setArrowType(Qt::UpArrow);
    haut->setGeometry(0, 0, r.width(), r.height() / 2);
    auto* bas = new QToolButton(w);
    bas->setArrowType(Qt::DownArrow);
    bas->setGeometry(0, r.height() / 2, r.width(), r.height() - r.height() / 2);
    return w;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Brivane"_s);
    QTranslator traducteur;
    if (traducteur.load(QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traducteur);
    }
    QString famille = u"DejaVu Sans"_s;
    if (const QString tahoma = u"/usr/share/wine/fonts/tahoma.ttf"_s; QFile::exists(tahoma)) {
        const QStringList f =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(tahoma));
        if (!f.isEmpty()) {
            famille = f.first();
        }
    }

    QWidget fenetre;
    fenetre.setWindowTitle(u"Brivane des sections - Données"_s);
    fenetre.setWindowIcon(QIcon(u":/icone.svg"_s));
    fenetre.setFont(police(famille, {}));
    auto* zone = new QWidget(&fenetre);
    zone->setFixedSize(mm(donnee::LargeurFenetre), mm(donnee::HauteurFenetre));
    auto* colonne = new QVBoxLayout(&fenetre);
    colonne->setContentsMargins({});
    colonne->addWidget(zone);

    const QPoint origineCadre(mm(0.5), mm(2.6));
    const QString styleCadre =
        u"QGroupBox { border: 1px solid #a0a0a0; border-radius: 0px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0px 2px; }"_s;
    QStringList croquisCaches;
    for (std::size_t i = 1; i < Croquis.size(); ++i) {
        croquisCaches.append(Croquis[i].image.toString());
    }
    QHash<QString, QWidget*> controles;
    for (const plateforme::Controle& c : donnee::plan()) {
        QWidget* parent = c.parent.isEmpty() ? zone : controles.value(c.parent);
        QRect r = pixels(c.rect);
        if (qobject_cast<QGroupBox*>(parent) != nullptr) {
            r.translate(origineCadre);
        }
        QWidget* w = nullptr;
        switch (c.genre) {
        case Genre::Etiquette: {
            auto* l = new QLabel(c.texte, parent);
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        case Genre::Champ:
            w = new QLineEdit(c.texte, parent);
            break;
        case Genre::Liste: {
            auto* l = new QListWidget(parent);
            for (const modele::FormeCatalogue& forme : modele::Catalogue) {
                l->addItem(QString::fromUtf8(forme.nom));
            }
            l->setCurrentRow(0);
            w = l;
            break;
        }
        case Genre::Option: {
            auto* o = new QRadioButton(c.texte, parent);
            o->setChecked(c.nom == u"ButtonAdditionner"_s);
            w = o;
            break;
        }
        case Genre::Bouton:
            w = new QPushButton(c.texte, parent);
            break;
        case Genre::Cadre: {
            auto* g = new QGroupBox(c.texte, parent);
            g->setStyleSheet(styleCadre);
            w = g;
            break;
        }
        case Genre::Image: {
            // The sketches of the other shapes are hidden until chosen: only the icon and the
            // rectangle's sketch are read and drawn.
            auto* svg = new QSvgWidget(parent);
            if (croquisCaches.contains(c.nom)) {
                svg->hide();
            } else {
                svg->load(c.texte);
            }
            w = svg;
            break;
        }
        case Genre::Toupie:
            w = fleches(parent, r);
            break;
        }
        w->setObjectName(c.nom);
        w->setFont(police(famille, c.police));
        w->setGeometry(r);
        controles.insert(c.nom, w);
    }

    // A result of 0 shows no "E" and no power.
    for (const donnee::LigneResultat& l : donnee::lignesResultats()) {
        controles.value(l.e.toString())->hide();
        controles.value(l.puissance.toString())->hide();
    }

    auto* barre = new QMenuBar(&fenetre);
    for (const donnee::Menu& m : donnee::menus()) {
        QMenu* menu = barre->addMenu(m.texte.toString());
        for (const donnee::EntreeMenu& e : m.entrees) {
            if (e.nom.isEmpty()) {
                menu->addSeparator();
            } else if (e.sousMenu) {
                menu->addMenu(e.texte.toString());
            } else {
                menu->addAction(e.texte.toString())->setShortcut(QKeySequence(e.raccourci.toString()));
            }
        }
    }
    colonne->setMenuBar(barre);
    fenetre.setFixedSize(zone->width(), zone->height() + barre->sizeHint().height());

    ApresPeinture guetteur;
    fenetre.installEventFilter(&guetteur);
    fenetre.show();
    return QApplication::exec();
}
