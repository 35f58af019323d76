#pragma once

// What the window tests share: the French locale, the messages the program shows, and finding the
// controls by name as a user's tool would.

#include "platform/qt/message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace essai {

inline void localeFrancaise() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
inline void localeAnglaise() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Collects, in order, the text of every message the program shows while it lives; no box appears.
class Messages {
public:
    Messages() {
        plateforme::definirIntercepteur([this](const QString& texte) { m_textes.append(texte); });
    }
    ~Messages() { plateforme::definirIntercepteur({}); }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    // The messages shown since the last call, and forgets them.
    QStringList prendre() {
        QStringList t;
        t.swap(m_textes);
        return t;
    }
    qsizetype nombre() const { return m_textes.size(); }

private:
    QStringList m_textes;
};

// The lines of a message, joined as the program joins them.
inline QString lignes(const QStringList& l) {
    return l.join(QStringLiteral("\r\n"));
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

// Where a control's table places it: a label's box may have grown above that place to hold the tops
// of its glyphs, with its text kept there.
inline QRect place(const QWidget* w) {
    return w->geometry().adjusted(0, w->contentsMargins().top(), 0, 0);
}

inline QString texte(const QWidget* fenetre, const char* nom) {
    const auto* l = controle<QLabel>(fenetre, nom);
    return l != nullptr ? l->text() : QStringLiteral("<absent>");
}

} // namespace essai
