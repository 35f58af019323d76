// In-process timings of the calculation note for the 10-element section, offscreen: the HTML text
// (the drawing as SVG included) and the PDF painted into memory, each the median of many repetitions,
// and the torsion the note computes.
// Output: one line per figure, "figure<TAB>value<TAB>target<TAB>met".

#include "rapport/note.h"
#include "document/fichier_section.h"
#include "torsion/torsion.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The median time of `fois` runs of `etape`, in milliseconds.
double mediane(int fois, const std::function<void()>& etape) {
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer t;
        t.start();
        etape();
        durees.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(durees.begin(), durees.begin() + fois / 2, durees.end());
    return durees[static_cast<std::size_t>(fois / 2)];
}

void ligne(const char* figure, double ms, double limite) {
    std::printf("%s\t%.1f ms\t< %.0f ms\t%s\n", figure, ms, limite, ms < limite ? "yes" : "no");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // the table's figures with a point, whatever the environment
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const char* chemin = argc > 1 ? argv[1] : "bench/dix_elements.brivane";
    const document::Lecture lecture = document::ouvrir(QString::fromLocal8Bit(chemin));
    if (!lecture.section || lecture.section->NbrElement != 10) {
        std::fprintf(stderr, "%s is not a 10-element section\n", chemin);
        return 1;
    }
    const modele::Section& s = *lecture.section;
    const QDate jour = QDate::currentDate();
    qsizetype taille = 0;
    const double html =
        mediane(51, [&] { taille += rapport::noteHtml(s, QStringLiteral("dix.brivane"), jour).size(); });
    const double pdf = mediane(21, [&] {
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        {
            QPdfWriter ecrivain(&tampon);
            ecrivain.setResolution(1200);
            rapport::imprimerNote(ecrivain, s, QStringLiteral("dix.brivane"), jour);
        }
        taille += tampon.size();
    });
    if (taille == 0) {
        std::fprintf(stderr, "the note came out empty\n");
        return 1;
    }
    // The note computes the torsion by finite elements (the section is in two parts): its own time, and the
    // note's without it, to which the target applies.
    const double torsion =
        mediane(51, [&] { taille += static_cast<qsizetype>(torsion::calculerTorsion(s).elements()); });
    std::printf("Torsion of the 10-element section, in the note\t%.1f ms\t\t\n", torsion);
    std::printf("Calculation note as HTML, 10 elements, torsion included\t%.1f ms\t\t\n", html);
    ligne("Calculation note as HTML, 10 elements, less its torsion", html - torsion, 50.0);
    ligne("Calculation note as PDF, 10 elements", pdf, 300.0);
    return 0;
}
