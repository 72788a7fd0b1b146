#include "ExtendedJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

class TJsonWriter {
public:
    std::string Text;

    void Number(double v)
    {
        if (!std::isfinite(v)) {
            Text += "null";
            return;
        }
        // The shortest text that reads back as the same double.
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
        Text.append(buffer, end);
    }
    void Number(const std::optional<double>& v) { v ? Number(*v) : Null(); }
    void Null() { Text += "null"; }
    void String(const std::string& s)
    {
        Text += '"';
        for (char c : s) {
            if (c == '"' || c == '\\')
                Text += '\\';
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                Text += escape;
                continue;
            }
            Text += c;
        }
        Text += '"';
    }
    // Starts a member of the open object: a comma unless it is the first.
    void Key(const char* name)
    {
        if (Text.back() != '{')
            Text += ',';
        String(name);
        Text += ':';
    }
};

void WriteInterval(TJsonWriter& j, const std::optional<TIntervalEstimate>& v)
{
    if (!v)
        return j.Null();
    j.Text += '{';
    j.Key("value"), j.Number(v->Value);
    j.Key("lower"), j.Number(v->Lower);
    j.Key("upper"), j.Number(v->Upper);
    j.Text += '}';
}

void WritePpm(TJsonWriter& j, const TPpm& p)
{
    j.Text += '{';
    j.Key("below"), j.Number(p.Below);
    j.Key("above"), j.Number(p.Above);
    j.Key("total"), j.Number(p.Total);
    j.Text += '}';
}

void WriteSigma(TJsonWriter& j, const std::optional<TSigmaEstimate>& s, const char* method)
{
    j.Text += '{';
    if (method)
        j.Key("method"), j.String(method);
    j.Key("value"), s ? j.Number(s->Value) : j.Null();
    j.Key("dof"), s ? j.Number(s->Dof) : j.Null();
    j.Text += '}';
}

// One number, or with limits per subgroup one entry per subgroup (null where a subgroup has none).
void WriteLimit(TJsonWriter& j, const TControlChart& c, double TChartLimits::*limit)
{
    if (c.PointLimits.empty())
        return j.Number(c.Limits.*limit);
    j.Text += '[';
    for (size_t i = 0; i < c.PointLimits.size(); ++i) {
        if (i)
            j.Text += ',';
        j.Number(c.PointLimits[i].*limit);
    }
    j.Text += ']';
}

// Unfitted families keep their parameter names, with null values.
const char* const* ParameterNames(const std::string& family)
{
    static const char* const normal[] = {"mean", "sd", nullptr};
    static const char* const boxcox[] = {"lambda", "mean", "sd", nullptr};
    static const char* const lognormal[] = {"meanlog", "sdlog", nullptr};
    static const char* const weibull[] = {"shape", "scale", nullptr};
    if (family == "boxcox")
        return boxcox;
    if (family == "lognormal")
        return lognormal;
    if (family == "weibull")
        return weibull;
    return normal;
}

void WriteDistribution(TJsonWriter& j, const TDistributionCapability& d)
{
    j.Text += '{';
    j.Key("selected"), j.String(d.Selected);
    j.Key("fits"), j.Text += '[';
    for (size_t f = 0; f < d.Fits.size(); ++f) {
        const TDistributionFit& fit = d.Fits[f];
        if (f)
            j.Text += ',';
        j.Text += '{';
        j.Key("name"), j.String(fit.Name);
        j.Key("parameters"), j.Text += '{';
        if (fit.Fitted)
            for (const auto& [name, value] : fit.Parameters)
                j.Key(name.c_str()), j.Number(value);
        else
            for (const char* const* name = ParameterNames(fit.Name); *name; ++name)
                j.Key(*name), j.Null();
        j.Text += '}';
        j.Key("andersonDarling"), j.Text += '{';
        j.Key("a2"), j.Number(fit.A2);
        j.Key("p"), j.Number(fit.P);
        j.Text += "}}";
    }
    j.Text += ']';
    j.Key("percentiles"), j.Text += '{';
    j.Key("p00135"), j.Number(d.P00135);
    j.Key("p50"), j.Number(d.P50);
    j.Key("p99865"), j.Number(d.P99865);
    j.Text += '}';
    j.Key("indices"), j.Text += '{';
    j.Key("Pp"), j.Number(d.Pp);
    j.Key("PPL"), j.Number(d.PPL);
    j.Key("PPU"), j.Number(d.PPU);
    j.Key("Ppk"), j.Number(d.Ppk);
    j.Text += '}';
    j.Key("ppm"), WritePpm(j, d.Ppm);
    j.Key("boxcoxLambda"), j.Number(d.BoxCoxLambda);
    j.Text += '}';
}

}  // namespace

