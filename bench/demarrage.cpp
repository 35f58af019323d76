// The program started as its own entry starts it, for the start-up benchmark: the same application,
// Qt's translations, fonts, section, registry and main window, shown; it quits once the main window has been
// painted.

#include "app/traductions.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/police.h"
#include "ui/main/fenetre_donnee.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// Quits the application after the first paint of the window it watches. The quit is queued: the
// children are painted in the same pass as the window, so the whole first frame is done by then.
class ApresPeinture final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Paint && !m_vue) {
            m_vue = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(objet, e);
    }

private:
    bool m_vue = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Brivane"_s);
    commande::installerTraductionsQt(application);
    plateforme::installerPolices();

    Section section;
    plateforme::Registre fenetres;
    FenetreDonnee fenetre(section, fenetres);
    ApresPeinture guetteur;
    fenetre.installEventFilter(&guetteur);
    fenetre.show();
    return QApplication::exec();
}
