#include "ui/aux/zoom_forme.h"

ZoomForme::ZoomForme(const Section& /*section*/)
    : plateforme::FenetreSecondaire(QStringLiteral("ZoomForme"), QStringLiteral("Zoom des données à saisir"),
                                    80.0, 60.0, true) {}
