// The controls, the window builder, the registry and the message box, as the main window uses them.

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"

#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/geometrie.h"
#include "platform/qt/plan.h"
#include "platform/qt/police.h"

#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Genre;

namespace {

void doubleCliquer(QWidget* w, QPoint pos = QPoint(3, 3)) {
    QTest::mouseClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

// A secondary window that counts its creations and rebuilds.
class Essai final : public plateforme::FenetreSecondaire {
public:
    explicit Essai(int& creations) : FenetreSecondaire(u"Essai"_s, u"Fenêtre d'essai"_s, 50.0, 30.0, true) {
        ++creations;
    }
    void activer() override { ++activations; }
    int activations = 0;
};

class Autre final : public plateforme::FenetreSecondaire {
public:
    Autre() : FenetreSecondaire(u"Autre"_s, u"Autre"_s, 40.0, 20.0, false) {}
};

const Controle Table[] = {
    {Genre::Etiquette, u"Dessous"_s, u"dessous"_s, {2.0, 2.0, 20.0, 5.0}},
    {Genre::Etiquette, u"Dessus"_s, u"2"_s, {10.0, 2.0, 4.0, 5.0}, {6.0}},
    {Genre::Cadre, u"Cadre"_s, u"Un cadre"_s, {5.0, 10.0, 40.0, 30.0}},
    {Genre::Champ, u"Champ"_s, u"0"_s, {3.0, 4.0, 20.0, 5.6}, {9.0}, u"Cadre"_s},
    {Genre::Bouton, u"Bouton"_s, u"Appliquer"_s, {3.0, 12.0, 17.0, 7.0}, {8.25, false, true}, u"Cadre"_s},
};

// What a caption in that font draws on white: its dark pixels, the width they span, the shift to the
// right of the upper half of the letters over their lower half, and whether one row is dark across.
struct Encre {
    double points = 0.0; // pixels weighted by their darkness, 1 for black
    int largeur = 0;
    double pente = 0.0;
    bool soulignee = false;
};

Encre encre(const plateforme::Police& p, const QString& texte) {
    plateforme::Etiquette e;
    e.setWordWrap(false);
    e.setFont(plateforme::police(p));
    e.setText(texte);
    e.resize(e.sizeHint() + QSize(8, 8));
    QImage image(e.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    e.render(&image);
    QList<QPoint> noirs;
    QRect boite;
    double points = 0.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            points += (255 - qGray(image.pixel(x, y))) / 255.0;
            if (qGray(image.pixel(x, y)) < 128) {
                noirs << QPoint(x, y);
                boite |= QRect(x, y, 1, 1);
            }
        }
    }
    Encre r{.points = points, .largeur = boite.width()};
    double haut = 0.0, bas = 0.0;
    int nHaut = 0, nBas = 0;
    for (const QPoint& n : noirs) {
        (n.y() < boite.center().y() ? haut : bas) += n.x();
        ++(n.y() < boite.center().y() ? nHaut : nBas);
    }
    r.pente = nHaut > 0 && nBas > 0 ? haut / nHaut - bas / nBas : 0.0;
    for (int y = boite.top(); y <= boite.bottom(); ++y) {
        int n = 0;
        for (int x = boite.left(); x <= boite.right(); ++x) {
            n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        r.soulignee = r.soulignee || n >= boite.width() * 9 / 10;
    }
    return r;
}

} // namespace

Q_DECLARE_METATYPE(plateforme::Police)

Q_DECLARE_METATYPE(plateforme::Reponse)

class TestToolkit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    // Every caption is drawn in one family, in every style.
    void famille() {
        const QString f = plateforme::famillePolice();
        QVERIFY2(f == u"Tahoma"_s || f == u"DejaVu Sans"_s, qPrintable(f));
        for (const plateforme::Police& p :
             {plateforme::Police{}, plateforme::Police{8.25, true}, plateforme::Police{8.25, false, true},
              plateforme::Police{6.0, true}}) {
            QCOMPARE(QFontInfo(plateforme::police(p)).family(), f);
        }
    }

