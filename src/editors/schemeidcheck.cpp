#include "schemeidcheck.h"

#include "dialogs.h"
#include "schemefile.h"

#include <QCoreApplication>

namespace SchemeIdCheck {

bool accept(QWidget *parent, const QString &id)
{
    if (SchemeFile::isValidSchemeId(id))
        return true;
    Dialogs::critical(parent, QCoreApplication::translate("SchemeIdCheck", "Błąd"),
                      QCoreApplication::translate(
                          "SchemeIdCheck",
                          "ID schematu „%1” nie może być nazwą pliku definicji schematu. ID nie może być puste, "
                          "zawierać znaków / \\ : * ? \" < > |, znaków sterujących ani „..”, kończyć się spacją "
                          "ani kropką, ani być nazwą zastrzeżoną (project, deviceList, menuList, config, CON, NUL, "
                          "COM1 i podobne).")
                          .arg(id));
    return false;
}

} // namespace SchemeIdCheck
