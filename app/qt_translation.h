// Qt's own texts (the context menus of the text fields, the buttons of
// message boxes) in the user's language, from the qtbase translations
// installed with Qt (Debian: qt6-translations-l10n).
#pragma once

class QCoreApplication;
class QLocale;

namespace velmora {

// Installs Qt's translation for the language of `locale` on `app`, in place
// of one installed before. Where Qt has none for it (or the translations are
// not installed), Qt's texts stay English. Returns whether one was installed.
bool installQtTranslation(QCoreApplication& app, const QLocale& locale);

} // namespace velmora
