#pragma once
// A font of the chart component ("Arial" 8 black unless set otherwise).
#include "Canvas.h"
#include "ChangeLink.h"

class TChartFont : public TChangeLink {
public:
    TChartFont() = default;
    explicit TChartFont(TColor color) { spec_.Color = color; }
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    const std::string& Name() const { return spec_.Name; }
    int Size() const { return spec_.Size; }
    TColor Color() const { return spec_.Color; }
    bool Bold() const { return spec_.Bold; }
    const TFontSpec& Spec() const { return spec_; }

    void SetName(const std::string& value) { Set(spec_.Name, value); }
    void SetSize(int value) { Set(spec_.Size, value); }
    void SetColor(TColor value) { Set(spec_.Color, value); }
    // The only style the system sets is bold (fsBold).
    void SetBold(bool value) { Set(spec_.Bold, value); }

private:
    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Changed(); });
    }

    TFontSpec spec_;
};
