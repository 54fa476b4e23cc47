// The trace reader: the subset the trace writes, and faults reported instead of guessed.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/scenario/Scenario.h"

namespace {

using tests::scenario::Json;
using tests::scenario::Trace;

TEST(Json, ReadsNestedTraceLines) {
  const Json j =
      Json::Parse(R"({"f": 7, "game": {"pace": 0.25, "speed": 1.7, "interest": [0, 2, -1, 1],)"
                  R"( "players": [{"cash": 3000, "kinds": []}], "street": {}}} )");
  EXPECT_EQ(j["f"].Int(), 7);
  EXPECT_EQ(j["game"]["players"][0]["cash"].Int(), 3000);
  EXPECT_EQ(j["game"]["players"][0]["kinds"].Size(), 0u);
  EXPECT_EQ(j["game"]["interest"].Ints(), (std::vector<long long>{0, 2, -1, 1}));
  EXPECT_EQ(j["game"]["speed"].Float(), 1.7f);
  EXPECT_EQ(j["game"]["pace"].Number(), 0.25);
  EXPECT_TRUE(j["game"]["street"].IsObject());
  EXPECT_TRUE(j["game"].Has("street"));
  EXPECT_FALSE(j["game"].Has("spawned"));
  EXPECT_EQ(j.Keys(), (std::vector<std::string>{"f", "game"}));
}

TEST(Json, FaultsThrowInsteadOfReadingGarbage) {
  const Json j = Json::Parse(R"({"a": [1, 2.5], "b": {"c": 3}})");
  EXPECT_THROW(j["missing"], std::runtime_error);
  EXPECT_THROW(j["a"][2], std::runtime_error);
  EXPECT_THROW(j["a"][-1], std::runtime_error);
  EXPECT_THROW(j["a"][1].Int(), std::runtime_error);
  EXPECT_THROW(j["b"].Int(), std::runtime_error);
  EXPECT_THROW(j["b"][0], std::runtime_error);
  EXPECT_THROW(j["a"]["c"], std::runtime_error);
  for (const char* bad : {"", "{", "{\"a\": }", "{\"a\" 1}", "[1 2]", "[1,]", "{} {}", "-inf",
                          "[nan]", "\"text\"", "{\"a\": true}", "{\"a\\\"\": 1}"}) {
    EXPECT_THROW(Json::Parse(bad), std::runtime_error) << bad;
  }
  std::string deep(1000, '[');
  EXPECT_THROW(Json::Parse(deep), std::runtime_error);
}

TEST(Json, TraceFramesCountFromOne) {
  const Trace trace("{\"f\": 1, \"mode\": 0}\n{\"f\": 2, \"mode\": 1}\n");
  EXPECT_EQ(trace.Frames(), 2);
  EXPECT_EQ(trace[2]["mode"].Int(), 1);
  EXPECT_THROW(trace[0], std::runtime_error);
  EXPECT_THROW(trace[3], std::runtime_error);
  EXPECT_EQ(trace.Find([](const Json& f) { return f["mode"].Int() == 1; }), 2);
  EXPECT_EQ(trace.Find([](const Json& f) { return f["mode"].Int() == 2; }), 0);
}

}  // namespace
