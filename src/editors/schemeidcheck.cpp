#include "schemeidcheck.h"

#include "dialogs.h"
#include "schemefile.h"

#include <QCoreApplication>

namespace SchemeIdCheck {

bool accept(QWidget *parent, const QString &id)
{
    QString reason;
    if (SchemeFile::isValidSchemeId(id, &reason))
        return true;
    Dialogs::critical(parent, QCoreApplication::translate("SchemeIdCheck", "Błąd"),
                      QCoreApplication::translate("SchemeIdCheck", "Nieprawidłowe ID schematu „%1”: %2.")
                          .arg(id, reason));
    return false;
}

} // namespace SchemeIdCheck
