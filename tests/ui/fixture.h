#pragma once

// What the window tests share, their one driver: the French locale, the messages the program shows,
// finding the controls by name as a user's tool would, typing, clicking, opening a window through its
// registry, reading a table's row and saving a picture of a window.

#include "platform/qt/message.h"

#include "platform/qt/fenetres.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <utility>

namespace essai {

inline void localeFrancaise() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
inline void localeAnglaise() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Collects, in order, the text of every message the program shows while it lives; no box appears.
// The questions asked are kept apart, each answered by the next answer given, else "Ne pas enregistrer"
// (the program then ends as it did before it asked anything).
class Messages {
public:
    Messages() {
        plateforme::definirIntercepteur([this](const QString& texte) { m_textes.append(texte); });
        plateforme::definirRepondeur([this](const QString& question) {
            m_questions.append(question);
            return m_reponses.isEmpty() ? plateforme::Reponse::NePasEnregistrer : m_reponses.takeFirst();
        });
    }
    ~Messages() {
        plateforme::definirIntercepteur({});
        plateforme::definirRepondeur({});
    }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    // The messages shown since the last call, and forgets them.
    QStringList prendre() {
        QStringList t;
        t.swap(m_textes);
        return t;
    }
    qsizetype nombre() const { return m_textes.size(); }
    // The answer to the next question.
    void repondre(plateforme::Reponse r) { m_reponses.append(r); }
    // The questions asked since the last call, and forgets them.
    QStringList questions() { return std::exchange(m_questions, {}); }

private:
    QStringList m_textes;
    QStringList m_questions;
    QList<plateforme::Reponse> m_reponses;
};

// The lines of a message, joined as the program joins them.
inline QString lignes(const QStringList& l) {
    return l.join(QStringLiteral("\r\n"));
}
inline QString lignes(std::initializer_list<QString> l) {
    return lignes(QStringList(l));
}

// For the tests that use the real box: arms a timer that, once the box is up, records its title and
// text as built and presses OK. A box that never comes fails the check of `vue()`. Given a window, it
// closes the box instead as a desktop may: the box's done() and that window's activation posted
// together, in the order asked, for one pass of the event loop.
class BoiteAttendue {
public:
    explicit BoiteAttendue(QWidget* activee = nullptr, bool activationDAbord = false)
        : m_activee(activee), m_activationDAbord(activationDAbord) {
        QTimer::singleShot(0, [this] { chercher(0); });
    }
    // On a desktop, as a user has it: the box takes the focus (a window manager may not give it to a
    // box that synthetic input opened), OK is pressed, then what the desktop sends for `attente` ms is
    // handled before the box's exec() returns, as on a loaded machine: the window manager's answer to
    // the closing, the owner's activation, comes inside exec() then, or after it when `attente` is 0.
    static std::unique_ptr<BoiteAttendue> surLeBureau(int attente) {
        auto b = std::make_unique<BoiteAttendue>();
        b->m_bureau = true;
        b->m_attente = attente;
        return b;
    }
    bool focalisee() const { return m_focalisee; }
    bool vue() const { return m_vue; }
    const QString& titre() const { return m_titre; }
    const QString& texte() const { return m_texte; }

private:
    void chercher(int essais) {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr) {
            if (essais < 200) {
                QTimer::singleShot(10, [this, essais] { chercher(essais + 1); });
            }
            return;
        }
        m_vue = true;
        m_titre = boite->windowTitle();
        m_texte = boite->property("texteBrut").toString();
        if (m_bureau) {
            boite->activateWindow();
            m_focalisee = QTest::qWaitFor(
                [boite] { return QGuiApplication::focusWindow() == boite->windowHandle(); }, 2000);
        }
        if (m_activee == nullptr) {
            boite->button(QMessageBox::Ok)->click();
            if (m_attente > 0) {
                QTest::qWait(m_attente);
            }
            return;
        }
        const auto activer = [this] {
            QCoreApplication::postEvent(m_activee, new QEvent(QEvent::WindowActivate));
        };
        if (m_activationDAbord) {
            activer();
        }
        QMetaObject::invokeMethod(boite, "done", Qt::QueuedConnection, Q_ARG(int, QMessageBox::Ok));
        if (!m_activationDAbord) {
            activer();
        }
    }
    QWidget* m_activee;
    bool m_activationDAbord;
    bool m_bureau = false;
    int m_attente = 0;
    bool m_focalisee = false;
    bool m_vue = false;
    QString m_titre;
    QString m_texte;
};

