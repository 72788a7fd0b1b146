#include "AboutWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

QString AboutText()
{
    return QString::fromUtf8("<h3>CPK-X-R控制图</h3>"
                             "<p>版本 %1</p>"
                             "<p>一个测量特性的过程能力分析与均值-极差控制图。</p>"
                             "<p>许可证：MIT</p>"
                             "<p>Qt 版本 %2</p>")
        .arg(QStringLiteral(CPK_XR_VERSION), QString::fromLatin1(qVersion()));
}

QWidget* ShowAboutWindow(QWidget& owner)
{
    auto* window = owner.findChild<QDialog*>(QStringLiteral("AboutWindow"));
    if (!window) {
        window = new QDialog(&owner);
        window->setObjectName(QStringLiteral("AboutWindow"));
        window->setWindowTitle(QString::fromUtf8("关于 CPK-X-R控制图"));
        auto* text = new QLabel(AboutText(), window);
        text->setObjectName(QStringLiteral("AboutText"));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, window);
        QObject::connect(buttons, &QDialogButtonBox::accepted, window, &QDialog::accept);
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(text);
        layout->addWidget(buttons);
    }
    window->show();
    window->raise();
    return window;
}
