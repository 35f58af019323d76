#pragma once

// The sketch of each catalogue shape, the same drawing in the main window and in the zoom window: the
// name of its picture control and its file among the program's resources.

#include "model/catalogue.h"

#include <QStringView>
#include <array>

struct CroquisForme {
    QStringView image;   // the picture control, e.g. "ImageDDH"
    QStringView fichier; // e.g. ":/formes/ddh.svg"
};

// In catalogue order.
inline constexpr std::array<CroquisForme, modele::Catalogue.size()> Croquis{{
    {u"ImageRectangle", u":/formes/rectangle.svg"},
    {u"ImageTriangle", u":/formes/triangle.svg"},
    {u"ImageDisque", u":/formes/disque.svg"},
    {u"ImageDDH", u":/formes/ddh.svg"},
    {u"ImageDDB", u":/formes/ddb.svg"},
    {u"ImageDDD", u":/formes/ddd.svg"},
    {u"ImageDDG", u":/formes/ddg.svg"},
    {u"ImageQDHG", u":/formes/qdhg.svg"},
    {u"ImageQDHD", u":/formes/qdhd.svg"},
    {u"ImageQDBG", u":/formes/qdbg.svg"},
    {u"ImageQDBD", u":/formes/qdbd.svg"},
}};

// The sketch of that catalogue entry.
inline const CroquisForme& croquis(const modele::FormeCatalogue& forme) {
    return Croquis[static_cast<std::size_t>(&forme - modele::Catalogue.data())];
}
