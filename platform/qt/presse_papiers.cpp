#include "platform/qt/presse_papiers.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace plateforme {

namespace {

// A text field lets the window's copy key through when it has nothing selected: it would copy
// nothing, and the user asks for the table.
class ChampSansSelection final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const auto* champ = qobject_cast<const QLineEdit*>(objet);
        auto* touche = static_cast<QKeyEvent*>(e);
        if (champ == nullptr || !touche->matches(QKeySequence::Copy) || champ->hasSelectedText()) {
            return false;
        }
        touche->ignore();
        return true;
    }
};

QString cellule(QString texte) {
    return texte.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

QString texteTabule(const Tableau& tableau) {
    QString texte;
    for (const QStringList& rangee : tableau) {
        QStringList cellules;
        for (const QString& c : rangee) {
            cellules.append(cellule(c));
        }
        texte += cellules.join(u'\t') + u'\n';
    }
    return texte;
}

QString texteHtml(const Tableau& tableau) {
    QString html = u"<table>"_s;
    for (qsizetype i = 0; i < tableau.size(); ++i) {
        const QString balise = i == 0 ? u"th"_s : u"td"_s;
        html += u"<tr>"_s;
        for (const QString& c : tableau.at(i)) {
            html += u'<' + balise + u'>' + c.toHtmlEscaped() + u"</"_s + balise + u'>';
        }
        html += u"</tr>"_s;
    }
    return html + u"</table>"_s;
}

QMimeData* donneesTableau(const Tableau& tableau) {
    auto* donnees = new QMimeData;
    donnees->setText(texteTabule(tableau));
    donnees->setHtml(texteHtml(tableau));
    return donnees;
}

void copierTableau(const Tableau& tableau) {
    QGuiApplication::clipboard()->setMimeData(donneesTableau(tableau));
}

void rendreCopiable(QWidget* fenetre, std::function<Tableau()> tableau) {
    const auto copier = [tableau = std::move(tableau)] { copierTableau(tableau()); };
    auto* raccourci = new QShortcut(QKeySequence::Copy, fenetre);
    raccourci->setContext(Qt::WindowShortcut);
    QObject::connect(raccourci, &QShortcut::activated, fenetre, copier);
    cederCopieSansSelection(fenetre);
    fenetre->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(fenetre, &QWidget::customContextMenuRequested, fenetre, [fenetre, copier](QPoint ou) {
        auto* menu = new QMenu(fenetre);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(menu->addAction(u"Copier"_s), &QAction::triggered, fenetre, copier);
        menu->popup(fenetre->mapToGlobal(ou));
    });
}

void cederCopieSansSelection(QWidget* fenetre) {
    auto* filtre = new ChampSansSelection(fenetre);
    for (QLineEdit* champ : fenetre->findChildren<QLineEdit*>()) {
        champ->installEventFilter(filtre);
    }
}

} // namespace plateforme