// The user comes to `fenetre` from another window of the program, as a desktop reports it: the focus
// goes to a window made for this, then to `fenetre`. False when either never got it.
[[nodiscard]] inline bool venirDUneAutreFenetre(QWidget* fenetre) {
    QWidget autre;
    autre.setObjectName(QStringLiteral("AutreFenetre"));
    autre.resize(80, 60);
    autre.show();
    autre.activateWindow();
    if (!QTest::qWaitForWindowActive(&autre)) {
        return false;
    }
    fenetre->activateWindow();
    return QTest::qWaitForWindowActive(fenetre);
}

template <class T = QWidget> T* controle(const QWidget* fenetre, const char* nom) {
    T* w = fenetre->findChild<T*>(QString::fromUtf8(nom));
    if (w == nullptr) {
        qWarning("no control named %s", nom);
    }
    return w;
}

// The control, or the test ends here: for the drivers that act on it at once.
template <class T = QWidget> T* exige(const QWidget* fenetre, const char* nom) {
    T* c = controle<T>(fenetre, nom);
    if (c == nullptr) {
        qFatal("missing control %s", nom);
    }
    return c;
}

// The top-level window of that name, shown or not (or only a shown one); null when there is none.
inline QWidget* fenetreNommee(const QString& nom, bool montreeSeulement = false) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nom && (!montreeSeulement || w->isVisible())) {
            return w;
        }
    }
    return nullptr;
}
inline QWidget* fenetreNommee(const char* nom, bool montreeSeulement = false) {
    return fenetreNommee(QString::fromUtf8(nom), montreeSeulement);
}

// Where a control's table places it: a label's box may have grown above that place to hold the tops
// of its glyphs, with its text kept there.
inline QRect place(const QWidget* w) {
    return w->geometry().adjusted(0, w->contentsMargins().top(), 0, 0);
}

inline QString texte(const QWidget* fenetre, const char* nom) {
    const auto* l = controle<QLabel>(fenetre, nom);
    return l != nullptr ? l->text() : QStringLiteral("<absent>");
}

template <class T = QWidget> T* controle(const QWidget* fenetre, const QString& nom) {
    return controle<T>(fenetre, nom.toUtf8().constData());
}
inline QString texte(const QWidget* fenetre, const QString& nom) {
    return texte(fenetre, nom.toUtf8().constData());
}

// A control's name from its row's pattern: nom("A%1Valeur", 3) is "A3Valeur"; a name without "%1"
// stays as it is.
inline QString nom(const QString& modele, int k) {
    return modele.contains(QStringLiteral("%1")) ? modele.arg(k) : modele;
}
inline QString nom(const char* modele, int k) {
    return nom(QString::fromUtf8(modele), k);
}

// Present and not hidden; an absent control is said and counts as hidden.
inline bool visible(const QWidget* fenetre, const char* nom) {
    const QWidget* c = controle(fenetre, nom);
    return c != nullptr && !c->isHidden();
}
inline bool visible(const QWidget* fenetre, const QString& nom) {
    return visible(fenetre, nom.toUtf8().constData());
}

// Clicks go to the window at the middle of the control, as the mouse does: the window finds the
// control there (the topmost visible one that listens), so hidden and covered controls get nothing.
// `dans` is a point of the control, its middle by default.
inline QPoint point(const QWidget* fenetre, const char* nom, QPoint dans = {}) {
    const QWidget* c = controle(fenetre, nom);
    return c->mapTo(fenetre, dans.isNull() ? c->rect().center() : dans);
}
inline void clic(const QWidget* fenetre, const char* nom, QPoint dans = {}) {
    QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, {}, point(fenetre, nom, dans));
}
// Press, release, press (taken as the double-click), release.
inline void doubleClic(const QWidget* fenetre, const char* nom, QPoint dans = {}) {
    QTest::mouseDClick(fenetre->windowHandle(), Qt::LeftButton, {}, point(fenetre, nom, dans));
}
// The click and the double-click given to the control itself, whatever lies over it.
inline void clicSur(const QWidget* fenetre, const QString& nom) {
    QTest::mouseClick(controle(fenetre, nom), Qt::LeftButton);
}
inline void doubleClicSur(const QWidget* fenetre, const QString& nom) {
    QTest::mouseDClick(controle(fenetre, nom), Qt::LeftButton);
}
inline void clicSur(const QWidget* fenetre, const char* nom) {
    clicSur(fenetre, QString::fromUtf8(nom));
}
inline void doubleClicSur(const QWidget* fenetre, const char* nom) {
    doubleClicSur(fenetre, QString::fromUtf8(nom));
}

