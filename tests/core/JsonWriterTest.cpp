#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "JsonWriter.h"

namespace {

template <typename Write>
std::string Written(Write&& write)
{
    std::ostringstream out;
    {
        TJsonWriter json(out);
        write(json);
    }
    return out.str();
}

}  // namespace

TEST(JsonWriter, CommasBetweenMembersAndElementsAtEveryDepth)
{
    EXPECT_EQ(Written([](TJsonWriter& json) {
                  json.BeginObject();
                  json.Key("a");
                  json.BeginArray();
                  json.Integer(1);
                  json.BeginObject();
                  json.EndObject();
                  json.BeginArray();
                  json.EndArray();
                  json.Null();
                  json.EndArray();
                  json.Key("b");
                  json.Bool(true);
                  json.Key("c");
                  json.Raw("{\"d\":[]}");
                  json.EndObject();
              }),
              R"({"a":[1,{},[],null],"b":true,"c":{"d":[]}})");
}

TEST(JsonWriter, StringsEscapeQuotesBackslashesAndControlCharactersOnly)
{
    EXPECT_EQ(Written([](TJsonWriter& json) { json.String("a\"b\\c\n\r\t\x01\x1f 中文/\x7f"); }),
              "\"a\\\"b\\\\c\\n\\r\\t\\u0001\\u001f 中文/\x7f\"");
    EXPECT_EQ(Written([](TJsonWriter& json) { json.String(std::string("x\0y", 3)); }), "\"x\\u0000y\"");
}

TEST(JsonWriter, NumbersReadBackExactlyAndNonFiniteOnesAreNull)
{
    EXPECT_EQ(Written([](TJsonWriter& json) {
                  json.BeginArray();
                  json.Number(0.1);
                  json.Number(12.0093002319336);
                  json.Number(1e-300);
                  json.Number(100.0);
                  json.Number(std::numeric_limits<double>::infinity());
                  json.Number(std::nan(""));
                  json.Integer(-9007199254740993LL);
                  json.EndArray();
              }),
              "[0.1,12.0093002319336,1e-300,100,null,null,-9007199254740993]");
}

TEST(JsonWriter, NumbersAsQtWritesThemKeepWholeNumbersWhole)
{
    EXPECT_EQ(Written([](TJsonWriter& json) {
                  json.BeginArray();
                  for (double value : {100000.0, -0.0, 0.5, 0x1p53, 0x1p53 + 2, 6.7136787566551682e20, 1e30})
                      json.NumberAsQt(value);
                  json.EndArray();
              }),
              "[100000,0,0.5,9007199254740992,9007199254740994,671367875665516800000,1e+30]");
}

TEST(JsonWriter, LargeTextsReachTheStreamWhileBeingWritten)
{
    std::ostringstream out;
    TJsonWriter json(out);
    json.BeginArray();
    for (int i = 0; i < 300000; ++i)
        json.Integer(i);
    EXPECT_GT(out.str().size(), std::size_t(1) << 20);
    json.EndArray();
    json.Flush();
    EXPECT_EQ(out.str().substr(0, 8), "[0,1,2,3");
    EXPECT_EQ(out.str().substr(out.str().size() - 8), ",299999]");
}
