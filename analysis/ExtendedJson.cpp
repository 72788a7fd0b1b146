#include "ExtendedJson.h"

#include <initializer_list>
#include <sstream>

#include "JsonWriter.h"

namespace {

// Whatever could not be computed is null.
void Number(TJsonWriter& j, const std::optional<double>& v) { v ? j.Number(*v) : j.Null(); }

// An object of numbers by their names.
void WriteNumbers(TJsonWriter& j, std::initializer_list<std::pair<const char*, std::optional<double>>> numbers)
{
    j.BeginObject();
    for (const auto& [name, value] : numbers)
        j.Key(name), Number(j, value);
    j.EndObject();
}

void WriteInterval(TJsonWriter& j, const std::optional<TIntervalEstimate>& v)
{
    if (!v)
        return j.Null();
    WriteNumbers(j, {{"value", v->Value}, {"lower", v->Lower}, {"upper", v->Upper}});
}

void WritePpm(TJsonWriter& j, const TPpm& p)
{
    WriteNumbers(j, {{"below", p.Below}, {"above", p.Above}, {"total", p.Total}});
}

void WriteSigma(TJsonWriter& j, const std::optional<TSigmaEstimate>& s, const char* method)
{
    j.BeginObject();
    if (method)
        j.Key("method"), j.String(method);
    j.Key("value"), s ? Number(j, s->Value) : j.Null();
    j.Key("dof"), s ? Number(j, s->Dof) : j.Null();
    j.EndObject();
}

// One number, or with limits per subgroup one entry per subgroup (null where a subgroup has none).
void WriteLimit(TJsonWriter& j, const TControlChart& c, double TChartLimits::*limit)
{
    if (c.PointLimits.empty())
        return Number(j, c.Limits.*limit);
    j.BeginArray();
    for (const TChartLimits& limits : c.PointLimits)
        Number(j, limits.*limit);
    j.EndArray();
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
    j.BeginObject();
    j.Key("selected"), j.String(d.Selected);
    j.Key("fits"), j.BeginArray();
    for (const TDistributionFit& fit : d.Fits) {
        j.BeginObject();
        j.Key("name"), j.String(fit.Name);
        j.Key("parameters"), j.BeginObject();
        if (fit.Fitted)
            for (const auto& [name, value] : fit.Parameters)
                j.Key(name.c_str()), Number(j, value);
        else
            for (const char* const* name = ParameterNames(fit.Name); *name; ++name)
                j.Key(*name), j.Null();
        j.EndObject();
        j.Key("andersonDarling"), WriteNumbers(j, {{"a2", fit.A2}, {"p", fit.P}});
        j.EndObject();
    }
    j.EndArray();
    j.Key("percentiles"), WriteNumbers(j, {{"p00135", d.P00135}, {"p50", d.P50}, {"p99865", d.P99865}});
    j.Key("indices"), WriteNumbers(j, {{"Pp", d.Pp}, {"PPL", d.PPL}, {"PPU", d.PPU}, {"Ppk", d.Ppk}});
    j.Key("ppm"), WritePpm(j, d.Ppm);
    j.Key("boxcoxLambda"), Number(j, d.BoxCoxLambda);
    j.EndObject();
}

void WriteExtended(TJsonWriter& j, const TExtendedResult& r)
{
    j.BeginObject();
    j.Key("count"), Number(j, r.Count);
    j.Key("subgroupSize"), r.EqualSizes ? Number(j, r.SubgroupSize) : j.Null();
    j.Key("subgroupCount"), Number(j, r.SubgroupCount);
    j.Key("mean"), Number(j, r.Mean);
    j.Key("sigmaOverall"), WriteSigma(j, r.SigmaOverall, nullptr);
    j.Key("sigmaWithin"), WriteSigma(j, r.SigmaWithin, WithinSigmaMethodName(r.WithinMethod));
    j.Key("confidence"), Number(j, r.Confidence);

    j.Key("indices"), j.BeginObject();
    const TCapabilityIndices& i = r.Indices;
    const std::pair<const char*, const std::optional<TIntervalEstimate>*> indices[] = {
        {"Cp", &i.Cp},   {"CPL", &i.CPL}, {"CPU", &i.CPU}, {"Cpk", &i.Cpk}, {"Pp", &i.Pp},
        {"PPL", &i.PPL}, {"PPU", &i.PPU}, {"Ppk", &i.Ppk}, {"Cpm", &i.Cpm}};
    for (const auto& [name, value] : indices)
        j.Key(name), WriteInterval(j, *value);
    j.EndObject();

    j.Key("ppm"), j.BeginObject();
    j.Key("observed"), WritePpm(j, r.ObservedPpm);
    j.Key("within"), WritePpm(j, r.WithinPpm);
    j.Key("overall"), WritePpm(j, r.OverallPpm);
    j.EndObject();

    j.Key("zBench"), WriteNumbers(j, {{"within", r.ZBenchWithin}, {"overall", r.ZBenchOverall}});

    j.Key("normality"), j.BeginObject();
    j.Key("andersonDarling"), WriteNumbers(j, {{"a2", r.Normality.A2}, {"p", r.Normality.A2P}});
    j.Key("shapiroWilk"), WriteNumbers(j, {{"w", r.Normality.W}, {"p", r.Normality.WP}});
    j.EndObject();

    j.Key("charts"), j.BeginObject();
    for (const TControlChart& c : r.Charts) {
        j.Key(c.Name.c_str()), j.BeginObject();
        j.Key("centre"), WriteLimit(j, c, &TChartLimits::Centre);
        j.Key("upper"), WriteLimit(j, c, &TChartLimits::Upper);
        j.Key("lower"), WriteLimit(j, c, &TChartLimits::Lower);
        j.EndObject();
    }
    j.EndObject();

    j.Key("runTests"), j.BeginArray();
    for (size_t v = 0; v < r.RunTests.size(); ++v) {
        j.BeginObject();
        j.Key("chart"), j.String(r.RunTests[v].Chart);
        j.Key("test"), Number(j, r.RunTests[v].Test);
        j.Key("points"), j.BeginArray();
        for (const auto point : r.RunTests[v].Points)
            Number(j, point);
        j.EndArray();
        j.EndObject();
    }
    j.EndArray();

    j.Key("messages"), j.BeginArray();
    for (const std::string& message : r.Messages)
        j.String(message);
    j.EndArray();

    j.Key("subgroups"), j.String(r.Subgroups == TSubgroupChoice::Rows ? "rows" : "size");
    j.Key("historical"), WriteNumbers(j, {{"mean", r.HistoricalMean}, {"sigma", r.HistoricalSigma}});
    j.Key("distribution"), WriteDistribution(j, r.Distribution);
    j.EndObject();
}

}  // namespace

std::string ExtendedJson(const TExtendedResult& result)
{
    std::ostringstream text;
    {
        TJsonWriter json(text);
        WriteExtended(json, result);
    }
    return text.str();
}
