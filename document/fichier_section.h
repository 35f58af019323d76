#pragma once

// The section file: UTF-8 JSON, extension ".brivane", media type application/x-brivane-section.
//
//   {"format": "brivane-section", "version": 1, "unite": "mm",
//    "elements": [{"forme": "Rectangle", "dimension1": 70, "dimension2": 70, "zg": 35, "yg": 35,
//                  "matiere": "plein"}, ...]}
//
// Optional keys beside "elements": "profil", the rolled profile the section was built from (« IPE 200 »),
// and "masseVolumique", the density of its material in kg/m³.
//
// Reading is one transaction: the whole text is checked, the elements captured and the totals
// computed before anything is handed back; a file that fails anywhere gives its one message and no
// section. Writing goes through a temporary file renamed at the end, so a crash or a full disk never
// leaves a half-written file. QtCore only.

#include "model/document.h"
#include "model/section.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace document {

inline constexpr QStringView Extension = u".brivane";
inline constexpr QStringView TypeMedia = u"application/x-brivane-section";
// The largest file read, in bytes (1 Mio).
inline constexpr qint64 TailleMaximale = 1024 * 1024;

struct Lecture {
    // The section read: its NbrElement elements captured, element 1 current, the shape list on
    // element 1's shape, the other elements zero rectangles, its totals computed. Empty when the file
    // is refused.
    std::optional<modele::Section> section;
    // The profile and the density the file names (the defaults when it names none).
    modele::Document document;
    // The total area came out negative: the caller warns as after "Appliquer".
    bool aireNegative = false;
    // When refused: « Le fichier NOM ne peut pas être ouvert : RAISON. »
    QString message;
};

// Reads the file at `chemin`.
Lecture ouvrir(const QString& chemin);

// Reads `contenu` as the text of a file named `nom` (the name only, for the message).
Lecture lire(const QByteArray& contenu, const QString& nom);

// The text of the file for elements 1 to NbrElement of `section`.
QByteArray ecrire(const modele::Section& section, const modele::Document& document = {});

// Writes the file at `chemin`. Empty when it worked, else
// « Le fichier NOM ne peut pas être enregistré : RAISON. » with the system's reason.
std::optional<QString> enregistrer(const QString& chemin, const modele::Section& section,
                                   const modele::Document& document = {});

// Writes `contenu` at `chemin`, whole or not at all: refused before anything is written when `chemin`
// is a folder or not a regular file (a pipe, a device, a link to one), or is the section file `source`
// that an export comes from (empty for the section file itself); then every write checked, the data
// synced to the disk and the temporary file renamed over `chemin`, which keeps its permissions. On any
// failure the previous file is untouched. Empty when it worked, else
// « Le fichier NOM ne peut pas être enregistré : RAISON. »
std::optional<QString> enregistrerFichier(const QString& chemin, const QByteArray& contenu,
                                          const QString& source = {});
// The same with whatever `ecrire` puts on the device it is given (false when it could not).
std::optional<QString> enregistrerFichier(const QString& chemin,
                                          const std::function<bool(QIODevice&)>& ecrire,
                                          const QString& source = {});

// The reason a system error number gives, in French for those a user meets (a full disk), else the
// system's words.
QString raisonSysteme(int numero);

// « Le fichier NOM ne peut pas être enregistré : RAISON. », NOM the last part of `chemin`, RAISON without
// its final full stop.
QString messageEnregistrement(const QString& chemin, QString raison);

} // namespace document
