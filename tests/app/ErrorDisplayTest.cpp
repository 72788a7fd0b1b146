#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include "ErrorDisplay.h"

TEST(ErrorDisplay, FullStopFollowsLettersDigitsAndChineseOnly)
{
    EXPECT_EQ(DisplayedErrorMessage("'abc' is not a valid floating point value"),
              "'abc' is not a valid floating point value.");
    EXPECT_EQ(DisplayedErrorMessage("Floating point division by zero"), "Floating point division by zero.");
    EXPECT_EQ(DisplayedErrorMessage("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(DisplayedErrorMessage("Done."), "Done.");
    EXPECT_EQ(DisplayedErrorMessage("Stop!"), "Stop!");
    EXPECT_EQ(DisplayedErrorMessage("trailing blank "), "trailing blank ");
    EXPECT_EQ(DisplayedErrorMessage("code 7"), "code 7.");
    EXPECT_EQ(DisplayedErrorMessage("子组大小"), "子组大小.");
    // The quote that closes a conversion message sorts before ".".
    EXPECT_EQ(DisplayedErrorMessage("'' is not a valid integer value'"), "'' is not a valid integer value'");
    EXPECT_EQ(DisplayedErrorMessage(""), "");
}

TEST(ErrorDisplay, TitleIsTheProgramNameWithoutExtension)
{
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/usr/local/bin/cpk-xr")), QStringLiteral("cpk-xr"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("C:/Tools/CPK.Test.EXE")), QStringLiteral("Cpk"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/Project1.exe")), QStringLiteral("Project1"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/xRAY")), QStringLiteral("xray"));
}

TEST(ErrorDisplay, TheMessageBoxShowsTheMessageAsWritten)
{
    // A cell text that looks like markup comes back inside the conversion message.
    const QString message = QStringLiteral("'<b>1</b>' is not a valid floating point value.");
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            format = box->textFormat();
            icon = box->icon();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    TMessageBoxErrorDisplay(nullptr).ShowError(QStringLiteral("cpk-xr"), message);
    closer.stop();
    EXPECT_EQ(title, QStringLiteral("cpk-xr"));
    EXPECT_EQ(text, message);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

// A very long message (a pasted block quoted back) keeps the box and its OK
// button on the screen and is shown whole, in a scrollable view.
TEST(ErrorDisplay, AVeryLongMessageStaysOnTheScreenAndIsShownWhole)
{
    const QString message = QStringLiteral("'") + QStringLiteral("1234567890").repeated(10000) +
                            QStringLiteral("' is not a valid floating point value.");
    QRect box, screen, ok;
    QString shown;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        box = dialog->frameGeometry();
        screen = dialog->screen()->availableGeometry();
        if (QAbstractButton* button = dialog->button(QMessageBox::Ok))
            ok = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        if (auto* view = dialog->findChild<QPlainTextEdit*>(QStringLiteral("ErrorMessageView")))
            shown = view->toPlainText().remove(QLatin1Char('\n'));
        dialog->done(QMessageBox::Ok);
    });
    closer.start();
    TMessageBoxErrorDisplay(nullptr).ShowError(QStringLiteral("cpk-xr"), message);
    closer.stop();
    EXPECT_TRUE(screen.contains(box)) << box.width() << "x" << box.height();
    EXPECT_TRUE(screen.contains(ok));
    EXPECT_EQ(shown, message);
}