    // A bold caption draws clearly more ink per letter than the same text in the regular weight, and
    // about as wide: a bold Tahoma, not a wide sans of regular weight.
    void grasEpaissit_data() {
        QTest::addColumn<plateforme::Police>("grasse");
        QTest::addColumn<QString>("texte");
        QTest::newRow("8,25") << plateforme::Police{8.25, true} << u"ATTENTION : ce logiciel"_s;
        QTest::newRow("totaux") << plateforme::Police{8.25, true} << u"Sgy =  0  E 4  A Totale"_s;
        QTest::newRow("indices 6,75") << plateforme::Police{6.75, true} << u"Totale GYi"_s;
        QTest::newRow("E 6") << plateforme::Police{6.0, true} << u"E E E E"_s;
        QTest::newRow("titre 9") << plateforme::Police{9.0, true, false, true} << u"Comment utiliser"_s;
    }
    void grasEpaissit() {
        QFETCH(plateforme::Police, grasse);
        QFETCH(QString, texte);
        plateforme::Police normale = grasse;
        normale.gras = false;
        const Encre g = encre(grasse, texte), n = encre(normale, texte);
        const QString detail =
            u"ink %1 / %2, width %3 / %4 px"_s.arg(g.points).arg(n.points).arg(g.largeur).arg(n.largeur);
        QVERIFY2(g.points >= 1.3 * n.points, qPrintable(detail));
        QVERIFY2(g.largeur <= 1.06 * n.largeur, qPrintable(detail));
    }

    // Italic slants the letters, underlining draws a line under the whole caption.
    void italiqueEtSouligne() {
        const QString traits = u"Illll Illll"_s;
        QCOMPARE_GT(encre({8.25, false, true}, traits).pente, 0.5);
        QCOMPARE_LT(qAbs(encre({}, traits).pente), 0.5);
        QVERIFY(encre({8.25, false, false, true}, u"Remarque"_s).soulignee);
        QVERIFY(!encre({}, u"Remarque"_s).soulignee);
    }

    void etiquetteTransparenteTantQuePersonneNEcoute() {
        plateforme::Etiquette e;
        e.resize(60, 20);
        QVERIFY(e.testAttribute(Qt::WA_TransparentForMouseEvents));
        QSignalSpy clics(plateforme::Clic::de(&e), &plateforme::Clic::clicked);
        QVERIFY(!e.testAttribute(Qt::WA_TransparentForMouseEvents));
        QSignalSpy doubles(plateforme::Clic::de(&e), &plateforme::Clic::doubleClicked);
        QTest::mouseClick(&e, Qt::LeftButton);
        QCOMPARE(clics.size(), 1);
        QCOMPARE(doubles.size(), 0);
        doubleCliquer(&e);
        QCOMPARE(clics.size(), 2); // the click of the double-click, once
        QCOMPARE(doubles.size(), 1);
        QTest::mouseClick(&e, Qt::RightButton);
        QCOMPARE(clics.size(), 2);
        // A press inside released outside is no click.
        QTest::mousePress(&e, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&e, Qt::LeftButton, {}, QPoint(500, 5));
        QCOMPARE(clics.size(), 2);
    }

    void etiquetteCliquable() {
        plateforme::Etiquette e;
        e.setCliquable(true);
        QCOMPARE(e.cursor().shape(), Qt::UpArrowCursor);
        e.setCliquable(false);
        QCOMPARE(e.cursor().shape(), Qt::ArrowCursor);
    }

    void planPlaceEtEmpile() {
        QWidget fenetre;
        plateforme::Plan plan(&fenetre);
        plan.ajouter(Table);
        auto* dessous = plan.get<plateforme::Etiquette>(u"Dessous"_s);
        auto* dessus = plan.get<plateforme::Etiquette>(u"Dessus"_s);
        auto* champ = plan.get<QLineEdit>(u"Champ"_s);
        QCOMPARE(champ->objectName(), u"Champ"_s);
        QCOMPARE(plan.widget(u"Absent"_s), nullptr);
        QCOMPARE(dessous->geometry(), plateforme::rectangle({2.0, 2.0, 20.0, 5.0}));
        QCOMPARE(dessous->text(), u"dessous"_s);
        QCOMPARE(dessus->font().pointSizeF(), 6.0);
        // A control in a frame is placed from the frame's client area.
        QCOMPARE(champ->parentWidget(), plan.widget(u"Cadre"_s));
        QCOMPARE(champ->geometry(),
                 plateforme::rectangle({3.0, 4.0, 20.0, 5.6}).translated(plateforme::Cadre::origine()));
        QCOMPARE(champ->font().pointSizeF(), 9.0);
        QVERIFY(plan.get<plateforme::Bouton>(u"Bouton"_s)->font().italic());
        QCOMPARE(plan.get<QGroupBox>(u"Cadre"_s)->title(), u"Un cadre"_s);
        // 96 dpi offscreen: 3.7795 pixels a millimetre.
        QCOMPARE(plateforme::mm(10.0), 38);
        QCOMPARE(plateforme::mm(25.4), 96);

        // The later label lies on top; while nobody listens to it, the mouse reaches the one below.
        const QPoint commun = dessus->geometry().center();
        QSignalSpy clics(plateforme::Clic::de(dessous), &plateforme::Clic::clicked);
        QCOMPARE(fenetre.childAt(commun), dessous);
        QSignalSpy clicsDessus(plateforme::Clic::de(dessus), &plateforme::Clic::clicked);
        QCOMPARE(fenetre.childAt(commun), dessus);
    }