// What a window explains of each named control, as a golden file holds it: the name and " :", then each
// message the gesture `doubleClic(nom)` shows, one a line ("-" for none), then a blank line.
template <class Geste> QString explications(Messages& m, const QStringList& noms, Geste doubleClic) {
    QString t;
    for (const QString& n : noms) {
        doubleClic(n);
        const QStringList vus = m.prendre();
        t += n + QStringLiteral(" :\n") + (vus.isEmpty() ? QStringLiteral("-") : vus.join(u'\n')) +
             QStringLiteral("\n\n");
    }
    return t;
}
// Its gestures given to the control itself, whatever lies over it.
inline auto doubleClicsSur(const QWidget* fenetre) {
    return [fenetre](const QString& n) { doubleClicSur(fenetre, n); };
}
inline auto clicsSur(const QWidget* fenetre) {
    return [fenetre](const QString& n) { clicSur(fenetre, n); };
}
// A click at the control's middle, as the mouse gives it to the window.
inline auto clicsDans(const QWidget* fenetre) {
    return [fenetre](const QString& n) { clic(fenetre, n.toUtf8().constData()); };
}
// The same by double-clicks at the controls' middles (or at `dans`) in `fenetre`, as the mouse gives them.
inline QString explications(Messages& m, const QWidget* fenetre, const QStringList& noms, QPoint dans = {}) {
    return explications(m, noms,
                        [&](const QString& n) { doubleClic(fenetre, n.toUtf8().constData(), dans); });
}

// Replaces the whole text of the box by typing, as a user who selects it all first.
inline void taper(QLineEdit* champ, const QString& texte) {
    champ->setFocus();
    champ->selectAll();
    QTest::keyClicks(champ, texte);
}

// Opens the window through the registry, as the main window's buttons do, and lets its activation
// and what it says after its rebuild arrive, as they do before a user can touch the window: a test
// must not see them come later.
template <class W, class... A> W& ouvrir(plateforme::Registre& registre, A&&... arguments) {
    W& w = registre.ouvrir<W>(std::forward<A>(arguments)...);
    if (!QTest::qWaitForWindowActive(&w)) {
        qFatal("%s never became active", qPrintable(w.objectName()));
    }
    QCoreApplication::processEvents();
    return w;
}

// One cell of a table's row as the user reads it: the mantissa, then " E" and the exponent when both
// are shown; "·" for a hidden mantissa; " ?" after it when only one of the E and the exponent is shown,
// or either beside a hidden mantissa.
// The names are patterns of the row number (`nom`).
struct Cellule {
    Cellule(const char* v, const char* lettreE = nullptr, const char* p = nullptr)
        : valeur(QString::fromUtf8(v)), e(lettreE != nullptr ? QString::fromUtf8(lettreE) : QString()),
          puissance(p != nullptr ? QString::fromUtf8(p) : QString()) {}
    Cellule(QString v, QString lettreE = {}, QString p = {})
        : valeur(std::move(v)), e(std::move(lettreE)), puissance(std::move(p)) {}
    QString valeur;
    QString e;
    QString puissance;
};
inline QString cellule(const QWidget* fenetre, const Cellule& c, int k = 0) {
    const bool v = visible(fenetre, nom(c.valeur, k));
    QString t = v ? texte(fenetre, nom(c.valeur, k)) : QStringLiteral("·");
    if (c.e.isEmpty()) {
        return t;
    }
    const bool e = visible(fenetre, nom(c.e, k));
    const bool p = visible(fenetre, nom(c.puissance, k));
    if (v && e && p) {
        t += QStringLiteral(" E") + texte(fenetre, nom(c.puissance, k));
    } else if (e || p) {
        t += QStringLiteral(" ?");
    }
    return t;
}
// Row k of a table, its cells joined by " | ": "1 | 200 E2 | 0".
inline QString rangee(const QWidget* fenetre, std::initializer_list<Cellule> cellules, int k = 0) {
    QStringList t;
    for (const Cellule& c : cellules) {
        t.append(cellule(fenetre, c, k));
    }
    return t.join(QStringLiteral(" | "));
}

// With BRIVANE_CAPTURES set to a folder, the window tests save what they open there as PNG, so that
// the pages can be looked at as a user sees them; the file is named after the window by default.
// False when the picture could not be saved.
inline bool capturer(QWidget* fenetre, const QString& fichier = {}) {
    const QString dossier = qEnvironmentVariable("BRIVANE_CAPTURES");
    if (dossier.isEmpty()) {
        return true;
    }
    QDir().mkpath(dossier);
    return fenetre->grab().save(
        dossier + QLatin1Char('/') +
        (fichier.isEmpty() ? fenetre->objectName() + QStringLiteral(".png") : fichier));
}

} // namespace essai
