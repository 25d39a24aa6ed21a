// The one place that asks the platform for the user's language.
#include <QLocale>

#include "language.h"

namespace circumvia::lang {

void LanguageFromLocale() {
    // The default locale is the system's unless a test sets another. "de_DE" gives "DE";
    // the C locale gives "C", which maps to English like any unknown name.
    const QString language = QLocale().name().section(u'_', 0, 0).toUpper();
    SetLanguageCode(LanguageFromAbbreviation(language.toStdString()));
}

}  // namespace circumvia::lang
