#include "ExportInfo.h"

#include "FormLayout.h"

QString ApplicationDocumentTitle() { return QString::fromUtf8(FormCaption); }

QString ApplicationCreator()
{
    return ApplicationDocumentTitle() + QStringLiteral(" (cpk-xr %1)").arg(QStringLiteral(CPK_XR_VERSION));
}
