#pragma once

class QCoreApplication;

namespace faktorlupe {

// Qt's own texts, those of its file dialog, its message boxes' buttons and its text boxes'
// context menus, in German where the user's locale is German, as the programs' own texts
// always are; elsewhere Qt's English stays. They come from Qt's translations (Debian's
// qt6-translations-l10n); without them Qt's English stays too.
void translateQtsOwnTexts(QCoreApplication& application);

} // namespace faktorlupe