    // A row family is laid row by row, each row's controls in the order of its columns; %1 is the
    // row's number ("Dim%11" of row 10 is "Dim101"), or the row's own values, and a control whose
    // name comes out empty is not in that row.
    void familleDeLignes() {
        const auto lire = [](const plateforme::Famille& f) {
            QStringList l;
            for (const Controle& c : f.controles()) {
                l << c.nom + u' ' + c.texte + u' ' + QString::number(c.rect.haut) + u' ' + c.parent;
            }
            return l;
        };
        const plateforme::Colonne numerotees[] = {{u"Num%1"_s, u"%1"_s, 1.0, 0.0, 2.0, 4.2},
                                                  {u"Dim%11"_s, u"E"_s, 5.0, 0.5, 2.0, 2.1}};
        const QStringList rangees = lire({numerotees, 8.0, 4.0, 10, u"Cadre"_s});
        QCOMPARE(rangees.size(), 20);
        QCOMPARE(rangees.mid(0, 4), (QStringList{u"Num1 1 8 Cadre"_s, u"Dim11 E 8.5 Cadre"_s,
                                                 u"Num2 2 12 Cadre"_s, u"Dim21 E 12.5 Cadre"_s}));
        QCOMPARE(rangees.mid(18), (QStringList{u"Num10 10 44 Cadre"_s, u"Dim101 E 44.5 Cadre"_s}));
        QCOMPARE(plateforme::Famille{numerotees}.pas, 4.233);

        const plateforme::Colonne nommees[] = {{u"%1Texte"_s, u"%2"_s, 1.0, 0.0, 9.0, 4.2},
                                               {u"%3"_s, u"mm"_s, 11.0, 0.0, 3.0, 4.2}};
        const QStringList valeurs[] = {{u"Ip"_s, u"Ip ="_s, u"IpUnite"_s}, {u"Alpha"_s, u"alpha ="_s, {}}};
        QCOMPARE(lire({nommees, 2.0, 6.0, 2, {}, valeurs}),
                 (QStringList{u"IpTexte Ip = 2 "_s, u"IpUnite mm 2 "_s, u"AlphaTexte alpha = 8 "_s}));
    }

    void cadreDoubleClic() {
        plateforme::Cadre c;
        c.resize(100, 60);
        QSignalSpy doubles(plateforme::Clic::de(&c), &plateforme::Clic::doubleClicked);
        QTest::mouseClick(&c, Qt::LeftButton);
        QCOMPARE(doubles.size(), 0);
        doubleCliquer(&c);
        QCOMPARE(doubles.size(), 1);
    }

    void boutonCliqueAvantSonDoubleClic() {
        plateforme::Bouton b;
        b.resize(80, 25);
        QStringList ordre;
        connect(&b, &QPushButton::clicked, this, [&ordre] { ordre << u"clic"_s; });
        plateforme::surDoubleClic(&b, this, [&ordre] { ordre << u"double"_s; });
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(ordre, QStringList{u"clic"_s});
        ordre.clear();
        doubleCliquer(&b);
        QVERIFY(ordre.size() >= 2);
        QCOMPARE(ordre.last(), u"double"_s);
        QCOMPARE(ordre.count(u"double"_s), 1);
        QVERIFY(ordre.first() == u"clic"_s);
    }

    void optionChoisieAvantSonDoubleClic() {
        QWidget cadre;
        auto* a = new plateforme::BoutonOption(&cadre);
        auto* b = new plateforme::BoutonOption(&cadre);
        a->setGeometry(0, 0, 80, 20);
        b->setGeometry(0, 30, 80, 20);
        a->setChecked(true);
        bool choisieAuDoubleClic = false;
        plateforme::surDoubleClic(b, this, [&] { choisieAuDoubleClic = b->isChecked(); });
        doubleCliquer(b);
        QVERIFY(choisieAuDoubleClic);
        QVERIFY(!a->isChecked()); // one exclusive group per parent
    }

