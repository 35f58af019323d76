#include "platform/qt/mise_en_page.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace plateforme {

namespace {

// The line height the layout tables were made for: 1.2 times the size of the letters.
int lignesDeLaBoite(const QLabel* l) {
    const double ligne = 1.2 * QFontInfo(l->font()).pixelSize();
    return std::max(1, static_cast<int>(l->height() / ligne));
}

int lignesDuTexte(const QString& texte, const QFont& police, double largeur) {
    QTextLayout mise(texte, police);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    mise.setTextOption(option);
    mise.beginLayout();
    int n = 0;
    for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
        ligne.setLineWidth(largeur);
        ++n;
    }
    mise.endLayout();
    return n;
}

// The width a one-line caption draws on, the overhang of its last letter included.
int largeurSurUneLigne(const QString& texte, const QFont& police) {
    const QFontMetricsF fm(police);
    return static_cast<int>(
        std::ceil(std::max(fm.horizontalAdvance(texte), fm.tightBoundingRect(texte).right())));
}

bool tient(const QLabel* l, const QFont& police, int lignes) {
    if (lignes == 1) {
        return largeurSurUneLigne(l->text(), police) <= l->width();
    }
    return lignesDuTexte(l->text(), police, l->width()) <= lignes;
}

} // namespace

void ajusterLegendes(QWidget* fenetre) {
    for (QLabel* l : fenetre->findChildren<QLabel*>()) {
        const int lignes = lignesDeLaBoite(l);
        l->setWordWrap(lignes > 1);
        if (lignes == 1) {
            const int place = l->parentWidget()->width() - l->x();
            const int largeur = largeurSurUneLigne(l->text(), l->font());
            if (largeur > l->width()) {
                l->resize(std::max(l->width(), std::min(largeur, place)), l->height());
            }
        }
        QFont police = l->font();
        for (int serrage = 99; !tient(l, police, lignes) && serrage >= 94; --serrage) {
            police.setLetterSpacing(QFont::PercentageSpacing, serrage);
        }
        if (tient(l, police, lignes)) {
            l->setFont(police);
        }
    }
}

void incruster(const Plan& plan, std::span<const Incrustation> incrustations) {
    for (const Incrustation& i : incrustations) {
        auto* dessus = plan.get<QLabel>(i.dessus);
        const auto* dessous = plan.get<QLabel>(i.dessous);
        const QString& texte = dessous->text();
        Q_ASSERT_X(texte.startsWith(i.avant), "incruster", qPrintable(i.dessous));

        const QFontMetricsF fm(dessous->font());
        double x = fm.horizontalAdvance(i.avant);
        if (i.place == Incrustation::Place::AuCentre) {
            qsizetype fin = i.avant.size();
            while (fin < texte.size() && texte.at(fin) == QLatin1Char(' ')) {
                ++fin;
            }
            const double blanc = fm.horizontalAdvance(texte.left(fin)) - x;
            x += (blanc - QFontMetricsF(dessus->font()).horizontalAdvance(dessus->text())) / 2.0;
        }
        dessus->move(dessous->x() + static_cast<int>(std::ceil(x)), dessus->y());
    }
}

} // namespace plateforme
