#include "QtTextMeasurer.h"

#include <QCoreApplication>
#include <QThread>

#include <utility>
#include <vector>

namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

using TMeasuredFonts = std::vector<std::unique_ptr<TMeasuredFont>>;

// The main thread's fonts go with the application object, before Qt's font
// caches do; another thread's go when the thread ends.
TMeasuredFonts* MainThreadFonts = nullptr;

TMeasuredFonts& ThreadFonts()
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && app->thread() == QThread::currentThread()) {
        if (!MainThreadFonts) {
            MainThreadFonts = new TMeasuredFonts;
            qAddPostRoutine([] { delete std::exchange(MainThreadFonts, nullptr); });
        }
        return *MainThreadFonts;
    }
    thread_local TMeasuredFonts fonts;
    return fonts;
}

}  // namespace

bool SameFace(const TFontSpec& a, const TFontSpec& b)
{
    return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold;
}

int TMeasuredFont::Width(std::string_view text)
{
    // The bound only keeps a stream of ever new texts from growing the table.
    constexpr std::size_t MaxWidths = 4096;
    const std::string key(text);
    const auto found = widths_.find(key);
    if (found != widths_.end())
        return found->second;
    if (widths_.size() >= MaxWidths)
        widths_.clear();
    const int width = Metrics.horizontalAdvance(ToQString(text));
    widths_.emplace(key, width);
    return width;
}

TMeasuredFont& MeasuredFont(const TFontSpec& spec, int dpi, const QFont& deviceFont,
                            const std::function<QFont(const QFont&)>& resolve)
{
    // Measures taken before serve again only for the same device font and resolution.
    TMeasuredFonts& fonts = ThreadFonts();
    for (const auto& measured : fonts)
        if (SameFace(measured->Spec, spec) && measured->Dpi == dpi && measured->DeviceFont == deviceFont)
            return *measured;
    QFont font(ToQString(spec.Name));
    // Points at 96 pixels per inch, as the window is laid out.
    font.setPixelSize((spec.Size * 96 + 36) / 72);
    font.setBold(spec.Bold);
    fonts.push_back(std::make_unique<TMeasuredFont>(spec, dpi, deviceFont, resolve(font)));
    return *fonts.back();
}

TQtTextMeasurer::TQtTextMeasurer() : TQtTextMeasurer(QFont(), 96) {}

TQtTextMeasurer::TQtTextMeasurer(const QFont& deviceFont, int dpi) : deviceFont_(deviceFont), dpi_(dpi) {}

TQtTextMeasurer::~TQtTextMeasurer() = default;

void TQtTextMeasurer::SetFont(const TFontSpec& spec)
{
    if (font_ && SameFace(font_->Spec, spec))
        return;
    font_ = &MeasuredFont(spec, dpi_, deviceFont_, [this](const QFont& font) { return font.resolve(deviceFont_); });
}

int TQtTextMeasurer::TextWidth(std::string_view text) { return Measured().Width(text); }

int TQtTextMeasurer::TextHeight(std::string_view) { return Measured().Height; }

TMeasuredFont& TQtTextMeasurer::Measured()
{
    if (font_)
        return *font_;
    if (!deviceMeasured_)
        deviceMeasured_ = std::make_unique<TMeasuredFont>(TFontSpec{}, dpi_, deviceFont_, deviceFont_);
    return *deviceMeasured_;
}
