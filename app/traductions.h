#pragma once

class QCoreApplication;

namespace commande {

// Qt's own texts (the command line's help and errors, file dialogs, standard buttons, shortcut
// names) in the user's language: the translator "qtbase_" + locale from Qt's translations folder
// (Debian's qt6-translations-l10n), owned by `application`. Nothing when there is none for the
// locale (English, or the package missing): Qt then speaks English.
void installerTraductionsQt(QCoreApplication& application);

} // namespace commande