    void toupie() {
        plateforme::Toupie t;
        t.resize(16, 32);
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        QSignalSpy haut(&t, &plateforme::Toupie::spinUp);
        QSignalSpy bas(&t, &plateforme::Toupie::spinDown);
        auto* flecheHaut = t.findChild<QToolButton*>(u"haut"_s);
        auto* flecheBas = t.findChild<QToolButton*>(u"bas"_s);
        QVERIFY(flecheHaut != nullptr && flecheBas != nullptr);
        // Up in the upper half, down in the lower half.
        QCOMPARE(t.childAt(8, 4), flecheHaut);
        QCOMPARE(t.childAt(8, 28), flecheBas);
        QVERIFY(flecheHaut->autoRepeat());
        QTest::mouseClick(flecheHaut, Qt::LeftButton);
        QCOMPARE(haut.size(), 1);
        QCOMPARE(bas.size(), 0);
        QTest::mouseClick(flecheBas, Qt::LeftButton);
        QTest::mouseClick(flecheBas, Qt::LeftButton);
        QCOMPARE(bas.size(), 2);
        t.setFocus();
        QTest::keyClick(&t, Qt::Key_Up);
        QTest::keyClick(&t, Qt::Key_Down);
        QTest::keyClick(&t, Qt::Key_A);
        QCOMPARE(haut.size(), 2);
        QCOMPARE(bas.size(), 3);
    }

    void imageCliquable() {
        plateforme::Image i;
        i.resize(40, 40);
        i.setSource(u":/absent.svg"_s);
        QSignalSpy clics(plateforme::Clic::de(&i), &plateforme::Clic::clicked);
        QSignalSpy doubles(plateforme::Clic::de(&i), &plateforme::Clic::doubleClicked);
        QVERIFY(!i.grab().isNull()); // a missing file draws nothing and does not fail
        QTest::mouseClick(&i, Qt::LeftButton);
        doubleCliquer(&i);
        QCOMPARE(clics.size(), 2);
        QCOMPARE(doubles.size(), 1);
    }

    void registreCreeUneFoisPuisReutilise() {
        int creations = 0;
        plateforme::Registre registre;
        QCOMPARE(registre.trouver<Essai>(), nullptr);
        Essai& premiere = registre.ouvrir<Essai>(creations);
        QCOMPARE(creations, 1);
        QVERIFY(premiere.isVisible());
        QCOMPARE(premiere.objectName(), u"Essai"_s);
        QCOMPARE(premiere.windowTitle(), u"Fenêtre d'essai"_s);
        const int activationsApresPremiere = premiere.activations;
        QVERIFY(activationsApresPremiere >= 1);
        premiere.close();
        QVERIFY(!premiere.isVisible());
        Essai& seconde = registre.ouvrir<Essai>(creations);
        QCOMPARE(&seconde, &premiere);
        QCOMPARE(creations, 1);
        QVERIFY(seconde.isVisible());
        QVERIFY(seconde.activations > activationsApresPremiere); // rebuilt at each opening
        Autre& autre = registre.ouvrir<Autre>();
        QCOMPARE(registre.trouver<Autre>(), &autre);
        registre.fermerTout();
        QVERIFY(!seconde.isVisible());
        QVERIFY(!autre.isVisible());
    }

