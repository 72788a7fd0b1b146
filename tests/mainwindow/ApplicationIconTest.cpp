#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ApplicationIcon.h"

// Read on demand, the icon offers every size of its files and draws each
// exactly as an icon made from the files at once.
TEST(ApplicationIconTest, DrawsAsTheIconMadeFromItsFiles)
{
    const QIcon icon = ApplicationIcon();
    EXPECT_FALSE(icon.isNull());
    const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(icon.availableSizes(), sizes);
    QIcon fromFiles;
    for (const QSize& size : sizes)
        fromFiles.addFile(QStringLiteral(":/icons/cpk-xr-%1.png").arg(size.width()), size);
    for (const QSize& size : sizes)
        EXPECT_EQ(icon.pixmap(size).toImage(), fromFiles.pixmap(size).toImage()) << size.width();
    EXPECT_EQ(icon.pixmap(QSize(40, 40)).toImage(), fromFiles.pixmap(QSize(40, 40)).toImage());
}
