// In-process timings of the windows, offscreen: each figure is the median of many repetitions, each
// measured from the user's action to the end of the repaint it causes.
// Output: one line per figure, "figure<TAB>value<TAB>target<TAB>met".

#include "platform/qt/fenetres.h"
#include "document/fichier_section.h"
#include "model/calcul.h"
#include "model/section.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/police.h"
#include "torsion/torsion.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/contraintes.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/fenetre_donnee.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// Repetitions of each figure: 101 unless given as the first argument.
int Repetitions = 101;

// Counts every paint of every widget of the application.
class Peintures final : public QObject {
public:
    int nombre = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++nombre;
        }
        return QObject::eventFilter(objet, e);
    }
};

Peintures* peintures = nullptr;

// Runs the event loop until `fait` holds (two seconds at most), then once more so that the repaint
// the last events asked for is done too.
void attendre(const std::function<bool()>& fait) {
    QElapsedTimer limite;
    limite.start();
    while (!fait() && limite.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Runs the event loop until a widget has been painted.
void attendrePeinture(int avant) {
    attendre([avant] { return peintures->nombre > avant; });
}

// Everything the event loop has pending, until nothing is left.
void vider() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void activer(QWidget& w) {
    w.activateWindow();
    attendre([&w] { return w.isActiveWindow(); });
}

struct Resultat {
    double mediane = 0.0;  // µs
    double premiere = 0.0; // µs, the first repetition
};

// `repetitions` runs of `mesure`, each preceded by `preparer` (not timed).
Resultat mesurer(const std::function<void()>& preparer, const std::function<void()>& mesure,
                 int repetitions = Repetitions) {
    std::vector<double> durees;
    for (int i = 0; i < repetitions; ++i) {
        preparer();
        QElapsedTimer t;
        t.start();
        mesure();
        durees.push_back(static_cast<double>(t.nsecsElapsed()) / 1000.0);
    }
    const double premiere = durees.front();
    std::sort(durees.begin(), durees.end());
    return {durees[durees.size() / 2], premiere};
}

// One line of the table; `limite` is the target in microseconds, 0 for a figure without one.
void afficher(const char* figure, double microsecondes, double limite = 0.0) {
    char valeur[32];
    if (microsecondes >= 1000.0) {
        std::snprintf(valeur, sizeof valeur, "%.2f ms", microsecondes / 1000.0);
    } else {
        std::snprintf(valeur, sizeof valeur, "%.0f us", microsecondes);
    }
    char cible[32] = "";
    if (limite >= 1000.0) {
        std::snprintf(cible, sizeof cible, "< %.0f ms", limite / 1000.0);
    } else if (limite > 0.0) {
        std::snprintf(cible, sizeof cible, "< %.0f us", limite);
    }
    std::printf("%s\t%s\t%s\t%s\n", figure, valeur, cible,
                limite <= 0.0            ? ""
                : microsecondes < limite ? "yes"
                                         : "no");
    std::fflush(stdout);
}

template <class T> T* controle(const QWidget* fenetre, const QString& nom) {
    T* w = fenetre->findChild<T*>(nom);
    if (w == nullptr) {
        std::fprintf(stderr, "no control %s in %s\n", qPrintable(nom), qPrintable(fenetre->objectName()));
        std::exit(1);
    }
    return w;
}

// A digit typed, then erased: each keystroke is one repetition, up to the repaint it causes; `preparer`
// runs before each, untimed.
Resultat frappes(
    QLineEdit* champ, const std::function<void()>& preparer = [] {}) {
    bool effacer = false;
    return mesurer(preparer, [&] {
        const int avant = peintures->nombre;
        QTest::keyClick(champ, effacer ? Qt::Key_Backspace : Qt::Key_5);
        attendrePeinture(avant);
        effacer = !effacer;
    });
}

// Ten elements typed in the main window as a user types them: shape, dimensions, centre, "Appliquer",
// then the count and the current element one up.
void saisirDixElements(FenetreDonnee& fenetre) {
    auto* liste = controle<QListWidget>(&fenetre, u"ListeForme"_s);
    auto* compte = controle<plateforme::Toupie>(&fenetre, u"SpinButton1"_s);
    auto* element = controle<plateforme::Toupie>(&fenetre, u"SpinButton2"_s);
    auto* appliquer = controle<plateforme::Bouton>(&fenetre, u"BouttonAppliquer"_s);
    for (int k = 1; k <= 10; ++k) {
        if (k > 1) {
            Q_EMIT compte->spinUp();
            Q_EMIT element->spinUp();
        }
        liste->setCurrentRow((k - 1) % liste->count());
        controle<QLineEdit>(&fenetre, u"DimSection1"_s)->setText(QString::number(20 + k));
        controle<QLineEdit>(&fenetre, u"DimSection2"_s)->setText(QString::number(40 + k));
        controle<QLineEdit>(&fenetre, u"ZG"_s)->setText(plateforme::texteNombre(10.5 * k));
        controle<QLineEdit>(&fenetre, u"YG"_s)->setText(plateforme::texteNombre(-3.25 * k));
        appliquer->click();
    }
    vider();
}

// Opens a window in a fresh registry each time, from the active main window, up to its first paint
// and its activation.
template <class W>
Resultat ouvertures(QWidget& principale, const std::function<W&(plateforme::Registre&)>& ouvrir) {
    std::unique_ptr<plateforme::Registre> registre;
    return mesurer(
        [&] {
            registre = std::make_unique<plateforme::Registre>();
            activer(principale);
        },
        [&] {
            const int avant = peintures->nombre;
            W& w = ouvrir(*registre);
            attendre([&] { return peintures->nombre > avant && w.isActiveWindow(); });
        });
}

} // namespace

// The offscreen platform's notes (it raises no window) would drown the table: only failures are shown.
void messages(QtMsgType type, const QMessageLogContext&, const QString& texte) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(texte));
    }
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(messages);
    QApplication application(argc, argv);
    if (argc > 1) {
        Repetitions = std::max(1, std::atoi(argv[1]));
    }
    QApplication::setApplicationName(u"Brivane"_s);
    std::setlocale(LC_NUMERIC, "C"); // the table's figures with a point, whatever the environment
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    plateforme::installerPolices();
    Peintures compteur;
    peintures = &compteur;
    application.installEventFilter(&compteur);

    Section section;
    plateforme::Registre fenetres;
    FenetreDonnee principale(section, fenetres);
    principale.show();
    activer(principale);
    saisirDixElements(principale);
    if (section.NbrElement != 10) {
        std::fprintf(stderr, "the main window holds %d elements, not 10\n", int{section.NbrElement});
        return 1;
    }

    auto* dimension = controle<QLineEdit>(&principale, u"DimSection1"_s);
    afficher("Keystroke in DimSection1", frappes(dimension).mediane, 1000.0);

    // The same while the preview's torsion is computed on its worker thread, as after a change with the
    // preview open: the IPE 200 with a 150 x 10 plate on its top flange (10 elements, one part).
    const document::Lecture ipe = document::ouvrir(u"examples/ipe200.brivane"_s);
    if (!ipe.section) {
        std::fprintf(stderr, "examples/ipe200.brivane: not read\n");
        return 1;
    }
    Section plat = *ipe.section;
    plat.NbrElement = 10;
    plat.element(10) = MemoriseDonnees("Rectangle", 150, 10, 0, 105, true);
    Calcul(plat);
    QFuture<torsion::Torsion> torsion;
    const Resultat pendant = frappes(dimension, [&] {
        torsion.waitForFinished();
        torsion = QtConcurrent::run([&plat] { return torsion::calculerTorsion(plat); });
    });
    torsion.waitForFinished();
    afficher("Keystroke in DimSection1 while a torsion is computed", pendant.mediane, 16000.0);

    // "Appliquer" on the tenth element, its base changed in between so that every total changes.
    auto* appliquer = controle<plateforme::Bouton>(&principale, u"BouttonAppliquer"_s);
    int base = 30;
    const Resultat application10 = mesurer(
        [&] {
            dimension->setText(QString::number(++base));
            vider();
        },
        [&] {
            const int avant = peintures->nombre;
            QTest::mouseClick(appliquer, Qt::LeftButton);
            attendrePeinture(avant);
        });
    afficher("\"Appliquer\", 10 elements, with the results panel", application10.mediane, 1000.0);

    const Section dix = section;
    const Resultat ouvertureIGY =
        ouvertures<DetailIGY>(principale, [&](plateforme::Registre& r) -> DetailIGY& {
            return r.ouvrir<DetailIGY>(std::as_const(dix));
        });
    afficher("DetailIGY, 10 elements: first opening in the process", ouvertureIGY.premiere);
    afficher("DetailIGY, 10 elements: opening", ouvertureIGY.mediane, 5000.0);

    plateforme::Registre registre;
    auto& detail = registre.ouvrir<DetailIGY>(std::as_const(dix));
    activer(detail);
    const Resultat reactivation = mesurer([&] { activer(principale); }, [&] { activer(detail); });
    afficher("DetailIGY, 10 elements: re-activation", reactivation.mediane, 2000.0);
    const Resultat reouverture = mesurer([&] { activer(principale); },
                                         [&] {
                                             registre.ouvrir<DetailIGY>(std::as_const(dix));
                                             attendre([&] { return detail.isActiveWindow(); });
                                         });
    afficher("DetailIGY, 10 elements: re-opening from its button", reouverture.mediane);

    activer(detail);
    afficher("Keystroke in the Zo box of DetailIGY", frappes(detail.findChild<QLineEdit*>()).mediane, 1000.0);

    // The preview: its figures, the drawing laid out (the labels placed) and painted.
    const Resultat apercu =
        ouvertures<ApercuSection>(principale, [&](plateforme::Registre& r) -> ApercuSection& {
            return r.ouvrir<ApercuSection>(std::as_const(dix));
        });
    afficher("ApercuSection, 10 elements: opening", apercu.mediane, 50000.0);

    const Resultat aide =
        ouvertures<Aide>(principale, [](plateforme::Registre& r) -> Aide& { return r.ouvrir<Aide>(r); });
    afficher("Aide: opening", aide.mediane);

    // The stresses window on the ten elements of bench/dix_elements.brivane (the typed ones overlap, and
    // an incoherent section gets no stresses): a keystroke in Mz, the study and the drawing repainted.
    if (!principale.ouvrirFichier(u"bench/dix_elements.brivane"_s)) {
        std::fprintf(stderr, "bench/dix_elements.brivane cannot be opened (run from the source folder)\n");
        return 1;
    }
    principale.ouvrirContraintes();
    QWidget* contraintes = fenetres.trouver<::Contraintes>();
    activer(*contraintes);
    auto* mz = controle<QLineEdit>(contraintes, u"MomentMz"_s);
    mz->setText(u"1"_s);
    vider();
    if (controle<QLabel>(contraintes, u"SigmaMaxValeur"_s)->text().isEmpty()) {
        std::fprintf(stderr, "the stresses window shows no stresses\n");
        return 1;
    }
    afficher("Keystroke in Mz of Contraintes, 10 elements, with the drawing", frappes(mz).mediane, 16000.0);
    return 0;
}