    void boiteDeMessage() {
        QWidget parent;
        QString titre, texte, texteBrut;
        QMessageBox::Icon icone = QMessageBox::Warning;
        qsizetype boutons = -1;
        bool okParDefaut = false;
        QTimer::singleShot(0, this, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (boite == nullptr) {
                return; // the checks below then fail
            }
            titre = boite->windowTitle();
            texte = boite->text();
            texteBrut = boite->property("texteBrut").toString();
            icone = boite->icon();
            boutons = boite->buttons().size();
            okParDefaut = boite->defaultButton() == boite->button(QMessageBox::Ok);
            boite->button(QMessageBox::Ok)->click();
        });
        plateforme::afficherMessage(&parent, u"Première ligne\r\nSeconde ligne"_s);
        QCOMPARE(titre, u"Brivane"_s);
        QCOMPARE(icone, QMessageBox::NoIcon);
        QCOMPARE(boutons, 1);
        QVERIFY(okParDefaut);
        QCOMPARE(texteBrut, u"Première ligne\r\nSeconde ligne"_s);
        QCOMPARE(texte.split(u'\n'), (QStringList{u"Première ligne"_s, u"Seconde ligne"_s}));
    }

    // The question's box: its buttons in French, "Enregistrer" the default; each button and Échap give
    // their answer.
    // A secondary window's first place on a 1600 x 1200 screen, beside a main window with a 30 px title.
    void placement() {
        for (const auto& [principale, taille, rang, attendu] :
             {std::tuple{QRect(100, 50, 800, 600), QSize(500, 400), 0, QPoint(900, 50)},   // right
              std::tuple{QRect(100, 50, 800, 600), QSize(500, 400), 1, QPoint(900, 80)},   // right, second
              std::tuple{QRect(700, 50, 800, 600), QSize(500, 400), 0, QPoint(200, 50)},   // left
              std::tuple{QRect(300, 50, 1000, 600), QSize(500, 400), 1, QPoint(360, 110)}, // cascaded
              std::tuple{QRect(300, 900, 1000, 300), QSize(500, 400), 0,
                         QPoint(330, 800)}, // kept on the screen
              std::tuple{QRect(0, 0, 1600, 1200), QSize(1700, 1300), 0, QPoint(0, 0)}}) {
            QCOMPARE(plateforme::placement({0, 0, 1600, 1200}, principale, 30, taille, rang), attendu);
        }
    }

    void question_data() {
        QTest::addColumn<int>("touche"); // 0: click the button
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<plateforme::Reponse>("reponse");
        QTest::newRow("Enregistrer") << 0 << u"Enregistrer"_s << plateforme::Reponse::Enregistrer;
        QTest::newRow("Ne pas enregistrer")
            << 0 << u"Ne pas enregistrer"_s << plateforme::Reponse::NePasEnregistrer;
        QTest::newRow("Annuler") << 0 << u"Annuler"_s << plateforme::Reponse::Annuler;
        QTest::newRow("Appliquer") << 0 << u"Appliquer"_s << plateforme::Reponse::Appliquer;
        QTest::newRow("Ignorer") << 0 << u"Ignorer"_s << plateforme::Reponse::Ignorer;
        QTest::newRow("Échap") << int(Qt::Key_Escape) << QString() << plateforme::Reponse::Annuler;
    }
    void question() {
        QFETCH(int, touche);
        QFETCH(QString, bouton);
        QFETCH(plateforme::Reponse, reponse);
        QStringList vu;
        QTimer::singleShot(0, this, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (boite == nullptr) {
                return;
            }
            vu << boite->windowTitle() << boite->text() << QString::number(boite->icon())
               << boite->defaultButton()->text();
            for (QAbstractButton* b : boite->buttons()) {
                if (b->text() == bouton) {
                    b->click();
                }
            }
            if (touche != 0) {
                QTest::keyClick(boite, Qt::Key(touche));
            }
        });
        const bool saisie = bouton == u"Appliquer"_s || bouton == u"Ignorer"_s; // typed values dropped
        QCOMPARE(saisie ? plateforme::demanderApplication(nullptr, u"Enregistrer ?"_s)
                        : plateforme::demanderEnregistrement(nullptr, u"Enregistrer ?"_s),
                 reponse);
        QCOMPARE(vu, (QStringList{u"Brivane"_s, u"Enregistrer ?"_s, u"0"_s,
                                  saisie ? u"Appliquer"_s : u"Enregistrer"_s}));
    }

    void boiteAttendue() {
        essai::BoiteAttendue boite;
        plateforme::afficherMessage(nullptr, u"Une seule ligne"_s);
        QVERIFY(boite.vue());
        QCOMPARE(boite.titre(), u"Brivane"_s);
        QCOMPARE(boite.texte(), u"Une seule ligne"_s);
    }

    void intercepteur() {
        {
            essai::Messages messages;
            plateforme::afficherMessage(nullptr, u"a\r\nb"_s);
            plateforme::afficherMessage(nullptr, u"c"_s);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QCOMPARE(messages.prendre(), (QStringList{u"a\r\nb"_s, u"c"_s}));
            QCOMPARE(messages.prendre(), QStringList());
        }
        // Once the interceptor is gone, the real box is back.
        essai::BoiteAttendue boite;
        plateforme::afficherMessage(nullptr, u"d"_s);
        QVERIFY(boite.vue());
    }
};

QTEST_MAIN(TestToolkit)
#include "test_toolkit.moc"
