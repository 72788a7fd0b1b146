#include "DistributionCapability.h"

#include <algorithm>
#include <cmath>

#include "DistributionFits.h"

namespace {

constexpr double LowPoint = 0.00135, MidPoint = 0.5, HighPoint = 0.99865;

std::optional<double> Finite(double v) { return std::isfinite(v) ? std::optional<double>(v) : std::nullopt; }

const char* FamilyCaption(const std::string& name)
{
    if (name == "lognormal")
        return "对数正态";
    if (name == "weibull")
        return "Weibull ";
    return "Box-Cox ";
}

void SetTotal(TPpm& ppm)
{
    if (ppm.Below || ppm.Above)
        ppm.Total = ppm.Below.value_or(0) + ppm.Above.value_or(0);
}

// Pp from the spread between the outer points, PPL and PPU from the median.
void PercentileIndices(TDistributionCapability& d, const TExtendedInput& in)
{
    if (!d.P00135 || !d.P50 || !d.P99865)
        return;
    const double low = *d.P00135, mid = *d.P50, high = *d.P99865;
    if (in.LSL)
        d.PPL = Finite((mid - *in.LSL) / (mid - low));
    if (in.USL)
        d.PPU = Finite((*in.USL - mid) / (high - mid));
    if (in.LSL && in.USL)
        d.Pp = Finite((*in.USL - *in.LSL) / (high - low));
    if (d.PPL && d.PPU)
        d.Ppk = std::min(*d.PPL, *d.PPU);
    else
        d.Ppk = d.PPL ? d.PPL : d.PPU;
}

void FittedPercentiles(TDistributionCapability& d, const TDistributionFit& fit)
{
    d.P00135 = Finite(FitQuantile(fit, LowPoint));
    d.P50 = Finite(FitQuantile(fit, MidPoint));
    d.P99865 = Finite(FitQuantile(fit, HighPoint));
}

void FittedPpm(TDistributionCapability& d, const TDistributionFit& fit, const TExtendedInput& in)
{
    if (in.LSL)
        d.Ppm.Below = 1e6 * FitLowerTail(fit, *in.LSL);
    if (in.USL)
        d.Ppm.Above = 1e6 * FitUpperTail(fit, *in.USL);
    SetTotal(d.Ppm);
}

// The normal analysis on y = (x^lambda - 1)/lambda; a limit <= 0 has no y and leaves its side out.
void BoxCoxCapability(TDistributionCapability& d, const TDistributionFit& fit, const TExtendedInput& in,
                      std::vector<std::string>& messages)
{
    FittedPercentiles(d, fit);
    std::optional<double> lower, upper;
    const auto transform = [&](const std::optional<double>& limit, const char* what) -> std::optional<double> {
        if (!limit)
            return std::nullopt;
        if (!(*limit > 0)) {
            messages.push_back(std::string(what) + "小于或等于 0，Box-Cox 变换无法变换，略去该侧");
            return std::nullopt;
        }
        return BoxCoxTransform(*limit, fit.Lambda);
    };
    lower = transform(in.LSL, "规格下限");
    upper = transform(in.USL, "规格上限");
    const double mean = fit.Location, s = fit.Spread;
    if (lower) {
        d.PPL = (mean - *lower) / (3 * s);
        d.Ppm.Below = 1e6 * FitLowerTail(fit, *in.LSL);
    }
    if (upper) {
        d.PPU = (*upper - mean) / (3 * s);
        d.Ppm.Above = 1e6 * FitUpperTail(fit, *in.USL);
    }
    if (lower && upper)
        d.Pp = (*upper - *lower) / (6 * s);
    if (d.PPL && d.PPU)
        d.Ppk = std::min(*d.PPL, *d.PPU);
    else
        d.Ppk = d.PPL ? d.PPL : d.PPU;
    SetTotal(d.Ppm);
}

void NonparametricCapability(TDistributionCapability& d, const TExtendedResult& r, const TExtendedInput& in)
{
    std::vector<double> sorted = in.Values;
    std::sort(sorted.begin(), sorted.end());
    d.P00135 = EmpiricalPercentile(sorted, LowPoint);
    d.P50 = EmpiricalPercentile(sorted, MidPoint);
    d.P99865 = EmpiricalPercentile(sorted, HighPoint);
    PercentileIndices(d, in);
    d.Ppm = r.ObservedPpm;
}

// The normal choice keeps the normal analysis's 3 s indices and PPM.
void NormalCapability(TDistributionCapability& d, const TDistributionFit& fit, const TExtendedResult& r)
{
    FittedPercentiles(d, fit);
    const auto value = [](const std::optional<TIntervalEstimate>& v) {
        return v ? std::optional<double>(v->Value) : std::nullopt;
    };
    d.Pp = value(r.Indices.Pp), d.PPL = value(r.Indices.PPL), d.PPU = value(r.Indices.PPU);
    d.Ppk = value(r.Indices.Ppk);
    d.Ppm = r.OverallPpm;
}

// The largest p; equal p in the order normal, boxcox, lognormal, weibull.
const TDistributionFit* BestFit(const std::vector<TDistributionFit>& fits)
{
    const TDistributionFit* best = nullptr;
    for (const TDistributionFit& f : fits)
        if (f.Fitted && f.P && (!best || *f.P > *best->P))
            best = &f;
    return best;
}

}  // namespace

double EmpiricalPercentile(const std::vector<double>& sorted, double p)
{
    const double count = static_cast<double>(sorted.size());
    const double h = p * (count + 1);
    if (h < 1)
        return sorted.front();
    if (h >= count)
        return sorted.back();
    const double whole = std::floor(h);
    const size_t i = static_cast<size_t>(whole) - 1;  // x_(floor h), counted from 1
    return sorted[i] + (h - whole) * (sorted[i + 1] - sorted[i]);
}

void AddDistributionCapability(TExtendedResult& r, const TExtendedInput& in)
{
    TDistributionCapability& d = r.Distribution;
    d.Selected = DistributionChoiceName(in.Distribution);
    if (r.Count < 2 || !r.SigmaOverall)
        return;
    d.Fits = FitDistributions(in.Values, r.Normality);
    if (d.Fits[1].Fitted)
        d.BoxCoxLambda = d.Fits[1].Lambda;

    if (in.Distribution == TDistributionChoice::Nonparametric)
        return NonparametricCapability(d, r, in);
    const TDistributionFit* chosen = nullptr;
    if (in.Distribution == TDistributionChoice::Best) {
        chosen = BestFit(d.Fits);
        if (!chosen)
            return;
        d.Selected = chosen->Name;
    } else {
        const auto found =
            std::find_if(d.Fits.begin(), d.Fits.end(), [&](const TDistributionFit& f) { return f.Name == d.Selected; });
        chosen = &*found;
    }
    if (!chosen->Fitted) {
        const bool positive = std::all_of(in.Values.begin(), in.Values.end(), [](double v) { return v > 0; });
        r.Messages.push_back(positive ? std::string("无法拟合") + FamilyCaption(chosen->Name) + "分布"
                                      : std::string("数值中有小于或等于 0 的值，无法拟合") +
                                            FamilyCaption(chosen->Name) + "分布");
        return;
    }
    if (chosen->Name == "normal")
        NormalCapability(d, *chosen, r);
    else if (chosen->Name == "boxcox")
        BoxCoxCapability(d, *chosen, in, r.Messages);
    else {
        FittedPercentiles(d, *chosen);
        PercentileIndices(d, in);
        FittedPpm(d, *chosen, in);
    }
}
