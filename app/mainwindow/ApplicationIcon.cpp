#include "ApplicationIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <optional>

// The icons live in this static library's resources, which the linker keeps only when referenced.
static void LoadIconResources() { Q_INIT_RESOURCE(icons); }

namespace {

QIcon IconFromFiles()
{
    LoadIconResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/cpk-xr-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Every question is answered by the icon read from the files, read at the first one.
class TOnDemandIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().availableSizes(mode, state);
    }
    // The files are part of the program: the icon is never empty.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("TOnDemandIconEngine"); }
    QIconEngine* clone() const override { return new TOnDemandIconEngine(*this); }

private:
    QIcon& Loaded()
    {
        if (!loaded_)
            loaded_ = IconFromFiles();
        return *loaded_;
    }

    std::optional<QIcon> loaded_;
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new TOnDemandIconEngine); }