std::string ExtendedJson(const TExtendedResult& r)
{
    TJsonWriter j;
    j.Text += '{';
    j.Key("count"), j.Number(r.Count);
    j.Key("subgroupSize"), r.EqualSizes ? j.Number(r.SubgroupSize) : j.Null();
    j.Key("subgroupCount"), j.Number(r.SubgroupCount);
    j.Key("mean"), j.Number(r.Mean);
    j.Key("sigmaOverall"), WriteSigma(j, r.SigmaOverall, nullptr);
    j.Key("sigmaWithin"), WriteSigma(j, r.SigmaWithin, WithinSigmaMethodName(r.WithinMethod));
    j.Key("confidence"), j.Number(r.Confidence);

    j.Key("indices"), j.Text += '{';
    const TCapabilityIndices& i = r.Indices;
    const std::pair<const char*, const std::optional<TIntervalEstimate>*> indices[] = {
        {"Cp", &i.Cp},   {"CPL", &i.CPL}, {"CPU", &i.CPU}, {"Cpk", &i.Cpk}, {"Pp", &i.Pp},
        {"PPL", &i.PPL}, {"PPU", &i.PPU}, {"Ppk", &i.Ppk}, {"Cpm", &i.Cpm}};
    for (const auto& [name, value] : indices)
        j.Key(name), WriteInterval(j, *value);
    j.Text += '}';

    j.Key("ppm"), j.Text += '{';
    j.Key("observed"), WritePpm(j, r.ObservedPpm);
    j.Key("within"), WritePpm(j, r.WithinPpm);
    j.Key("overall"), WritePpm(j, r.OverallPpm);
    j.Text += '}';

    j.Key("zBench"), j.Text += '{';
    j.Key("within"), j.Number(r.ZBenchWithin);
    j.Key("overall"), j.Number(r.ZBenchOverall);
    j.Text += '}';

    j.Key("normality"), j.Text += '{';
    j.Key("andersonDarling"), j.Text += '{';
    j.Key("a2"), j.Number(r.Normality.A2);
    j.Key("p"), j.Number(r.Normality.A2P);
    j.Text += '}';
    j.Key("shapiroWilk"), j.Text += '{';
    j.Key("w"), j.Number(r.Normality.W);
    j.Key("p"), j.Number(r.Normality.WP);
    j.Text += "}}";

    j.Key("charts"), j.Text += '{';
    for (const TControlChart& c : r.Charts) {
        j.Key(c.Name.c_str()), j.Text += '{';
        j.Key("centre"), WriteLimit(j, c, &TChartLimits::Centre);
        j.Key("upper"), WriteLimit(j, c, &TChartLimits::Upper);
        j.Key("lower"), WriteLimit(j, c, &TChartLimits::Lower);
        j.Text += '}';
    }
    j.Text += '}';

    j.Key("runTests"), j.Text += '[';
    for (size_t v = 0; v < r.RunTests.size(); ++v) {
        if (v)
            j.Text += ',';
        j.Text += '{';
        j.Key("chart"), j.String(r.RunTests[v].Chart);
        j.Key("test"), j.Number(r.RunTests[v].Test);
        j.Key("points"), j.Text += '[';
        for (size_t p = 0; p < r.RunTests[v].Points.size(); ++p) {
            if (p)
                j.Text += ',';
            j.Number(r.RunTests[v].Points[p]);
        }
        j.Text += "]}";
    }
    j.Text += ']';

    j.Key("messages"), j.Text += '[';
    for (size_t m = 0; m < r.Messages.size(); ++m) {
        if (m)
            j.Text += ',';
        j.String(r.Messages[m]);
    }
    j.Text += ']';

    j.Key("subgroups"), j.String(r.Subgroups == TSubgroupChoice::Rows ? "rows" : "size");
    j.Key("historical"), j.Text += '{';
    j.Key("mean"), j.Number(r.HistoricalMean);
    j.Key("sigma"), j.Number(r.HistoricalSigma);
    j.Text += '}';
    j.Key("distribution"), WriteDistribution(j, r.Distribution);
    j.Text += '}';
    return j.Text;
}
