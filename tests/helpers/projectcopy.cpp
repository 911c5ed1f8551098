#include "projectcopy.h"

#include "tempworkdir.h"
#include "testnet.h"

namespace ProjectCopy {

QString openAtStart(const TempWorkDir &dir, const QString &source, const QString &folder, const QByteArray &fromNet)
{
    const QString project = dir.filePath(folder);
    TempWorkDir::copyTree(source, project);
    const QString devices = folder + QStringLiteral("/deviceList.xml");
    dir.write(devices, dir.read(devices).replace(fromNet, TestNet::subnet().toLatin1()));
    dir.write(QStringLiteral("config.xml"),
              QStringLiteral("<Config><AppSettings workspaceDir=\"%1\" Language=\"pl\"/>"
                             "<LastProject location=\"%2/\" name=\"%3\"/></Config>")
                  .arg(dir.path(), project, folder)
                  .toUtf8());
    return project;
}

} // namespace ProjectCopy
