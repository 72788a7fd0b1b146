// The record for what cannot be computed, one-sided specifications, PPM and
// Z.bench, and the JSON object with its keys.
#include <gtest/gtest.h>

#include <cmath>

#include "ExtendedAnalysis.h"
#include "ExtendedJson.h"
#include "GoldenData.h"

namespace {

TExtendedInput Qcc()
{
    TExtendedInput in;
    in.Values = QccCapability;
    in.SubgroupSize = 4;
    in.LSL = 9.9, in.USL = 10.1, in.Target = 10.0;
    return in;
}

}  // namespace

TEST(ExtendedRecord, WhatCannotBeComputedLeavesTheRest)
{
    TExtendedInput one = Qcc();
    one.Values = {10.0};
    const TExtendedResult single = AnalyseExtended(one);
    EXPECT_FALSE(single.SigmaOverall);
    EXPECT_FALSE(single.Indices.Cp);
    EXPECT_EQ(single.Messages.size(), 1u);

    TExtendedInput flat = Qcc();
    flat.Values.assign(12, 10.0);
    const TExtendedResult zero = AnalyseExtended(flat);
    EXPECT_FALSE(zero.Indices.Cp);
    EXPECT_FALSE(zero.Indices.Pp);
    EXPECT_FALSE(zero.Normality.W);
    EXPECT_EQ(zero.ObservedPpm.Total, 0.0);
    EXPECT_FALSE(zero.Messages.empty());

    TExtendedInput overflow = Qcc();
    overflow.Values[3] = HUGE_VAL;
    const TExtendedResult infinite = AnalyseExtended(overflow);
    EXPECT_FALSE(infinite.Mean);
    EXPECT_EQ(infinite.Messages.size(), 1u);

    TExtendedInput large = Qcc();
    large.SubgroupSize = 13;
    const TExtendedResult tooLarge = AnalyseExtended(large);
    EXPECT_FALSE(tooLarge.SigmaWithin);
    EXPECT_FALSE(tooLarge.Indices.Cp);
    ASSERT_TRUE(tooLarge.Indices.Pp);  // the overall side still shows
    EXPECT_TRUE(tooLarge.Charts.empty());

    TExtendedInput none = Qcc();
    none.LSL.reset(), none.USL.reset();
    const TExtendedResult noLimits = AnalyseExtended(none);
    EXPECT_FALSE(noLimits.Indices.Cpk);
    EXPECT_FALSE(noLimits.Indices.Cpm);
    EXPECT_FALSE(noLimits.ZBenchOverall);
    EXPECT_TRUE(noLimits.Normality.W);
}

TEST(ExtendedRecord, OneSidedSpecificationLeavesItsSideOut)
{
    TExtendedInput in = Qcc();
    in.USL.reset();
    const TExtendedResult r = AnalyseExtended(in);
    EXPECT_FALSE(r.Indices.Cp);
    EXPECT_FALSE(r.Indices.CPU);
    ASSERT_TRUE(r.Indices.CPL && r.Indices.Cpk);
    EXPECT_EQ(r.Indices.Cpk->Value, r.Indices.CPL->Value);
    EXPECT_FALSE(r.WithinPpm.Above);
    EXPECT_EQ(*r.WithinPpm.Total, *r.WithinPpm.Below);
    ASSERT_TRUE(r.Indices.Cpm);
    double squares = 0;
    for (double x : in.Values)
        squares += (x - 10.0) * (x - 10.0);
    EXPECT_NEAR(r.Indices.Cpm->Value, (10.0 - 9.9) / (3 * std::sqrt(squares / 11)), 1e-12);
}

TEST(ExtendedRecord, PpmAndZBench)
{
    const TExtendedResult r = AnalyseExtended(Qcc());
    const double s = r.SigmaOverall->Value, mean = *r.Mean;
    const double below = 0.5 * std::erfc((mean - 9.9) / s / std::sqrt(2.0)) * 1e6;
    const double above = 0.5 * std::erfc((10.1 - mean) / s / std::sqrt(2.0)) * 1e6;
    EXPECT_NEAR(*r.OverallPpm.Below, below, 1e-9 * below);
    EXPECT_NEAR(*r.OverallPpm.Above, above, 1e-9 * above);
    EXPECT_GT(*r.ZBenchOverall, 4.5);
    EXPECT_EQ(*r.ObservedPpm.Total, 0.0);
    // A value equal to a limit is in specification.
    TExtendedInput edge = Qcc();
    edge.Values[0] = 9.9, edge.Values[1] = 9.8;
    EXPECT_NEAR(*AnalyseExtended(edge).ObservedPpm.Below, 1e6 / 12, 1e-6);
    // Far from the limits the upper tail keeps Z.bench finite.
    TExtendedInput far = Qcc();
    far.LSL = 0, far.USL = 20;
    const TExtendedResult distant = AnalyseExtended(far);
    EXPECT_FALSE(distant.ZBenchOverall.has_value() && !std::isfinite(*distant.ZBenchOverall));
}

TEST(ExtendedRecord, JsonObjectCarriesEveryKey)
{
    TExtendedInput in = Qcc();
    in.USL.reset();
    const std::string json = ExtendedJson(AnalyseExtended(in));
    for (const char* key : {"\"count\":12",
                            "\"subgroupSize\":4",
                            "\"subgroupCount\":3",
                            "\"mean\":",
                            "\"sigmaOverall\":{\"value\":",
                            "\"sigmaWithin\":{\"method\":\"pooled\"",
                            "\"dof\":9",
                            "\"confidence\":0.95",
                            "\"Cp\":null",
                            "\"CPL\":{\"value\"",
                            "\"CPU\":null",
                            "\"Cpk\":{",
                            "\"Pp\":null",
                            "\"PPL\":{",
                            "\"PPU\":null",
                            "\"Ppk\":{",
                            "\"Cpm\":{",
                            "\"observed\":{\"below\":0,\"above\":null,\"total\":0}",
                            "\"within\":{",
                            "\"zBench\":{\"within\":",
                            "\"andersonDarling\":{\"a2\":",
                            "\"shapiroWilk\":{\"w\":",
                            "\"charts\":{\"xbar\":{\"centre\":",
                            "\"r\":{\"centre\":",
                            "\"runTests\":[",
                            "\"messages\":["})
        EXPECT_NE(json.find(key), std::string::npos) << key << "\n" << json;
}
